#pragma once
// The numbers of DCC requests: addresses as one decimal 32-bit number,
// ports, sizes and positions, read strictly since they come from strangers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parlevox {

inline constexpr uint64_t kMaxDccNumber = 0x7FFFFFFFFFFFFFFFull;

// Digits only, at most `max`; nothing for anything else (signs, blanks,
// "0x10", "1e9", empty).
std::optional<uint64_t> ParseDccNumber(std::string_view text, uint64_t max = kMaxDccNumber);

// "a.b.c.d" as a*16777216 + b*65536 + c*256 + d; nothing unless four
// decimal bytes.
std::optional<uint32_t> DottedToNumber(std::string_view dotted);
// The number printed from its top byte down.
std::string NumberToDotted(uint32_t address);

}  // namespace parlevox
