#include "irc/ColourCodes.h"

#include <fmt/format.h>

#include "platform/Registry.h"

namespace parlevox {

std::string ColourCode(int slot) {
    int value = Registry::Current().GetProfileInt("Colours", fmt::format("Colour{}", slot + 1), 0);
    return "\x03" + std::to_string(value);
}

}  // namespace parlevox
