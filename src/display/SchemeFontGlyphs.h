#pragma once
// The five fonts of a scheme font item and their glyph caches for the
// characters 32-255: advance width, coverage map (0-255) and its offset
// from the pen. A smoothed font is rasterised black and white at three
// times the size and reduced 3x3 with fixed weights; widths and heights
// are divided by 3. Glyph sets are shared by every scheme that asks for the
// same face, size and smoothing.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FontRasterizer.h"

namespace parlevox {

// Weights of a 3x3 block, row by row; they sum to 255.
inline constexpr std::array<int, 9> kSmoothingWeights = {28, 28, 28, 28, 31, 28, 28, 28, 28};

// One pixel per 3x3 block of a glyph rasterised at three times the size.
// Blocks are aligned on the pen position and the line's top, so offsets
// are divided rounding down and the map grows to whole blocks.
Glyph ReduceGlyph3x3(const Glyph& large);

class SchemeFontGlyphs {
public:
    enum FontIndex { kNormal = 0, kItalic = 1, kBold = 2, kBoldItalic = 3, kUnderlined = 4 };
    static constexpr int kFontCount = 5;
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 144;  // larger faces would take megabytes per glyph set

    // Never fails: a face that does not exist falls back to another face,
    // and sizes are brought into kMinSize-kMaxSize.
    static std::shared_ptr<const SchemeFontGlyphs> Get(const std::string& face, int size, bool smoothing);

    SchemeFontGlyphs(const std::string& face, int size, bool smoothing);

    // An index outside 0-4 reads font 0.
    int Width(int font, unsigned char character) const { return advances_[Checked(font)][character]; }
    int TextWidth(int font, std::string_view text) const;
    const Glyph& GlyphFor(int font, unsigned char character) const { return fonts_[Checked(font)].glyphs[character]; }
    int CharacterHeight(int font) const { return fonts_[Checked(font)].characterHeight; }
    // Character height plus external leading; at least 1.
    int LineHeight(int font = kNormal) const { return fonts_[Checked(font)].lineHeight; }
    bool Smoothed() const { return smoothing_; }
    // Where font 0's face came from; empty when no font file could be used.
    const std::string& FilePath() const { return filePath_; }

private:
    struct Font {
        std::array<Glyph, 256> glyphs;
        int characterHeight = 0;
        int lineHeight = 0;
    };
    static size_t Checked(int font) { return font >= 0 && font < kFontCount ? static_cast<size_t>(font) : 0; }
    void Make(size_t index, const FontSpec& spec);

    bool smoothing_;
    std::string filePath_;
    std::array<Font, kFontCount> fonts_;
    std::array<std::array<int, 256>, kFontCount> advances_{};
};

}  // namespace parlevox
