#pragma once
// Glyphs for the client's own text drawing: advance widths and 0-255
// coverage maps for the characters 32-255 of the Windows-1252 code page,
// made once per font through FreeType, with faces found by fontconfig.
// Windows face names map to installed faces ("Arial" -> Liberation Sans,
// "Fixedsys" -> a monospace face, "MS Sans Serif" -> DejaVu Sans); a face
// that does not exist falls back to the system's sans-serif face, and a
// machine without any usable font still gets a font (with empty glyphs).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct FT_FaceRec_;

namespace parlevox {

struct FontSpec {
    std::string face;
    int pixelSize = 15;  // character (em) height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // Black-and-white glyphs (coverage 0 or 255), for callers that smooth
    // by supersampling; otherwise anti-aliased coverage.
    bool monochrome = false;

    bool operator==(const FontSpec&) const = default;
};

struct Glyph {
    int advance = 0;  // pen movement in pixels
    int left = 0;     // where the coverage map starts, relative to the pen
    int top = 0;      // where it starts below the line's top
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;  // width x height, row by row

    uint8_t At(int x, int y) const { return coverage[static_cast<size_t>(y * width + x)]; }
};

class RasterFont {
public:
    static std::shared_ptr<const RasterFont> Create(const FontSpec& spec);

    const FontSpec& Spec() const { return spec_; }
    // The file the face came from; empty when no font could be loaded.
    const std::string& FilePath() const { return filePath_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    // Character height (ascent + descent) and the extra gap between lines.
    int Height() const { return ascent_ + descent_; }
    int ExternalLeading() const { return externalLeading_; }
    // Characters below 32 have no width and no glyph.
    const Glyph& GlyphFor(unsigned char character) const { return glyphs_[character]; }
    int TextWidth(std::string_view text) const;

private:
    RasterFont() = default;
    void LoadGlyphs(::FT_FaceRec_* face, bool syntheticBold);
    void AddUnderline(::FT_FaceRec_* face);

    FontSpec spec_;
    std::string filePath_;
    int ascent_ = 0;
    int descent_ = 0;
    int externalLeading_ = 0;
    std::array<Glyph, 256> glyphs_;
};

// The Unicode character a Windows-1252 byte stands for (0 for the five
// unassigned bytes).
char32_t Windows1252ToUnicode(unsigned char byte);
// The installed face a Windows face name maps to.
std::string MapFaceName(const std::string& windowsFace);

}  // namespace parlevox
