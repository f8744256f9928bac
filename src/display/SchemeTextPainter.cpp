#include "display/SchemeTextPainter.h"

#include "display/AnchoredPoint.h"

namespace parlevox {

SchemeTextPainter::SchemeTextPainter(CRawBitmap& target, const SchemeFontGlyphs& fonts)
    : SchemeTextPainter(target, fonts, PixelRect{0, 0, target.Width(), target.Height()}) {}

SchemeTextPainter::SchemeTextPainter(CRawBitmap& target, const SchemeFontGlyphs& fonts, const PixelRect& clip)
    : target_(target), fonts_(fonts) {
    clip_ = target.IsTrueColour() ? Intersect(clip, PixelRect{0, 0, target.Width(), target.Height()}) : PixelRect{};
}

SchemeTextPainter::~SchemeTextPainter() {
    Flush();
}

int SchemeTextPainter::DrawPiece(int x, int top, int font, std::string_view text, BgrColour foreground,
                                 std::optional<BgrColour> background) {
    int width = fonts_.TextWidth(font, text);
    if (background) Fill({x, top, x + width, top + fonts_.LineHeight(SchemeFontGlyphs::kNormal)}, *background);
    Flush();
    pending_.waiting = true;
    pending_.x = x;
    pending_.top = top;
    pending_.font = font;
    pending_.text.assign(text);
    pending_.colour = foreground;
    return width;
}

void SchemeTextPainter::Flush() {
    if (!pending_.waiting) return;
    pending_.waiting = false;
    int penX = pending_.x;
    for (char c : pending_.text) {
        auto character = static_cast<unsigned char>(c);
        if (character < 32) continue;
        BlendGlyph(fonts_.GlyphFor(pending_.font, character), penX, pending_.top, pending_.colour);
        penX += fonts_.Width(pending_.font, character);
    }
}

void SchemeTextPainter::Fill(const PixelRect& box, BgrColour colour) {
    PixelRect area = Intersect(box, clip_);
    if (IsEmpty(area)) return;
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* pixel = target_.Row(y) + static_cast<size_t>(area.left) * 3;
        for (int x = area.left; x < area.right; ++x, pixel += 3) {
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
        }
    }
}

void SchemeTextPainter::BlendGlyph(const Glyph& glyph, int penX, int top, BgrColour colour) {
    if (glyph.coverage.size() < static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height)) return;
    int64_t left = int64_t{penX} + glyph.left, glyphTop = int64_t{top} + glyph.top;
    if (left > clip_.right || glyphTop > clip_.bottom || left + glyph.width < clip_.left ||
        glyphTop + glyph.height < clip_.top)
        return;
    PixelRect box{static_cast<int>(left), static_cast<int>(glyphTop), static_cast<int>(left) + glyph.width,
                  static_cast<int>(glyphTop) + glyph.height};
    PixelRect area = Intersect(box, clip_);
    for (int y = area.top; y < area.bottom; ++y) {
        const uint8_t* coverage = glyph.coverage.data() + static_cast<size_t>(y - box.top) * glyph.width;
        uint8_t* pixel = target_.Row(y) + static_cast<size_t>(area.left) * 3;
        for (int x = area.left; x < area.right; ++x, pixel += 3) {
            uint8_t c = coverage[x - box.left];
            if (c == 0) continue;
            pixel[0] = Blend(c, colour.blue, pixel[0]);
            pixel[1] = Blend(c, colour.green, pixel[1]);
            pixel[2] = Blend(c, colour.red, pixel[2]);
        }
    }
}

}  // namespace parlevox
