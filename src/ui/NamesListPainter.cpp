#include "ui/NamesListPainter.h"

#include <algorithm>
#include <string_view>

#include "display/Scheme.h"
#include "display/SchemeTextPainter.h"

namespace parlevox {
namespace {

void FillRows(CRawBitmap& image, int top, int bottom, BgrColour colour) {
    top = std::max(top, 0);
    bottom = std::min(bottom, image.Height());
    for (int y = top; y < bottom; ++y) {
        uint8_t* pixel = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, pixel += 3) {
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
        }
    }
}

int DigitOf(std::string_view entry) {
    const char digit = entry.empty() ? '0' : entry.back();
    return digit >= '0' && digit <= '9' ? digit - '0' : 0;
}

}  // namespace

int NamesListPainter::FontFor(NickStatus status) {
    if (status.op) return status.voice ? SchemeFontGlyphs::kBoldItalic : SchemeFontGlyphs::kBold;
    return status.voice ? SchemeFontGlyphs::kItalic : SchemeFontGlyphs::kNormal;
}

int NamesListPainter::EntryHeight(const CScheme* scheme) {
    if (!scheme) return 0;
    const SchemeFontGlyphs& glyphs = scheme->TextFont().Glyphs();
    int height = 1;
    for (int font = SchemeFontGlyphs::kNormal; font <= SchemeFontGlyphs::kBoldItalic; ++font)
        height = std::max(height, glyphs.LineHeight(font));
    return height;
}

int NamesListPainter::EntryAt(const CNamesList& list, size_t first, int y) {
    const int height = EntryHeight(list.Scheme());
    if (height <= 0 || y < 0) return -1;
    const size_t index = first + static_cast<size_t>(y / height);
    return index < list.Count() ? static_cast<int>(index) : -1;
}

bool NamesListPainter::Paint(const CNamesList& list, size_t first, CRawBitmap& image) {
    const CScheme* scheme = list.Scheme();
    if (!scheme || !image.IsTrueColour()) return false;
    const BgrColour background = ToBgr(list.Background());
    FillRows(image, 0, image.Height(), background);
    const int height = EntryHeight(scheme);
    const int selected = list.Selection();
    SchemeTextPainter painter(image, scheme->TextFont().Glyphs());
    int top = 0;
    list.Entries().VisitFrom(first, [&](size_t index, const std::string& entry) {
        if (top >= image.Height()) return false;
        BgrColour text = scheme->Colour(DigitOf(entry)), fill = background;
        if (static_cast<int>(index) == selected) {
            std::swap(text, fill);
            FillRows(image, top, top + height, fill);
        }
        painter.DrawPiece(kTextLeft, top, FontFor(CNamesList::StatusOf(entry)), CNamesList::NickOf(entry), text,
                          std::nullopt);
        top += height;
        return true;
    });
    return true;
}

}  // namespace parlevox
