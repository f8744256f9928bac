#include <gtest/gtest.h>

#include <set>

#include "platform/FontRasterizer.h"

namespace parlevox {
namespace {

TEST(FontRasterizerTest, Windows1252Mapping) {
    struct Case {
        unsigned char byte;
        char32_t unicode;
    } cases[] = {{0x41, U'A'}, {0x80, 0x20AC}, {0x81, 0}, {0x8D, 0}, {0x8F, 0}, {0x90, 0}, {0x9D, 0},
                 {0x85, 0x2026}, {0x9F, 0x0178}, {0xA0, 0xA0}, {0xE9, 0xE9}, {0xFF, 0xFF}};
    for (const Case& c : cases) EXPECT_EQ(Windows1252ToUnicode(c.byte), c.unicode) << int(c.byte);
}

TEST(FontRasterizerTest, WindowsFaceNamesMapToInstalledOnes) {
    EXPECT_EQ(MapFaceName("arial"), "Liberation Sans");
    EXPECT_EQ(MapFaceName("Fixedsys"), "monospace");
    EXPECT_EQ(MapFaceName("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(MapFaceName("DejaVu Serif"), "DejaVu Serif");
    EXPECT_EQ(MapFaceName(""), "sans-serif");
}

TEST(FontRasterizerTest, GlyphsHaveWidthsAndCoverageOnlyFromSpaceUp) {
    auto font = RasterFont::Create({"Arial", 15});
    ASSERT_FALSE(font->FilePath().empty()) << "no font found through fontconfig";
    EXPECT_GT(font->Height(), 10);
    EXPECT_LE(font->Height(), 25);
    for (int c = 0; c < 32; ++c) EXPECT_EQ(font->GlyphFor(static_cast<unsigned char>(c)).advance, 0);
    const Glyph& a = font->GlyphFor('A');
    EXPECT_GT(a.advance, 0);
    ASSERT_GT(a.width * a.height, 0);
    EXPECT_EQ(a.coverage.size(), static_cast<size_t>(a.width * a.height));
    EXPECT_GE(a.top, 0);
    EXPECT_LE(a.top + a.height, font->Height() + 1);
    EXPECT_TRUE(font->GlyphFor(' ').coverage.empty() || font->GlyphFor(' ').width == 0);
    EXPECT_GT(font->GlyphFor('W').advance, font->GlyphFor('i').advance);  // proportional
    EXPECT_GT(font->GlyphFor(0x80).advance, 0);                           // the euro sign exists
    EXPECT_EQ(font->TextWidth("Wi"), font->GlyphFor('W').advance + font->GlyphFor('i').advance);
    EXPECT_EQ(font->TextWidth("\x02\x03"), 0);
}

TEST(FontRasterizerTest, FixedsysIsMonospaced) {
    auto font = RasterFont::Create({"Fixedsys", 12});
    std::set<int> advances;
    for (int c = 32; c < 127; ++c) advances.insert(font->GlyphFor(static_cast<unsigned char>(c)).advance);
    EXPECT_EQ(advances.size(), 1u);
}

TEST(FontRasterizerTest, MonochromeCoverageIsBlackOrWhite) {
    FontSpec spec{"Arial", 45};
    spec.monochrome = true;
    auto font = RasterFont::Create(spec);
    int inked = 0;
    for (uint8_t value : font->GlyphFor('g').coverage) {
        EXPECT_TRUE(value == 0 || value == 255);
        inked += value == 255;
    }
    EXPECT_GT(inked, 20);
}

TEST(FontRasterizerTest, StylesChangeTheGlyphs) {
    auto normal = RasterFont::Create({"Arial", 20});
    FontSpec boldSpec{"Arial", 20};
    boldSpec.bold = true;
    auto bold = RasterFont::Create(boldSpec);
    EXPECT_GT(bold->TextWidth("Hello world"), normal->TextWidth("Hello world"));

    FontSpec underlined{"Arial", 20};
    underlined.underline = true;
    auto under = RasterFont::Create(underlined);
    const Glyph& space = under->GlyphFor(' ');
    ASSERT_GT(space.width * space.height, 0) << "the underline runs under a space too";
    int inked = 0;
    for (uint8_t v : space.coverage) inked += v == 255;
    EXPECT_GE(inked, space.advance);
}

TEST(FontRasterizerTest, MissingFacesAndOddSizesStillGiveAFont) {
    for (FontSpec spec : {FontSpec{"No Such Face 123", 15}, FontSpec{"Arial", 0}, FontSpec{"Arial", -4},
                          FontSpec{"Arial", 100000}}) {
        auto font = RasterFont::Create(spec);
        ASSERT_NE(font, nullptr);
        EXPECT_GT(font->GlyphFor('x').advance, 0) << spec.face << " " << spec.pixelSize;
        EXPECT_GE(font->Spec().pixelSize, 1);
        EXPECT_LE(font->Spec().pixelSize, 512);
    }
}

}  // namespace
}  // namespace parlevox
