#pragma once
// The client's own image: rows top first, each padded to a multiple of 4
// bytes. True-colour bitmaps hold blue, green, red per pixel; palette
// bitmaps one index per pixel into their own 256-entry colour table. All
// drawing is true colour: palette displays are not supported.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/ByteReader.h"

namespace parlevox {

// Left and top inside, right and bottom just outside.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct BgrColour {
    uint8_t blue = 0, green = 0, red = 0;
    bool operator==(const BgrColour&) const = default;
};

class CRawBitmap {
public:
    static constexpr int kMaxDimension = 32767;  // larger than any picture the client shows
    static constexpr size_t kColourCount = 256;
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr size_t kColourTableSize = kColourCount * 4;
    static constexpr size_t kPaletteBlockSize = kInfoHeaderSize + kColourTableSize + 4;
    static constexpr int32_t kTrueColourMarker = -1;

    using ColourTable = std::array<uint8_t, kColourTableSize>;  // blue, green, red, 0 per entry

    CRawBitmap() = default;  // 0 x 0, true colour

    // A white true-colour bitmap; with pixels, a copy of them in the padded
    // layout (the span must hold height x stride bytes). Sizes out of range
    // give an empty bitmap.
    static CRawBitmap TrueColour(int width, int height);
    static CRawBitmap TrueColour(int width, int height, std::span<const uint8_t> pixels);
    // A palette bitmap of index 0 with an all-black table.
    static CRawBitmap Palette(int width, int height);

    static bool ValidSize(int width, int height);
    static size_t StrideFor(int width, bool trueColour);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsTrueColour() const { return trueColour_; }
    size_t Stride() const { return StrideFor(width_, trueColour_); }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    std::span<uint8_t> Pixels() { return pixels_; }
    std::span<const uint8_t> Pixels() const { return pixels_; }
    uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * Stride(); }
    const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * Stride(); }

    ColourTable& Colours() { return colours_; }
    const ColourTable& Colours() const { return colours_; }
    BgrColour TableColour(size_t index) const;
    void SetTableColour(size_t index, BgrColour colour);

    // The colour shown at (x, y), whatever the kind; the point must be inside.
    BgrColour PixelColour(int x, int y) const;

    // Entries 64-127, 128-191 and 192-255 become entries 0-63 darkened to
    // 5/6, 4/6 and 3/6, for button strips that need darker variants.
    void AddShadedColours();

    // Sets every pixel whose row + column is odd to the palette index, to
    // grey out a disabled button. The rectangle must lie inside a palette
    // bitmap; anything else is reported as an internal error and changes
    // nothing.
    bool Hatch(const PixelRect& rect, uint8_t index);

    // Copies the bitmap to (x, y) of a true-colour target, clipped.
    void DrawTo(CRawBitmap& target, int x, int y) const;

    // The serialised record stored inside modules and plug-in data. Reading
    // throws TextError "Unexpected end of file when loading a graphic." and
    // leaves this bitmap as it was.
    void WriteRawBitmap(ByteWriter& writer) const;
    void ReadRawBitmap(ByteReader& reader);

private:
    CRawBitmap(int width, int height, bool trueColour, uint8_t fill);
    std::vector<uint8_t> InfoHeader() const;

    int width_ = 0;
    int height_ = 0;
    bool trueColour_ = true;
    std::vector<uint8_t> pixels_;
    ColourTable colours_{};
};

}  // namespace parlevox
