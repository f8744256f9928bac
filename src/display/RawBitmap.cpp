#include "display/RawBitmap.h"

#include <algorithm>
#include <cstring>

#include "common/InternalErrorReport.h"

namespace parlevox {

CRawBitmap::CRawBitmap(int width, int height, bool trueColour, uint8_t fill)
    : width_(width), height_(height), trueColour_(trueColour) {
    pixels_.assign(static_cast<size_t>(height) * StrideFor(width, trueColour), fill);
}

bool CRawBitmap::ValidSize(int width, int height) {
    return width >= 0 && height >= 0 && width <= kMaxDimension && height <= kMaxDimension;
}

size_t CRawBitmap::StrideFor(int width, bool trueColour) {
    size_t bytes = static_cast<size_t>(std::max(width, 0)) * (trueColour ? 3 : 1);
    return (bytes + 3) & ~size_t{3};
}

CRawBitmap CRawBitmap::TrueColour(int width, int height) {
    if (!ValidSize(width, height)) return {};
    return CRawBitmap(width, height, true, 255);
}

CRawBitmap CRawBitmap::TrueColour(int width, int height, std::span<const uint8_t> pixels) {
    CRawBitmap bitmap = TrueColour(width, height);
    if (pixels.size() < bitmap.pixels_.size()) return {};
    std::copy_n(pixels.begin(), bitmap.pixels_.size(), bitmap.pixels_.begin());
    return bitmap;
}

CRawBitmap CRawBitmap::Palette(int width, int height) {
    if (!ValidSize(width, height)) return {};
    return CRawBitmap(width, height, false, 0);
}

BgrColour CRawBitmap::TableColour(size_t index) const {
    const uint8_t* entry = &colours_[(index % kColourCount) * 4];
    return {entry[0], entry[1], entry[2]};
}

void CRawBitmap::SetTableColour(size_t index, BgrColour colour) {
    uint8_t* entry = &colours_[(index % kColourCount) * 4];
    entry[0] = colour.blue;
    entry[1] = colour.green;
    entry[2] = colour.red;
    entry[3] = 0;
}

BgrColour CRawBitmap::PixelColour(int x, int y) const {
    const uint8_t* row = Row(y);
    if (!trueColour_) return TableColour(row[x]);
    const uint8_t* pixel = row + static_cast<size_t>(x) * 3;
    return {pixel[0], pixel[1], pixel[2]};
}

void CRawBitmap::AddShadedColours() {
    constexpr int kSixths[] = {5, 4, 3};
    for (size_t band = 0; band < 3; ++band)
        for (size_t i = 0; i < 64; ++i) {
            BgrColour base = TableColour(i);
            auto shade = [&](uint8_t v) { return static_cast<uint8_t>(v * kSixths[band] / 6); };
            SetTableColour(64 * (band + 1) + i, {shade(base.blue), shade(base.green), shade(base.red)});
        }
}

bool CRawBitmap::Hatch(const PixelRect& rect, uint8_t index) {
    bool inside = rect.left >= 0 && rect.top >= 0 && rect.left <= rect.right && rect.top <= rect.bottom &&
                  rect.right <= width_ && rect.bottom <= height_;
    if (trueColour_ || !inside) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        uint8_t* row = Row(y);
        for (int x = rect.left + ((rect.left + y + 1) & 1); x < rect.right; x += 2) row[x] = index;
    }
    return true;
}

void CRawBitmap::DrawTo(CRawBitmap& target, int x, int y) const {
    if (!target.trueColour_) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    // The visible part of the source, in source coordinates (64-bit: any x and y are safe).
    int64_t left = std::max<int64_t>(0, -int64_t{x}), top = std::max<int64_t>(0, -int64_t{y});
    int64_t right = std::min<int64_t>(width_, int64_t{target.width_} - x);
    int64_t bottom = std::min<int64_t>(height_, int64_t{target.height_} - y);
    if (left >= right || top >= bottom) return;
    for (int row = static_cast<int>(top); row < bottom; ++row) {
        uint8_t* out = target.Row(static_cast<int>(row + y)) + static_cast<size_t>(left + x) * 3;
        if (trueColour_) {
            std::memcpy(out, Row(row) + static_cast<size_t>(left) * 3, static_cast<size_t>(right - left) * 3);
            continue;
        }
        for (int64_t column = left; column < right; ++column, out += 3) {
            BgrColour colour = TableColour(Row(row)[column]);
            out[0] = colour.blue;
            out[1] = colour.green;
            out[2] = colour.red;
        }
    }
}

}  // namespace parlevox
