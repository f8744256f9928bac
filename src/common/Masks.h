#pragma once
#include <string_view>

namespace parlevox {

// nick!user@host: a "!" and an "@" after it.
bool IsMask(std::string_view text);
// nick!user@host with exactly one "!", one "@" after it, and no part empty.
bool IsCompleteMask(std::string_view text);

// Only "*" is special, case is ignored, and every piece is taken at its first
// occurrence without backtracking ("*a" does not match "aba").
bool WildcardMatch(std::string_view text, std::string_view pattern);

}  // namespace parlevox
