#include "dcc/DccNumbers.h"

#include <fmt/format.h>

#include "common/ParseInteger.h"
#include "dcc/DccOptions.h"

namespace parlevox {

std::optional<uint64_t> ParseDccNumber(std::string_view text, uint64_t max) {
    return ParseStrictDecimal(text, max);
}

std::optional<uint32_t> DottedToNumber(std::string_view dotted) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t dot = dotted.find('.');
        const bool last = part == 3;
        if (last != (dot == std::string_view::npos)) return std::nullopt;
        const std::optional<uint64_t> byte = ParseDccNumber(dotted.substr(0, dot), 255);
        if (!byte || dotted.substr(0, dot).size() > 3) return std::nullopt;
        address = address << 8 | static_cast<uint32_t>(*byte);
        if (!last) dotted.remove_prefix(dot + 1);
    }
    return address;
}

std::string NumberToDotted(uint32_t address) {
    return fmt::format("{}.{}.{}.{}", address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF, address & 0xFF);
}

std::optional<DccPortRange> DccPortRange::Parse(std::string_view text) {
    if (text.empty()) return DccPortRange {};
    const size_t dash = text.find('-');
    const std::optional<uint64_t> first = ParseDccNumber(text.substr(0, dash), 65535);
    const std::optional<uint64_t> last =
        dash == std::string_view::npos ? first : ParseDccNumber(text.substr(dash + 1), 65535);
    if (!first || !last || *first == 0 || *last < *first) return std::nullopt;
    return DccPortRange {static_cast<uint16_t>(*first), static_cast<uint16_t>(*last)};
}

}  // namespace parlevox
