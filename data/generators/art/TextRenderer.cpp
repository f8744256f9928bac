#include "art/TextRenderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace parlevox::art {
namespace {

std::string FindFontFile(const std::string& pattern) {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (!wanted) throw std::runtime_error("bad font pattern " + pattern);
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file = reinterpret_cast<char*>(path);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(wanted);
    if (file.empty()) throw std::runtime_error("no font installed for " + pattern);
    return file;
}

}  // namespace

TextRenderer::TextRenderer(const std::string& fontPattern) : fontFile_(FindFontFile(fontPattern)) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType did not start");
    if (FT_New_Face(library_, fontFile_.c_str(), 0, &face_) != 0)
        throw std::runtime_error("FreeType cannot read " + fontFile_);
}

TextRenderer::~TextRenderer() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
}

int TextRenderer::Ascent(float pixelSize) {
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(pixelSize * 64), 72, 72);
    return static_cast<int>(std::ceil(face_->size->metrics.ascender / 64.0));
}

Mask TextRenderer::Render(std::string_view text, float pixelSize, float letterSpacing) {
    int ascent = Ascent(pixelSize);
    int height = static_cast<int>(std::ceil((face_->size->metrics.ascender - face_->size->metrics.descender) / 64.0));
    // First pass: the width, with kerning.
    float width = 0;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        FT_UInt glyph = FT_Get_Char_Index(face_, c);
        FT_Vector kern{};
        if (previous && FT_HAS_KERNING(face_)) FT_Get_Kerning(face_, previous, glyph, FT_KERNING_DEFAULT, &kern);
        if (FT_Load_Glyph(face_, glyph, FT_LOAD_DEFAULT) != 0) continue;
        width += (kern.x + face_->glyph->advance.x) / 64.f + letterSpacing;
        previous = glyph;
    }
    Mask mask{static_cast<int>(std::ceil(width)) + 4, height + 2, {}};
    mask.alpha.assign(static_cast<size_t>(mask.width) * mask.height, 0.f);

    float penX = 1;
    previous = 0;
    for (unsigned char c : text) {
        FT_UInt glyph = FT_Get_Char_Index(face_, c);
        FT_Vector kern{};
        if (previous && FT_HAS_KERNING(face_)) FT_Get_Kerning(face_, previous, glyph, FT_KERNING_DEFAULT, &kern);
        penX += kern.x / 64.f;
        if (FT_Load_Glyph(face_, glyph, FT_LOAD_DEFAULT) != 0 || FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL))
            continue;
        const FT_Bitmap& bitmap = face_->glyph->bitmap;
        int left = static_cast<int>(std::lround(penX)) + face_->glyph->bitmap_left;
        int top = ascent - face_->glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                int x = left + static_cast<int>(column), y = top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) continue;
                float& a = mask.alpha[static_cast<size_t>(y) * mask.width + x];
                a = std::min(1.f, a + bitmap.buffer[row * bitmap.pitch + column] / 255.f);
            }
        penX += face_->glyph->advance.x / 64.f + letterSpacing;
        previous = glyph;
    }
    return mask;
}

void DrawText(Canvas& canvas, TextRenderer& font, std::string_view text, float x, float y, const TextStyle& style) {
    Mask mask = font.Render(text, style.size, style.letterSpacing);
    int left = static_cast<int>(std::lround(style.centred ? x - mask.width / 2.f : x));
    int top = static_cast<int>(std::lround(style.centred ? y - mask.height / 2.f : y));
    if (style.shadowOpacity > 0) {
        int pad = style.shadowBlur * 3;
        Mask padded{mask.width + 2 * pad, mask.height + 2 * pad, {}};
        padded.alpha.assign(static_cast<size_t>(padded.width) * padded.height, 0.f);
        for (int my = 0; my < mask.height; ++my)
            for (int mx = 0; mx < mask.width; ++mx)
                padded.alpha[static_cast<size_t>(my + pad) * padded.width + mx + pad] = mask.At(mx, my);
        Mask shadow = style.shadowBlur > 0 ? padded.Blurred(style.shadowBlur) : padded;
        canvas.DrawMask(shadow, left - pad + style.shadowDx, top - pad + style.shadowDy, Solid({0, 0, 0}),
                        style.shadowOpacity);
    }
    canvas.DrawMask(mask, left, top, style.paint);
}

}  // namespace parlevox::art
