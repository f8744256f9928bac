#pragma once
// The messages of the script tokenizer; the compiler shows them with the
// offset where the editor puts the cursor.
namespace parlevox {

inline constexpr const char* kUnterminatedString =
    "You started to define a constant string, but failed to include the \" that would finish the string.";
// The trailing space is part of the text.
inline constexpr const char* kIrcCommandNeedsNewline =
    "You must finish IRC commands with a newline character (return). ";
inline constexpr const char* kInvalidNumber =
    "Invalid numeric constant. Numbers can only include the ten digits 0-9, and not any other characters.";
// %s is the word.
inline constexpr const char* kInvalidSymbol =
    "Invalid symbol %s. If this symbol is intended to be two separate symbols, add a space between them.";
inline constexpr const char* kUndefinedName =
    "Undefined variable or function %s. You can only use variables that you have defined. (Make sure the case of "
    "the letters matches.)";

}  // namespace parlevox
