#pragma once
// Text for the built-in art through FreeType, with a face that fontconfig
// picks for a pattern such as "DejaVu Sans:bold".
#include <string>
#include <string_view>

#include "art/Canvas.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace parlevox::art {

class TextRenderer {
public:
    // Throws std::runtime_error when no font matches the pattern.
    explicit TextRenderer(const std::string& fontPattern);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // The text's coverage at a pixel height, with its baseline at row
    // Ascent() of the mask. ASCII text; letter spacing in pixels.
    Mask Render(std::string_view text, float pixelSize, float letterSpacing = 0);
    int Ascent(float pixelSize);

    const std::string& FontFile() const { return fontFile_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    std::string fontFile_;
};

// Draws text with its top-left (or its centre, when centred) at a point,
// with an optional soft shadow.
struct TextStyle {
    float size = 12;
    Paint paint = Solid({0, 0, 0});
    float letterSpacing = 0;
    float shadowOpacity = 0;  // 0: no shadow
    int shadowBlur = 2;
    int shadowDx = 1, shadowDy = 2;
    bool centred = false;
};
void DrawText(Canvas& canvas, TextRenderer& font, std::string_view text, float x, float y, const TextStyle& style);

}  // namespace parlevox::art
