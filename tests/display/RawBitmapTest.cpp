#include "display/RawBitmap.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "common/ByteReader.h"
#include "common/TextError.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

std::string Le32(int32_t value) {
    ByteWriter writer;
    writer.WriteI32(value);
    return writer.Take();
}

// A palette bitmap whose pixel at (x, y) is x + 10 y, with entry i = (i, 2i, 3i).
CRawBitmap NumberedPalette(int width, int height) {
    CRawBitmap bitmap = CRawBitmap::Palette(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.Row(y)[x] = static_cast<uint8_t>(x + 10 * y);
    for (size_t i = 0; i < 256; ++i)
        bitmap.SetTableColour(i, {static_cast<uint8_t>(i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(3 * i)});
    return bitmap;
}

TEST(RawBitmapTest, StrideIsPaddedToFourBytes) {
    struct Case {
        int width;
        bool trueColour;
        size_t stride;
    } cases[] = {
        {0, true, 0}, {1, true, 4}, {4, true, 12}, {5, true, 16}, {48, true, 144},
        {1, false, 4}, {4, false, 4}, {5, false, 8}, {383, false, 384}, {600, false, 600},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CRawBitmap::StrideFor(c.width, c.trueColour), c.stride)
            << c.width << (c.trueColour ? " bgr" : " 8-bit");
}

TEST(RawBitmapTest, NewTrueColourBitmapsAreWhite) {
    CRawBitmap bitmap = CRawBitmap::TrueColour(5, 3);
    EXPECT_TRUE(bitmap.IsTrueColour());
    ASSERT_EQ(bitmap.Pixels().size(), 48u);
    for (uint8_t byte : bitmap.Pixels()) ASSERT_EQ(byte, 255);

    EXPECT_TRUE(CRawBitmap::TrueColour(-1, 3).Empty());
    EXPECT_TRUE(CRawBitmap::TrueColour(40000, 1).Empty());
    EXPECT_TRUE(CRawBitmap::TrueColour(2, 2, std::vector<uint8_t>(15)).Empty()) << "fewer pixels than 2 rows of 8";
}

TEST(RawBitmapTest, CallerPixelsKeepBlueGreenRedOrder) {
    std::vector<uint8_t> pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    CRawBitmap bitmap = CRawBitmap::TrueColour(2, 2, pixels);
    EXPECT_EQ(bitmap.PixelColour(1, 0), (BgrColour{4, 5, 6}));
    EXPECT_EQ(bitmap.PixelColour(0, 1), (BgrColour{7, 8, 9}));
}

TEST(RawBitmapTest, SerialisedFormsRoundTrip) {
    CRawBitmap trueColour = CRawBitmap::TrueColour(5, 2);
    for (size_t i = 0; i < trueColour.Pixels().size(); ++i) trueColour.Pixels()[i] = static_cast<uint8_t>(i * 7);
    const CRawBitmap bitmaps[] = {trueColour, NumberedPalette(3, 4), CRawBitmap::TrueColour(0, 0),
                                  CRawBitmap::Palette(1, 1)};
    for (const CRawBitmap& original : bitmaps) {
        ByteWriter writer;
        original.WriteRawBitmap(writer);
        writer.WriteBytes("tail");
        ByteReader reader(writer.Bytes(), "enclosing file");
        CRawBitmap copy;
        copy.ReadRawBitmap(reader);
        EXPECT_EQ(reader.ReadBytes(4), "tail") << "read exactly its own bytes";
        EXPECT_EQ(copy.Width(), original.Width());
        EXPECT_EQ(copy.Height(), original.Height());
        EXPECT_EQ(copy.IsTrueColour(), original.IsTrueColour());
        EXPECT_TRUE(std::ranges::equal(copy.Pixels(), original.Pixels()));
        EXPECT_EQ(copy.Colours(), original.Colours());
    }
}

TEST(RawBitmapTest, SerialisedLayouts) {
    ByteWriter icon;
    CRawBitmap::TrueColour(48, 48).WriteRawBitmap(icon);
    EXPECT_EQ(icon.Bytes().size(), 12u + 6912u);
    EXPECT_EQ(icon.Bytes().substr(0, 12), Le32(-1) + Le32(48) + Le32(48));

    ByteWriter palette;
    NumberedPalette(3, 2).WriteRawBitmap(palette);
    const std::string& bytes = palette.Bytes();
    ASSERT_EQ(bytes.size(), 8u + 1068u + 2 * 4);
    EXPECT_EQ(bytes.substr(0, 8), Le32(3) + Le32(2));
    EXPECT_EQ(bytes.substr(8, 16), Le32(40) + Le32(3) + Le32(-2) + "\x01\x00\x08\x00"s) << "top-down header";
    EXPECT_EQ(bytes.substr(8 + 40 + 4 * 5, 4), "\x05\x0a\x0f\x00"s) << "entry 5: blue, green, red, 0";
    EXPECT_EQ(bytes.substr(8 + 1064, 4), "\0\0\0\0"s) << "unused";
    EXPECT_EQ(bytes.substr(8 + 1068), "\x00\x01\x02\x00\x0a\x0b\x0c\x00"s);
}

TEST(RawBitmapTest, DamagedRecordsRaiseTheGraphicMessage) {
    const std::string table(1068, '\0');
    struct Case {
        const char* description;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"marker only", Le32(-1)},
        {"no height", Le32(-1) + Le32(2)},
        {"rows one byte short", Le32(-1) + Le32(2) + Le32(2) + std::string(15, 'x')},
        {"palette block short", Le32(2) + Le32(2) + std::string(1067, 'x')},
        {"palette rows short", Le32(2) + Le32(2) + table + std::string(7, 'x')},
        {"negative height", Le32(-1) + Le32(2) + Le32(-2) + std::string(64, 'x')},
        {"negative width", Le32(-5) + Le32(2) + table + std::string(64, 'x')},
        {"enormous height", Le32(-1) + Le32(1) + Le32(0x7fffffff) + std::string(64, 'x')},
        {"enormous but in range", Le32(-1) + Le32(32767) + Le32(32767) + std::string(64, 'x')},
        {"width past the limit", Le32(-1) + Le32(40000) + Le32(1) + std::string(120000, 'x')},
    };
    for (const auto& c : cases) {
        CRawBitmap bitmap = NumberedPalette(2, 2);
        ByteReader reader(c.bytes, "Unexpected end of file when loading a module.");
        try {
            bitmap.ReadRawBitmap(reader);
            ADD_FAILURE() << c.description << ": no failure raised";
        } catch (const TextError& error) {
            EXPECT_STREQ(error.Text(), "Unexpected end of file when loading a graphic.") << c.description;
        }
        EXPECT_EQ(bitmap.Width(), 2) << c.description << ": the bitmap stays as it was";
        EXPECT_FALSE(bitmap.IsTrueColour()) << c.description;
        EXPECT_EQ(bitmap.Row(1)[1], 11) << c.description;
    }
}

TEST(RawBitmapTest, HatchSetsPixelsWhoseRowPlusColumnIsOdd) {
    CRawBitmap bitmap = CRawBitmap::Palette(6, 4);
    ASSERT_TRUE(bitmap.Hatch({1, 1, 5, 3}, 9));
    const char* expected[] = {"000000", "009090", "090900", "000000"};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(bitmap.Row(y)[x], expected[y][x] == '9' ? 9 : 0) << x << "," << y;
    EXPECT_TRUE(bitmap.Hatch({0, 0, 6, 4}, 1)) << "the whole bitmap is inside";
}

TEST(RawBitmapTest, HatchOutsideTheBitmapIsAnInternalError) {
    struct Case {
        const char* description;
        PixelRect rect;
        bool trueColour;
    } cases[] = {
        {"left of the bitmap", {-1, 0, 2, 2}, false}, {"past the right", {0, 0, 7, 2}, false},
        {"past the bottom", {0, 0, 2, 5}, false},     {"upside down", {3, 3, 1, 1}, false},
        {"true colour", {0, 0, 2, 2}, true},
    };
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        CRawBitmap bitmap = c.trueColour ? CRawBitmap::TrueColour(6, 4) : CRawBitmap::Palette(6, 4);
        std::vector<uint8_t> before(bitmap.Pixels().begin(), bitmap.Pixels().end());
        EXPECT_FALSE(bitmap.Hatch(c.rect, 7)) << c.description;
        EXPECT_TRUE(std::ranges::equal(bitmap.Pixels(), before)) << c.description;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.description;
        EXPECT_NE(ui.boxes[0].text.find("RawBitmap.cpp"), std::string::npos) << c.description;
    }
}

TEST(RawBitmapTest, ShadedCopiesDarkenTheFirstSixtyFourEntries) {
    CRawBitmap bitmap = CRawBitmap::Palette(1, 1);
    bitmap.SetTableColour(0, {255, 254, 0});
    bitmap.SetTableColour(63, {6, 7, 11});
    bitmap.SetTableColour(64, {1, 1, 1});
    bitmap.AddShadedColours();
    struct Case {
        size_t index;
        BgrColour colour;
    } cases[] = {
        {0, {255, 254, 0}},   {64, {212, 211, 0}}, {128, {170, 169, 0}}, {192, {127, 127, 0}},
        {127, {5, 5, 9}},     {191, {4, 4, 7}},    {255, {3, 3, 5}},
    };
    for (const auto& c : cases) EXPECT_EQ(bitmap.TableColour(c.index), c.colour) << c.index;
}

TEST(RawBitmapTest, DrawingIsClippedAndTurnsIndicesIntoColours) {
    CRawBitmap source = NumberedPalette(3, 2);
    struct Case {
        const char* description;
        int x, y;
        int targetX, targetY;  // a target pixel and the source pixel expected there (-1: untouched)
        int sourceX, sourceY;
    } cases[] = {
        {"inside", 1, 1, 3, 2, 2, 1},
        {"hanging off the left", -2, 0, 0, 1, 2, 1},
        {"hanging off the bottom right", 3, 3, 3, 3, 0, 0},
        {"past the bottom right", 4, 4, 3, 3, -1, -1},
        {"past the top left", -3, -2, 0, 0, -1, -1},
        {"at the lowest ints", INT_MIN, INT_MIN, 0, 0, -1, -1},
        {"at the highest ints", INT_MAX, INT_MAX, 3, 3, -1, -1},
    };
    for (const auto& c : cases) {
        CRawBitmap target = CRawBitmap::TrueColour(4, 4);
        source.DrawTo(target, c.x, c.y);
        BgrColour expected = c.sourceX < 0 ? BgrColour{255, 255, 255} : source.PixelColour(c.sourceX, c.sourceY);
        EXPECT_EQ(target.PixelColour(c.targetX, c.targetY), expected) << c.description;
    }
    CRawBitmap trueColourTarget = CRawBitmap::TrueColour(4, 4);
    CRawBitmap::TrueColour(2, 2, std::vector<uint8_t>(16, 9)).DrawTo(trueColourTarget, 3, 3);
    EXPECT_EQ(trueColourTarget.PixelColour(3, 3), (BgrColour{9, 9, 9}));
    EXPECT_EQ(trueColourTarget.PixelColour(2, 3), (BgrColour{255, 255, 255}));
}

}  // namespace
}  // namespace parlevox
