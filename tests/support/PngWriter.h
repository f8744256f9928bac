#pragma once
// Pictures tests leave for a person to look at.
#include "display/PngFile.h"

namespace parlevox::test {

// rgb: width x height pixels of red, green, blue, rows top first.
inline std::string EncodePng(int width, int height, const std::vector<uint8_t>& rgb) {
    return EncodeRgbPng(width, height, rgb);
}

}  // namespace parlevox::test
