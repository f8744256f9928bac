#pragma once
// What a script command hands back to the script that called it: nothing,
// an integer, a string or an array of strings (the value's type string is
// "", "i", "s" or "as").
#include <cstdint>
#include <string>
#include <vector>

namespace parlevox {

struct CommandResult {
    enum class Type { None, Integer, String, StringArray };
    Type type = Type::None;
    int32_t number = 0;
    std::string text;
    std::vector<std::string> texts;

    void SetInteger(int32_t value) {
        type = Type::Integer;
        number = value;
    }
    void SetString(std::string value) {
        type = Type::String;
        text = std::move(value);
    }
    void SetStrings(std::vector<std::string> values) {
        type = Type::StringArray;
        texts = std::move(values);
    }
};

}  // namespace parlevox
