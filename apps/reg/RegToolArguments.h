#pragma once
// The command line of parlevox-reg.
#include <optional>
#include <string>
#include <vector>

namespace parlevox {

struct RegToolArguments {
    enum class ValueType { Keep, Dword, String };

    std::string registryFile;  // --file; empty: Registry::DefaultFilePath()
    std::string command;       // empty with --help
    std::vector<std::string> operands;
    ValueType type = ValueType::Keep;
    bool replace = false;
    bool help = false;

    // Options may stand anywhere; "--" ends them, so a value such as
    // "--x" can still be given. Nothing and a message on error.
    static std::optional<RegToolArguments> Parse(const std::vector<std::string>& words, std::string& error);
};

}  // namespace parlevox
