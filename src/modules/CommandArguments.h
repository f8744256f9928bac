#pragma once
// A "/" command's words as the parameters of a script function or a
// plug-in command: one word per s, i or f parameter, a last s parameter
// taking the rest of the line (or "" when nothing is left). Arrays cannot
// be typed, so a signature with one is refused.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "script/Variable.h"

namespace parlevox {

struct CommandArgumentProblem {
    enum class Kind { Insufficient, NotAnInteger, Array };
    Kind kind;
    std::string word;  // the word that is not an integer
};

// signature: short form ("si").
std::variant<CVariable, CommandArgumentProblem> ArgumentFromWords(std::string_view signature,
                                                                  std::span<const std::string_view> words);

}  // namespace parlevox
