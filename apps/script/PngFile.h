#pragma once
// Module icons as PNG files, for people who draw them in a paint program:
// written as 8-bit RGB, read from 8-bit RGB or RGBA (alpha dropped),
// non-interlaced, any row filter.
#include <string>
#include <string_view>

#include "display/RawBitmap.h"

namespace parlevox {

std::string EncodePng(const CRawBitmap& bitmap);
// A true-colour bitmap; throws TextError saying what is wrong with the file.
CRawBitmap DecodePng(std::string_view png);

}  // namespace parlevox
