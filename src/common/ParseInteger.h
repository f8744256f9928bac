#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace parlevox {

// Lenient decimal parse: one trailing space is allowed, a leading "-"
// negates, empty text is 0, and anything else gives -1 (which is also the
// number -1). Overflow wraps as 32-bit arithmetic would.
int ParseInteger(std::string_view text);

// Strict decimal parse for numbers strangers send: digits only, at most
// `max`; nothing for signs, blanks, "0x10", "1e9" or empty text.
std::optional<uint64_t> ParseStrictDecimal(std::string_view text, uint64_t max);

}  // namespace parlevox
