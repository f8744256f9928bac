#pragma once
// Pictures as PNG files: module icons for people who draw them in a paint
// program, and the pictures tests and documentation leave. Written as 8-bit
// RGB; read from 8-bit RGB or RGBA (alpha dropped), non-interlaced, any row
// filter.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/RawBitmap.h"

namespace parlevox {

std::string EncodePng(const CRawBitmap& bitmap);
// rgb: width x height pixels of red, green, blue, rows top first.
std::string EncodeRgbPng(int width, int height, const std::vector<uint8_t>& rgb);
// A true-colour bitmap; throws TextError saying what is wrong with the file.
CRawBitmap DecodePng(std::string_view png);

}  // namespace parlevox
