#pragma once
// Draws text pieces with a scheme font into a 24-bit image. A piece's box
// (its advance width by the line height) is filled with its background at
// once, but its glyphs are blended only after the next piece's background
// has been filled (or at Flush), so a glyph that reaches into the next box,
// such as an italic overhang, is not painted over. Everything is clipped to
// the image and to the clip rectangle.
#include <optional>
#include <string>
#include <string_view>

#include "display/RawBitmap.h"
#include "display/SchemeFontGlyphs.h"

namespace parlevox {

class SchemeTextPainter {
public:
    SchemeTextPainter(CRawBitmap& target, const SchemeFontGlyphs& fonts);
    SchemeTextPainter(CRawBitmap& target, const SchemeFontGlyphs& fonts, const PixelRect& clip);
    ~SchemeTextPainter();  // flushes
    SchemeTextPainter(const SchemeTextPainter&) = delete;
    SchemeTextPainter& operator=(const SchemeTextPainter&) = delete;

    // The pen is at x; top is the line's top. Returns the piece's width.
    int DrawPiece(int x, int top, int font, std::string_view text, BgrColour foreground,
                  std::optional<BgrColour> background);
    // Blends the pending piece.
    void Flush();

    // Per channel: (coverage x colour + (256 - coverage) x pixel) / 256.
    static uint8_t Blend(uint8_t coverage, uint8_t colour, uint8_t pixel) {
        return static_cast<uint8_t>((coverage * colour + (256 - coverage) * pixel) >> 8);
    }

private:
    struct Pending {
        bool waiting = false;
        int x = 0, top = 0, font = 0;
        std::string text;
        BgrColour colour;
    };
    void Fill(const PixelRect& box, BgrColour colour);
    void BlendGlyph(const Glyph& glyph, int penX, int top, BgrColour colour);

    CRawBitmap& target_;
    const SchemeFontGlyphs& fonts_;
    PixelRect clip_;
    Pending pending_;
};

}  // namespace parlevox
