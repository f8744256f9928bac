#pragma once
// The built-in art as Qt images.
#include <QImage>
#include <string_view>

#include "display/RawBitmap.h"

namespace parlevox {

// A copy of the bitmap in true colour (palette bitmaps are drawn through
// their table).
QImage ToQImage(const CRawBitmap& bitmap);
// The bitmap resource by name; a null image when there is none.
QImage LoadArt(std::string_view name);

}  // namespace parlevox
