#include "RegToolValues.h"

#include <charconv>

#include <fmt/format.h>

namespace parlevox {

std::string PrintableValue(const RegistryValue& value) {
    if (value.type == RegistryType::String) return value.data;
    if (auto number = value.AsDword()) return std::to_string(static_cast<int32_t>(*number));
    std::string out = value.type == RegistryType::Binary
                          ? std::string("hex:")
                          : fmt::format("hex({:x}):", static_cast<uint32_t>(value.type));
    for (size_t i = 0; i < value.data.size(); ++i)
        out += fmt::format("{}{:02x}", i ? "," : "", static_cast<uint8_t>(value.data[i]));
    return out;
}

std::optional<uint32_t> ParseDwordArgument(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
        if (text.size() > 8) return std::nullopt;
    }
    if (text.empty() || text.front() == '+' || (base == 16 && text.front() == '-')) return std::nullopt;
    int64_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (number < INT32_MIN || number > int64_t {UINT32_MAX}) return std::nullopt;
    return static_cast<uint32_t>(number);
}

}  // namespace parlevox
