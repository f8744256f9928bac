#pragma once
// Byte-string helpers for Windows-1252 text. Case folding is ASCII-only,
// matching how IRC names and settings are compared.
#include <string>
#include <string_view>

namespace parlevox {

inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
// First occurrence of needle at or after from, ignoring case; npos if none.
size_t FindIgnoringCase(std::string_view text, std::string_view needle, size_t from = 0);

// Keeps a-z, A-Z and 0-9, in order.
std::string AlphanumericOnly(std::string_view text);

}  // namespace parlevox
