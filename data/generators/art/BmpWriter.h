#pragma once
// Built-in bitmap resources as Windows bitmap file images: 8 bits per
// pixel, rows bottom first and padded to 4 bytes, the colour table from
// offset 54, and compression 0 or the client's run-length code 99.
#include <string>

#include "art/Quantizer.h"

namespace parlevox::art {

// Code 99: a byte other than 255 is one pixel; 255, n, v is n pixels of v.
std::string RunLengthEncode(const std::string& pixels);

std::string EncodeBmp(const IndexedImage& image, unsigned compression);

}  // namespace parlevox::art
