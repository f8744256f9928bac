#pragma once
// What compiling a script function reports when its tokens do not parse.
namespace parlevox {

inline constexpr const char* kSyntaxError = "Syntax error.";
inline constexpr const char* kFunctionTooComplex =
    "This function is too complex to compile. Split it into smaller functions.";
inline constexpr const char* kFunctionNestedTooDeeply =
    "This function nests brackets, blocks or statements too deeply to compile. Split it into smaller functions.";

}  // namespace parlevox
