#pragma once
// Values as parlevox-reg prints and reads them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

// A string as its bytes, a DWORD as the signed number the client reads,
// anything else in the hex form of the export text ("hex:01,02").
std::string PrintableValue(const RegistryValue& value);
// Decimal from -2147483648 to 4294967295, or "0x" and up to 8 hex digits.
std::optional<uint32_t> ParseDwordArgument(std::string_view text);

}  // namespace parlevox
