#include "display/OutputRings.h"

#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

// Every character 10 pixels wide, 12 in bold; control characters none.
class FixedWidths final : public CellWidths {
public:
    int Width(int font, unsigned char ch) const override {
        if (ch < 32) return 0;
        return font == kFontBold ? 12 : 10;
    }
};

const FixedWidths kWidths;

OutputRings& Wrapped(OutputRings& rings, WrapLayout layout) {
    rings.SetWrap(kWidths, layout);
    return rings;
}

std::string TextOf(const OutputRings& rings, int64_t number) {
    std::string text;
    const auto line = rings.Line(number);
    for (size_t i = 0; line && i < line->cells; ++i) text += static_cast<char>(rings.At(static_cast<RingIndex>(line->start + i)).ch);
    return text;
}

std::vector<std::string> DisplayLines(const OutputRings& rings) {
    std::vector<std::string> lines;
    for (int64_t n = rings.DroppedLines(); n < rings.DroppedLines() + rings.StoredLines(); ++n) lines.push_back(TextOf(rings, n));
    return lines;
}

std::string AllText(const OutputRings& rings) {
    std::string text(2 * OutputRings::kCells, '\0');
    text.resize(rings.GetAllText(text.data(), text.size()));
    return text;
}

RingIndex AtOrder(const OutputRings& rings, size_t order) {
    return static_cast<RingIndex>(rings.Line(rings.DroppedLines())->start + order);
}

TEST(OutputRingsTest, WrapsAtTheLastSpaceOrAfterTheOverflowingCharacter) {
    struct Case {
        const char* description;
        const char* text;
        WrapLayout layout;
        std::vector<std::string> lines;
    } cases[] = {
        {"no space: after the character that reached the width", "abcdefghijklmnop", {50, 0, 0},
         {"abcde", "fghij", "klmno", "p"}},
        {"a line that fits exactly makes no empty line", "abcde", {50, 0, 0}, {"abcde"}},
        {"after the last space", "aaa bbb ccc", {60, 0, 0}, {"aaa ", "bbb ", "ccc"}},
        {"the space itself reaches the width", "abcd efgh", {50, 0, 0}, {"abcd ", "efgh"}},
        {"continuation lines are indented", "abcdefghij", {50, 0, 20}, {"abcde", "fgh", "ij"}},
        {"the first line is indented", "abcdefghijkl", {50, 20, 0}, {"abcde", "fghijkl"}},
        {"bold cells are measured in bold", "\x02" "abcde\x02" "fg", {48, 0, 0}, {"abcd", "efg"}},
        {"no width at all", "abc", {0, 0, 0}, {"a", "b", "c"}},
        {"trailing spaces are dropped", "ab   ", {50, 0, 0}, {"ab"}},
        {"a line of only spaces is an empty line", "    ", {50, 0, 0}, {""}},
    };
    for (const auto& c : cases) {
        OutputRings rings;
        Wrapped(rings, c.layout).AddLine(ToCells(c.text));
        EXPECT_EQ(DisplayLines(rings), c.lines) << c.description;
    }
}

TEST(OutputRingsTest, ContinuationLinesStartAtTheirIndent) {
    OutputRings rings;
    Wrapped(rings, {50, 5, 25}).AddLine(ToCells("abcdefghij"));
    rings.AddLine(ToCells("k"));
    std::vector<int> indents;
    for (int64_t n = 0; n < rings.StoredLines(); ++n) indents.push_back(rings.Line(n)->indent);
    EXPECT_EQ(indents, (std::vector<int>{5, 25, 25, 5}));
}

TEST(OutputRingsTest, NewLayoutRewrapsTheStoredText) {
    OutputRings rings;
    Wrapped(rings, {1000, 0, 0}).AddLine(ToCells("aaa bbb ccc"));
    rings.AddLine(ToCells("ddd"));
    EXPECT_EQ(DisplayLines(rings), (std::vector<std::string>{"aaa bbb ccc", "ddd"}));
    EXPECT_TRUE(rings.SetWrap(kWidths, {60, 0, 0}));
    EXPECT_EQ(DisplayLines(rings), (std::vector<std::string>{"aaa ", "bbb ", "ccc", "ddd"}));
    EXPECT_FALSE(rings.SetWrap(kWidths, {60, 0, 0})) << "nothing changed";
    EXPECT_TRUE(rings.SetWrap(kWidths, {1000, 0, 0}));
    EXPECT_EQ(DisplayLines(rings), (std::vector<std::string>{"aaa bbb ccc", "ddd"}));
    EXPECT_EQ(AllText(rings), "aaa bbb ccc\r\nddd\r\n");
}

TEST(OutputRingsTest, FullLineStartRingDropsOneLineAtATime) {
    OutputRings rings;
    const int total = static_cast<int>(OutputRings::kLineStarts) + 3;
    auto text = [](int i) { return std::string(1, static_cast<char>('a' + i % 26)); };  // 2 cells a line
    for (int i = 0; i < total; ++i) {
        rings.AddLine(ToCells(text(i)));
        ASSERT_EQ(rings.DroppedLines(), std::max(0, i + 1 - static_cast<int>(OutputRings::kLineStarts))) << i;
    }
    EXPECT_EQ(rings.StoredLines(), static_cast<int64_t>(OutputRings::kLineStarts));
    EXPECT_EQ(TextOf(rings, rings.DroppedLines()), text(3));
    EXPECT_EQ(TextOf(rings, rings.DroppedLines() + rings.StoredLines() - 1), text(total - 1));
}

TEST(OutputRingsTest, FullCellRingDropsATwentiethOfTheLines) {
    OutputRings rings;  // no wrapping: 100 cells a line with the end cell
    int drops = 0;
    for (int i = 0; i < 2000; ++i) {
        const int64_t storedBefore = rings.StoredLines();
        const int64_t droppedBefore = rings.DroppedLines();
        rings.AddLine(ToCells(std::to_string(100000 + i) + std::string(93, 'x')));
        const int64_t droppedNow = rings.DroppedLines() - droppedBefore;
        if (droppedNow == 0) continue;
        ++drops;
        EXPECT_GT((storedBefore + 1) * 100, static_cast<int64_t>(OutputRings::kCells) - 1) << "only when full; line " << i;
        EXPECT_EQ(droppedNow, (storedBefore + 1) / 20) << "a twentieth of the lines, counting the new one; line " << i;
        EXPECT_EQ(TextOf(rings, rings.DroppedLines()).substr(0, 6), std::to_string(100000 + rings.DroppedLines()));
        EXPECT_EQ(rings.StoredCells(), static_cast<size_t>(rings.StoredLines()) * 100);
    }
    EXPECT_GT(drops, 10);
}

TEST(OutputRingsTest, GetAllTextStopsOnceSizeMinusTwoBytesAreWritten) {
    struct Case {
        size_t size;
        const char* text;
    } cases[] = {{0, ""}, {1, ""}, {2, ""}, {3, "a"}, {4, "ab"}, {5, "ab\r\n"}, {6, "ab\r\n"},
                 {7, "ab\r\nc"}, {8, "ab\r\ncd"}, {9, "ab\r\ncd\r\n"}, {100, "ab\r\ncd\r\n"}};
    OutputRings rings;
    rings.AddLine(ToCells("ab"));
    rings.AddLine(ToCells("\x02" "cd  "));
    for (const auto& c : cases) {
        std::vector<char> buffer(c.size);  // exactly the size, so an overrun is caught
        size_t length = rings.GetAllText(buffer.data(), buffer.size());
        EXPECT_EQ(std::string(buffer.data(), length), c.text) << "size " << c.size;
    }
}

// Three lines, indent 5, 10 pixels a character; ring order:
// "hello world" 0-10, end 11; "" end 12; "second" 13-18, end 19.
class OutputRingsHitTest : public testing::Test {
protected:
    void SetUp() override {
        Wrapped(rings_, {1000, 5, 15});
        for (const char* text : {"hello world", "", "second"}) rings_.AddLine(ToCells(text));
    }
    // Ring order of the answer, -1 for none.
    int Order(std::optional<RingIndex> index) const { return index ? static_cast<int>(rings_.OrderOf(*index)) : -1; }

    OutputRings rings_;
};

TEST_F(OutputRingsHitTest, FindsTheCharacterUnderAPoint) {
    struct Case {
        int64_t line;
        int x;
        int exact, selectionStart, atOrLeft;
    } cases[] = {
        {0, 4, -1, -1, -1},     // before the line's start, nothing above
        {0, 5, 0, 0, 0},        {0, 14, 0, 0, 0},    {0, 15, 1, 1, 1},
        {0, 114, 10, 10, 10},   {0, 115, -1, 11, 10},  // right of the last character
        {1, 50, -1, 12, 10},    // the empty line: its end; leftwards into the line above
        {2, 5, 13, 13, 13},     {2, 2, -1, -1, 10},    {2, 200, -1, 19, 18},
        {3, 5, -1, -1, 18},     // below the last line
        {-1, 5, -1, -1, -1},
        {0, std::numeric_limits<int>::max(), -1, 11, 10},
        {0, std::numeric_limits<int>::min(), -1, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Order(rings_.CharacterAt(c.line, c.x)), c.exact) << c.line << ", " << c.x;
        EXPECT_EQ(Order(rings_.SelectionStartAt(c.line, c.x)), c.selectionStart) << c.line << ", " << c.x;
        EXPECT_EQ(Order(rings_.CharacterAtOrLeftOf(c.line, c.x)), c.atOrLeft) << c.line << ", " << c.x;
    }
    EXPECT_EQ(rings_.LineContaining(AtOrder(rings_, 12)), 1);
    EXPECT_EQ(rings_.LineContaining(AtOrder(rings_, 19)), 2);
}

TEST_F(OutputRingsHitTest, SelectionCopiesBothEndsWithLineEnds) {
    struct Case {
        size_t from, to;
        const char* text;
    } cases[] = {
        {6, 15, "world\r\n\r\nsec"}, {15, 6, "world\r\n\r\nsec"}, {1, 1, "e"},
        {11, 11, "\r\n"},            {0, 19, "hello world\r\n\r\nsecond\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rings_.SelectionText(AtOrder(rings_, c.from), AtOrder(rings_, c.to)), c.text) << c.from << "-" << c.to;
    EXPECT_EQ(rings_.SelectionText(AtOrder(rings_, 0), AtOrder(rings_, 20)), "") << "past the stored text";
}

TEST(OutputRingsTest, CollectsLinkAndNicknameRunsAcrossWraps) {
    OutputRings rings;
    const std::string link = "http://example.com/" + std::string(600, 'p');
    COutputBuffer line = ToCells("<\bnick\b> see " + link + " ok");
    const size_t linkStart = 11;  // "<nick> see "
    for (size_t i = linkStart; i < linkStart + link.size(); ++i) line.Text()[i].attr |= cellattr::kLink;
    Wrapped(rings, {200, 0, 0}).AddLine(line);
    rings.AddLine(ToCells("<\b" + std::string(120, 'n') + "\b>"));
    ASSERT_GT(rings.StoredLines(), 30);

    EXPECT_EQ(rings.LinkAt(AtOrder(rings, 400)), link.substr(0, 511)) << "from the run's start, at most 511";
    EXPECT_EQ(rings.LinkAt(AtOrder(rings, linkStart - 1)), "");
    EXPECT_EQ(rings.NicknameAt(AtOrder(rings, 3)), "nick");
    EXPECT_EQ(rings.NicknameAt(AtOrder(rings, 0)), "");
    const size_t second = linkStart + link.size() + 3 + 1;  // " ok" and the end cell
    EXPECT_EQ(rings.NicknameAt(AtOrder(rings, second + 50)), std::string(99, 'n'));
}

TEST(OutputRingsTest, LineLongerThanTheRingKeepsItsEnd) {
    std::string text(100000, 'w');
    for (size_t i = 0; i < text.size(); i += 7) text[i] = ' ';
    text += "END";
    OutputRings rings;
    Wrapped(rings, {1280, 0, 0}).AddLine(ToCells("before"));
    rings.AddLine(ToCells(text));
    const std::string all = AllText(rings);
    ASSERT_GT(all.size(), 50000u);
    EXPECT_EQ(text.substr(text.size() - (all.size() - 2)) + "\r\n", all) << "the tail of the long line";
    EXPECT_LT(rings.StoredCells(), OutputRings::kCells);
}

TEST(OutputRingsTest, UnwrappedLineLongerThanTheRingIsCut) {
    OutputRings rings;
    rings.AddLine(ToCells("before"));
    rings.AddLine(ToCells(std::string(100000, 'u')));
    EXPECT_EQ(rings.StoredLines(), 1);
    EXPECT_EQ(AllText(rings), std::string(OutputRings::kCells - 2, 'u') + "\r\n");
    rings.AddLine(ToCells("after"));
    EXPECT_EQ(DisplayLines(rings).back(), "after");
}

TEST(OutputRingsTest, NoWidthSpreadsALongLineOverAllLineStarts) {
    OutputRings rings;
    Wrapped(rings, {0, 0, 0}).AddLine(ToCells(std::string(100000, 'z')));
    EXPECT_EQ(rings.StoredLines(), static_cast<int64_t>(OutputRings::kLineStarts));
    EXPECT_EQ(rings.DroppedLines(), 100000 - static_cast<int64_t>(OutputRings::kLineStarts));
    EXPECT_EQ(TextOf(rings, rings.DroppedLines()), "z");
}

TEST(OutputRingsTest, RandomLinesAndLayoutsKeepTheRingsConsistent) {
    std::mt19937 random(11);
    OutputRings rings;
    for (int round = 0; round < 300; ++round) {
        if (round % 25 == 0)
            rings.SetWrap(kWidths, {static_cast<int>(random() % 1500) - 100, static_cast<int>(random() % 60),
                                    static_cast<int>(random() % 300)});
        std::string text(random() % (round % 50 == 0 ? 70000 : 3000), ' ');
        for (char& c : text) c = static_cast<char>(random() % 3 == 0 ? ' ' : random());
        rings.AddLine(ToCells(text));

        size_t cells = 0;
        for (int64_t n = rings.DroppedLines(); n < rings.DroppedLines() + rings.StoredLines(); ++n) {
            const auto line = rings.Line(n);
            ASSERT_TRUE(line);
            ASSERT_EQ(rings.LineContaining(line->start), n);
            cells += line->cells + (line->endsLine ? 1 : 0);
        }
        ASSERT_EQ(cells, rings.StoredCells()) << round;
        ASSERT_LT(rings.StoredCells(), OutputRings::kCells);
        ASSERT_LE(rings.StoredLines(), static_cast<int64_t>(OutputRings::kLineStarts));
    }
}

TEST(OutputRingsTest, ClearEmptiesBothRings) {
    OutputRings rings;
    for (int i = 0; i < 20000; ++i) rings.AddLine(ToCells("line"));
    rings.Clear();
    EXPECT_EQ(rings.StoredLines(), 0);
    EXPECT_EQ(rings.DroppedLines(), 0);
    EXPECT_EQ(AllText(rings), "");
    EXPECT_FALSE(rings.Line(0));
    EXPECT_FALSE(rings.CharacterAtOrLeftOf(0, 0));
}

}  // namespace
}  // namespace parlevox
