#include "RegToolArguments.h"

namespace parlevox {
namespace {

bool IsOption(const std::string& word) {
    return word == "-h" || (word.size() > 2 && word.compare(0, 2, "--") == 0);
}

// One option word; false and a message when it is not known.
bool ApplyOption(RegToolArguments& args, const std::string& word, const std::string* next, size_t& skip,
                 std::string& error) {
    using Type = RegToolArguments::ValueType;
    if (word == "--help" || word == "-h") {
        args.help = true;
    } else if (word == "--dword" || word == "--string") {
        Type type = word == "--dword" ? Type::Dword : Type::String;
        if (args.type != Type::Keep && args.type != type) {
            error = "--dword and --string exclude each other";
            return false;
        }
        args.type = type;
    } else if (word == "--replace") {
        args.replace = true;
    } else if (word == "--file") {
        if (!next || next->empty()) {
            error = "--file needs the name of a settings file";
            return false;
        }
        args.registryFile = *next;
        skip = 1;
    } else if (word.compare(0, 7, "--file=") == 0 && word.size() > 7) {
        args.registryFile = word.substr(7);
    } else {
        error = "unknown option " + word;
        return false;
    }
    return true;
}

}  // namespace

std::optional<RegToolArguments> RegToolArguments::Parse(const std::vector<std::string>& words, std::string& error) {
    RegToolArguments args;
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsOption(word)) {
            size_t skip = 0;
            const std::string* next = i + 1 < words.size() ? &words[i + 1] : nullptr;
            if (!ApplyOption(args, word, next, skip, error)) return std::nullopt;
            i += skip;
        } else if (args.command.empty()) {
            args.command = word;
        } else {
            args.operands.push_back(word);
        }
    }
    if (!args.help && args.command.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    return args;
}

}  // namespace parlevox
