#include "common/ParseInteger.h"

#include <cstdint>

namespace parlevox {

int ParseInteger(std::string_view text) {
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    uint32_t value = 0;  // unsigned so that huge inputs wrap instead of overflowing
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10u + static_cast<uint32_t>(c - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

std::optional<uint64_t> ParseStrictDecimal(std::string_view text, uint64_t max) {
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (max - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace parlevox
