#pragma once
// The client's built-in bitmaps (resource type "BrimBitmap"): Windows bitmap
// file images of 8 bits per pixel, rows bottom first, either uncompressed
// (compression 0) or in the client's own run-length code (compression 99).
#include <optional>
#include <span>
#include <string_view>

#include "display/RawBitmap.h"

namespace parlevox {

class BitmapResource {
public:
    // A palette bitmap with top-down rows; nothing for a file image that is
    // not 8 bits per pixel, has another compression, a size out of range,
    // or fewer bytes than its rows need.
    static std::optional<CRawBitmap> Decode(std::string_view fileImage);

    // Run-length code 99: a byte other than 255 is one pixel; 255, n, v is n
    // pixels of value v (n = 0 gives none). Fills out in stream order; a run
    // past the end is cut off. False when the stream ends before out is full.
    static bool DecodeRunLength(std::string_view stream, std::span<uint8_t> out);

    // The built-in bitmap of that name, optionally with the shaded copies of
    // its colours. A missing or damaged resource is an internal error.
    static std::optional<CRawBitmap> Load(std::string_view name, bool shaded = false);
};

}  // namespace parlevox
