// parlevox-reg: export, import, get and set the client's settings.
#include <iostream>
#include <string>
#include <vector>

#include "RegTool.h"
#include "RegToolArguments.h"

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string error;
    std::optional<parlevox::RegToolArguments> args = parlevox::RegToolArguments::Parse(words, error);
    if (!args) {
        std::cerr << "parlevox-reg: " << error << "\nTry 'parlevox-reg --help'.\n";
        return parlevox::RegTool::kUsage;
    }
    parlevox::RegTool tool;
    return tool.Run(*args);
}
