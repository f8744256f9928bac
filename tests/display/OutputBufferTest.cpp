#include "display/OutputBuffer.h"

#include <random>
#include <string>

#include <fmt/format.h>
#include <gtest/gtest.h>

namespace parlevox {
namespace {

using namespace std::string_literals;

// "a/10/24": character, attributes and colours of each cell; characters
// below 32 as "<01>".
std::string Describe(const COutputBuffer& line) {
    std::string text;
    for (const Cell& cell : line.Text()) {
        if (!text.empty()) text += ' ';
        text += cell.ch < 32 ? fmt::format("<{:02x}>", cell.ch) : std::string(1, static_cast<char>(cell.ch));
        text += fmt::format("/{:02x}/{:02x}", cell.attr, cell.colours);
    }
    return text;
}

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(OutputBufferTest, ControlBytesBecomeAttributesAndColours) {
    struct Case {
        const char* description;
        std::string text;
        const char* cells;
    } cases[] = {
        {"foreground and background", "a\x03" "4,2b", "a/00/01 b/00/24"},
        {"two digits", "\x03" "12x", "x/00/0c"},
        {"three digits keep the low nibble", "\x03" "123x", "x/00/0b"},
        {"no digit: the code is skipped", "\x03" "x", "x/00/01"},
        {"equal colours lose the background", "\x03" "5,5x", "x/00/05"},
        {"black on black becomes black on colour 1", "\x03" "0,0x", "x/00/10"},
        {"black on no background likewise", "\x03" "0x", "x/00/10"},
        {"a foreground alone keeps the background", "\x03" "4,2a\x03" "6b", "a/00/24 b/00/26"},
        {"a foreground equal to the kept background", "\x03" "4,2a\x03" "2b", "a/00/24 b/00/02"},
        {"comma without a digit is text", "\x03" "4,x", ",/00/04 x/00/04"},
        {"comma at the end is text", "\x03" "4,", ",/00/04"},
        {"indices above 15 wrap", "\x03" "17,18x", "x/00/21"},
        {"bold toggles", "\x02" "a\x02" "b", "a/10/01 b/00/01"},
        {"italic, reverse and nickname mark", "\x1f\x16\x08" "a", "a/a8/01"},
        {"plain resets everything", "\x02\x1f\x03" "9,3a\x0f" "b", "a/30/39 b/00/01"},
        {"a zero byte ends the text", "ab\0cd"s, "a/00/01 b/00/01"},
        {"other control bytes are text", "\x01\x07\x1a", "<01>/00/01 <07>/00/01 <1a>/00/01"},
        {"fifty digits wrap", "\x03" + std::string(50, '1') + "x", "x/00/07"},
        {"fifty background digits wrap", "\x03" "3," + std::string(50, '9') + "x", "x/00/f3"},
        {"a code at the very end", "a\x03", "a/00/01"},
        {"5,000 colour codes in a row", Repeat("\x03" "12,3", 5000) + "x", "x/00/3c"},
        {"only control bytes", Repeat("\x02\x03\x0f\x16\x1f\x08", 1000), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(ToCells(c.text)), c.cells) << c.description;
}

TEST(OutputBufferTest, TrailingSpacesAreNotPartOfTheStoredLength) {
    struct Case {
        const char* text;
        size_t length;
    } cases[] = {{"ab  ", 2}, {"   ", 0}, {"\x16 \x16", 0}, {"a b", 3}, {"", 0}, {" a", 2}};
    for (const auto& c : cases) EXPECT_EQ(ToCells(c.text).TrimmedLength(), c.length) << '"' << c.text << '"';
}

TEST(OutputBufferTest, FontFollowsBoldItalicThenLink) {
    struct Case {
        uint8_t attributes;
        int font;
    } cases[] = {
        {0x00, kFontNormal},     {0x10, kFontBold},       {0x20, kFontItalic}, {0x30, kFontBoldItalic},
        {0x40, kFontUnderlined}, {0x50, kFontBold},       {0x60, kFontItalic}, {0x70, kFontBoldItalic},
        {0x08, kFontNormal},     {0x80, kFontNormal},     {0xC8, kFontUnderlined},
    };
    for (const auto& c : cases) EXPECT_EQ(FontIndexFor(c.attributes), c.font) << std::hex << int(c.attributes);
}

TEST(OutputBufferTest, LongRandomLinesKeepNoConsumedControlByte) {
    std::mt19937 random(5);
    std::string text(100000, ' ');
    for (char& c : text) {
        c = static_cast<char>(random() % 40 == 0 ? "\x02\x03\x0f\x16\x1f\x08,7"[random() % 8] : random());
        if (c == 0) c = 'z';  // a zero byte would end the line
    }
    COutputBuffer line = ToCells(text);
    EXPECT_GT(line.Length(), 80000u);
    EXPECT_LT(line.Length(), text.size());
    for (const Cell& cell : line.Text()) {
        ASSERT_TRUE(cell.IsText());
        ASSERT_EQ(std::string_view("\x02\x03\x0f\x16\x1f\x08").find(static_cast<char>(cell.ch)), std::string_view::npos);
        ASSERT_NE(cell.ch, 0);
    }
}

}  // namespace
}  // namespace parlevox
