#include "irc/ColourCodes.h"

namespace parlevox {

std::string ColourCodes::Code(int slot) const {
    int value = slot >= 0 && slot < kSlots ? values_[static_cast<size_t>(slot)] : 0;
    return '\x03' + std::to_string(value);
}

}  // namespace parlevox
