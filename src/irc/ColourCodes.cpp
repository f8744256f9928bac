#include "irc/ColourCodes.h"

#include <fmt/format.h>

#include "platform/Registry.h"

namespace parlevox {

std::string ColourCode(int slot) {
    int value = Registry::Current().GetProfileInt("Colours", fmt::format("Colour{}", slot + 1), 0);
    std::string code(1, '\x03');
    code += std::to_string(value);
    return code;
}

}  // namespace parlevox
