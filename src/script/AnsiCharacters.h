#pragma once
// Character classes of Windows-1252 text as script source uses them: the
// letters of the code page (accented ones included) and the digits 0-9
// make up words; a lowercase letter is one that upper-casing changes.
#include <string_view>

namespace parlevox {

bool IsAnsiAlphanumeric(char c);
bool IsAnsiLowercase(char c);
// A letter that lower-casing in the code page changes.
bool IsAnsiUppercase(char c);
// True when upper-casing the text in the code page would change it.
bool HasAnsiLowercase(std::string_view text);

}  // namespace parlevox
