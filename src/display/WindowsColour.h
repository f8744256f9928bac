#pragma once
// Scheme colours are Windows colour values: red in the low byte, then
// green, then blue; the high byte is not used.
#include <cstdint>

#include "display/RawBitmap.h"

namespace parlevox {

using WindowsColour = uint32_t;

constexpr WindowsColour RgbColour(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<WindowsColour>(red) | (static_cast<WindowsColour>(green) << 8) |
           (static_cast<WindowsColour>(blue) << 16);
}

constexpr BgrColour ToBgr(WindowsColour colour) {
    return {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour)};
}

constexpr WindowsColour FromBgr(BgrColour colour) {
    return RgbColour(colour.red, colour.green, colour.blue);
}

}  // namespace parlevox
