// Draws the sample schemes and writes them, as the client reads them, to
// <output folder>/Calm.ParlevoxScheme and Night.ParlevoxScheme.
#include <iostream>
#include <string>

#include "common/TextError.h"
#include "display/SchemeFile.h"
#include "schemes/SampleSchemes.h"

int main(int argc, char** argv) {
    using namespace parlevox;
    if (argc != 2) {
        std::cerr << "usage: parlevox-schemegen OUTPUT-FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    try {
        WriteSchemeFile(folder + "/" + schemegen::kCalmFileName, schemegen::MakeCalmScheme());
        WriteSchemeFile(folder + "/" + schemegen::kNightFileName, schemegen::MakeNightScheme());
    } catch (const TextError& error) {
        std::cerr << "parlevox-schemegen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
