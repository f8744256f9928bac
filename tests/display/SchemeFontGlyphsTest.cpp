#include "display/SchemeFontGlyphs.h"

#include <gtest/gtest.h>

#include "display/SchemeTextPainter.h"

namespace parlevox {
namespace {

Glyph Large(int left, int top, int width, int height, std::vector<uint8_t> coverage) {
    Glyph glyph;
    glyph.advance = 10;
    glyph.left = left;
    glyph.top = top;
    glyph.width = width;
    glyph.height = height;
    glyph.coverage = std::move(coverage);
    return glyph;
}

TEST(SchemeFontGlyphsTest, SmoothingReducesEach3x3BlockWithTheWeights) {
    const uint8_t X = 255;
    struct Case {
        const char* description;
        std::vector<uint8_t> block;
        uint8_t expected;
    } cases[] = {
        {"all set", {X, X, X, X, X, X, X, X, X}, 255},
        {"centre only", {0, 0, 0, 0, X, 0, 0, 0, 0}, 31},
        {"corners", {X, 0, X, 0, 0, 0, X, 0, X}, 112},
        {"left column", {X, 0, 0, X, 0, 0, X, 0, 0}, 84},
        {"none", {0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        Glyph small = ReduceGlyph3x3(Large(0, 0, 3, 3, c.block));
        ASSERT_EQ(small.width * small.height, 1) << c.description;
        EXPECT_EQ(small.coverage[0], c.expected) << c.description;
        EXPECT_EQ(small.advance, 3);
    }
    // Blocks stay aligned on the pen and the line top: a map from x = -1,
    // y = 4 spans three blocks across, one down.
    Glyph offset = ReduceGlyph3x3(Large(-1, 4, 5, 2, std::vector<uint8_t>(10, X)));
    EXPECT_EQ(offset.left, -1);
    EXPECT_EQ(offset.top, 1);
    EXPECT_EQ(offset.coverage, (std::vector<uint8_t>{56, 171, 56}));
    EXPECT_TRUE(ReduceGlyph3x3(Large(0, 0, 4, 4, {1, 2})).coverage.empty()) << "short map";
}

TEST(SchemeFontGlyphsTest, FontsNeverFailAndShareTheirGlyphs) {
    struct Case {
        const char* face;
        int size;
        bool smoothing;
        bool hasWidths = true;
    } cases[] = {{"No Such Face 123", 15, false}, {"Arial", 0, false}, {"Arial", -7, true, false},
                 {"Arial", 100000, false}, {"", 12, false}};
    for (const Case& c : cases) {
        auto fonts = SchemeFontGlyphs::Get(c.face, c.size, c.smoothing);
        EXPECT_GT(fonts->LineHeight(), 0) << c.face << c.size;
        EXPECT_LT(fonts->LineHeight(), 3 * SchemeFontGlyphs::kMaxSize) << c.face << c.size;
        for (int font = 0; font < SchemeFontGlyphs::kFontCount && c.hasWidths; ++font)
            EXPECT_GT(fonts->Width(font, 'x'), 0) << c.face << c.size << " font " << font;
    }
    auto plain = SchemeFontGlyphs::Get("Arial", 15, false);
    EXPECT_EQ(SchemeFontGlyphs::Get("Arial", 15, false), plain);
    EXPECT_NE(SchemeFontGlyphs::Get("Arial", 15, true), plain);
    EXPECT_EQ(plain->Width(9, 'W'), plain->Width(0, 'W')) << "bad index reads font 0";
    EXPECT_EQ(plain->Width(2, 0x1F), 0);
    EXPECT_EQ(plain->TextWidth(1, "ab\x02"), plain->Width(1, 'a') + plain->Width(1, 'b'));
    EXPECT_GT(plain->TextWidth(SchemeFontGlyphs::kBold, "Hello world"), plain->TextWidth(0, "Hello world"));
}

TEST(SchemeFontGlyphsTest, SmoothedFontHasTheSameScaleAndGreyEdges) {
    auto plain = SchemeFontGlyphs::Get("Arial", 15, false);
    auto smooth = SchemeFontGlyphs::Get("Arial", 15, true);
    EXPECT_NEAR(smooth->LineHeight(), plain->LineHeight(), 2);
    EXPECT_NEAR(smooth->TextWidth(0, "Hello world"), plain->TextWidth(0, "Hello world"), 6);
    int grey = 0;
    for (uint8_t v : smooth->GlyphFor(0, 'O').coverage) grey += v > 0 && v < 255;
    EXPECT_GT(grey, 4);
}

TEST(SchemeTextPainterTest, BlendFormula) {
    EXPECT_EQ(SchemeTextPainter::Blend(255, 255, 0), 254);
    EXPECT_EQ(SchemeTextPainter::Blend(0, 255, 9), 9);
    EXPECT_EQ(SchemeTextPainter::Blend(128, 200, 100), 150);
}

TEST(SchemeTextPainterTest, ItalicOverhangSurvivesTheNextBackground) {
    auto fonts = SchemeFontGlyphs::Get("Arial", 30, false);
    int found = 0;
    for (int c = 'a'; c <= 'z' && !found; ++c) {  // a glyph inked past its own advance
        const Glyph& g = fonts->GlyphFor(SchemeFontGlyphs::kItalic, static_cast<unsigned char>(c));
        for (int y = 0; y < g.height && !found; ++y)
            for (int x = std::max(0, g.advance - g.left); x < g.width; ++x)
                if (g.At(x, y) > 128) found = c;
    }
    ASSERT_NE(found, 0) << "no italic glyph overhangs";
    const BgrColour white{255, 255, 255};
    CRawBitmap image = CRawBitmap::TrueColour(80, 50);
    int pen = 5;
    {
        SchemeTextPainter painter(image, *fonts);
        pen += painter.DrawPiece(pen, 2, SchemeFontGlyphs::kItalic, std::string(1, static_cast<char>(found)),
                                 {0, 0, 0}, white);
        painter.DrawPiece(pen, 2, SchemeFontGlyphs::kNormal, "  ", {0, 0, 0}, white);
    }
    int inkedPastBox = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = pen; x < image.Width(); ++x) inkedPastBox += image.PixelColour(x, y).green < 128;
    EXPECT_GT(inkedPastBox, 0);
}

TEST(SchemeTextPainterTest, DrawsOnlyInsideTheClipAndTheImage) {
    auto fonts = SchemeFontGlyphs::Get("Arial", 20, true);
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {9, 7}}) {
        CRawBitmap image = CRawBitmap::TrueColour(w, h);
        {
            SchemeTextPainter painter(image, *fonts, {2, 2, 6, 6});
            for (int x : {-30, -3, 0, 4, 8, 1 << 28})
                painter.DrawPiece(x, x / 2, SchemeFontGlyphs::kUnderlined, "W_", {0, 0, 0}, BgrColour{0, 0, 9});
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
                if (!inside) {
                    EXPECT_EQ(image.PixelColour(x, y), (BgrColour{255, 255, 255})) << x << "," << y;
                }
            }
    }
}

}  // namespace
}  // namespace parlevox
