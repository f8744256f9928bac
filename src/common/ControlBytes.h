#pragma once
// Text from the network on its way to a terminal or a line-oriented reader:
// a window name or other field must not hold a tab or line end (it would
// forge fields or lines) nor an escape (it would drive the terminal).
#include <string>
#include <string_view>

namespace parlevox {

// The client's own in-text formatting codes: bold, colour, the nickname
// mark, plain, reverse and italic.
bool IsFormattingCode(char c);

// Removes the formatting codes (colour with its digits) and every other
// byte below 32.
std::string StripControlCodes(std::string_view text);

// A field: every byte below 32 and DEL removed.
std::string CleanField(std::string_view text);

// Text that keeps its formatting codes: tabs and line ends become spaces,
// every other byte below 32 that is no formatting code is removed.
std::string CleanKeepingFormatting(std::string_view text);

}  // namespace parlevox
