#pragma once
// A value a script hands to a built-in command instead of a typed word: a
// string or an integer.
#include <cstdint>
#include <string>

namespace parlevox {

struct CommandArgument {
    bool isInteger = false;
    std::string text;
    int32_t number = 0;

    static CommandArgument Text(std::string value) { return {false, std::move(value), 0}; }
    static CommandArgument Integer(int32_t value) { return {true, {}, value}; }
};

}  // namespace parlevox
