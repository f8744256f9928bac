#include "platform/FontRasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <mutex>

#include "common/TextHelpers.h"

namespace parlevox {
namespace {

// 0x80-0x9F of Windows-1252; 0 where the code page assigns nothing.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct FaceAlias {
    const char* windows;
    const char* installed;
};
constexpr FaceAlias kAliases[] = {
    {"Arial", "Liberation Sans"},           {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
    {"Fixedsys", "monospace"},              {"Terminal", "monospace"},
    {"Courier", "monospace"},               {"MS Sans Serif", "DejaVu Sans"},
    {"MS Serif", "DejaVu Serif"},           {"System", "DejaVu Sans"},
};

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) created = nullptr;
        return created;
    }();
    return library;
}

// The font file fontconfig offers for the face and style, or empty.
std::string FindFontFile(const std::string& family, bool bold, bool italic, bool* exactStyle) {
    static std::mutex mutex;  // fontconfig's configuration is shared
    std::lock_guard<std::mutex> lock(mutex);
    if (!FcInit()) return {};
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string path;
    if (match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
        int weight = 0, slant = 0;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        *exactStyle = (bold == (weight >= FC_WEIGHT_DEMIBOLD)) && (italic == (slant != FC_SLANT_ROMAN));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

int RoundedPixels(FT_Pos value26_6) {
    return static_cast<int>((value26_6 + 32) >> 6);
}

}  // namespace

char32_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::string MapFaceName(const std::string& windowsFace) {
    for (const FaceAlias& alias : kAliases)
        if (EqualsIgnoringCase(alias.windows, windowsFace)) return alias.installed;
    return windowsFace.empty() ? "sans-serif" : windowsFace;
}

std::shared_ptr<const RasterFont> RasterFont::Create(const FontSpec& spec) {
    std::shared_ptr<RasterFont> font(new RasterFont());
    font->spec_ = spec;
    font->spec_.pixelSize = std::clamp(spec.pixelSize, 1, 512);
    FT_Library library = Library();
    bool exactStyle = false;
    std::string path = FindFontFile(MapFaceName(spec.face), spec.bold, spec.italic, &exactStyle);
    FT_Face face = nullptr;
    if (!library || path.empty() || FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        // No usable font at all: widths from the size, nothing drawn.
        font->ascent_ = font->spec_.pixelSize * 4 / 5;
        font->descent_ = font->spec_.pixelSize - font->ascent_;
        for (int c = 32; c < 256; ++c) font->glyphs_[static_cast<size_t>(c)].advance = font->spec_.pixelSize / 2;
        return font;
    }
    font->filePath_ = path;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(font->spec_.pixelSize));
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    bool faceIsBold = face->style_flags & FT_STYLE_FLAG_BOLD;
    bool faceIsItalic = face->style_flags & FT_STYLE_FLAG_ITALIC;
    if (spec.italic && !faceIsItalic) {
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees, as an oblique face leans
        FT_Set_Transform(face, &shear, nullptr);
    }
    const FT_Size_Metrics& metrics = face->size->metrics;
    font->ascent_ = RoundedPixels(metrics.ascender);
    font->descent_ = std::max(0, -RoundedPixels(metrics.descender));
    font->externalLeading_ = std::max(0, RoundedPixels(metrics.height) - font->ascent_ - font->descent_);
    font->LoadGlyphs(face, spec.bold && !faceIsBold);
    if (spec.underline) font->AddUnderline(face);
    FT_Done_Face(face);
    (void)exactStyle;
    return font;
}

void RasterFont::LoadGlyphs(FT_Face face, bool syntheticBold) {
    const FT_Int32 loadFlags = spec_.monochrome ? (FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) : FT_LOAD_NO_BITMAP;
    const FT_Render_Mode renderMode = spec_.monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
    for (int c = 32; c < 256; ++c) {
        Glyph& glyph = glyphs_[static_cast<size_t>(c)];
        char32_t code = Windows1252ToUnicode(static_cast<unsigned char>(c));
        FT_UInt index = code ? FT_Get_Char_Index(face, code) : 0;
        if (FT_Load_Glyph(face, index, loadFlags) != 0) continue;
        if (syntheticBold) FT_GlyphSlot_Embolden(face->glyph);
        glyph.advance = RoundedPixels(face->glyph->advance.x);
        if (FT_Render_Glyph(face->glyph, renderMode) != 0) continue;
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        glyph.left = face->glyph->bitmap_left;
        glyph.top = ascent_ - face->glyph->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.height = static_cast<int>(bitmap.rows);
        glyph.coverage.assign(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height), 0);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                uint8_t value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                    ? ((row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                                    : row[x];
                glyph.coverage[static_cast<size_t>(y * glyph.width + x)] = value;
            }
        }
    }
}

void RasterFont::AddUnderline(FT_Face face) {
    // The underline is part of each glyph, as a row under the whole advance.
    int position = ascent_ + std::max(1, static_cast<int>(-FT_MulFix(face->underline_position, face->size->metrics.y_scale) >> 6));
    int thickness = std::max(1, static_cast<int>(FT_MulFix(face->underline_thickness, face->size->metrics.y_scale) >> 6));
    position = std::min(position, Height() - thickness);
    for (int c = 32; c < 256; ++c) {
        Glyph& g = glyphs_[static_cast<size_t>(c)];
        if (g.advance <= 0) continue;
        int left = std::min(g.left, 0), top = std::min(g.top, position);
        int right = std::max(g.left + g.width, g.advance), bottom = std::max(g.top + g.height, position + thickness);
        Glyph merged = g;
        merged.left = left;
        merged.top = top;
        merged.width = right - left;
        merged.height = bottom - top;
        merged.coverage.assign(static_cast<size_t>(merged.width) * static_cast<size_t>(merged.height), 0);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                merged.coverage[static_cast<size_t>((y + g.top - top) * merged.width + (x + g.left - left))] = g.At(x, y);
        for (int y = position; y < position + thickness; ++y)
            for (int x = 0; x < g.advance; ++x) merged.coverage[static_cast<size_t>((y - top) * merged.width + (x - left))] = 255;
        g = std::move(merged);
    }
}

int RasterFont::TextWidth(std::string_view text) const {
    int width = 0;
    for (char c : text) width += glyphs_[static_cast<unsigned char>(c)].advance;
    return width;
}

}  // namespace parlevox
