#include "display/LinkMarking.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace parlevox {
namespace {

constexpr int kLinkColour = 9;
constexpr int kHighlightColour = 13;

LinkMarkingSettings Settings(std::string_view highlight) {
    return {kLinkColour, kHighlightColour, LinkMarkingSettings::SplitHighlightWords(highlight)};
}

// One character per cell: L a link in the link colour (l in another), H the
// highlight colour, . anything else.
std::string Marks(const COutputBuffer& line) {
    std::string marks;
    for (const Cell& cell : line.Text()) {
        if (cell.attr & cellattr::kLink) marks += cell.Foreground() == kLinkColour ? 'L' : 'l';
        else marks += cell.Foreground() == kHighlightColour ? 'H' : '.';
    }
    return marks;
}

TEST(LinkMarkingTest, MarksLinksAndHighlightWords) {
    struct Case {
        const char* description;
        const char* text;
        const char* highlight;
        const char* marks;
    } cases[] = {
        {"a comma ends the link", "see http://abc.de/x, ok", "",
         /*                    */ "....LLLLLLLLLLLLLLL...."},
        {"a link of exactly 10 characters", "http://abc", "", "LLLLLLLLLL"},
        {"9 characters stop all marking", "http://ab www.example.com bob", "bob",
         /*                            */ "............................."},
        {"a final full stop is not part of it", "at www.abcdef.org.", "",
         /*                                  */ "...LLLLLLLLLLLLLL."},
        {"www. followed by a full stop", "www..example.com", "", "................"},
        {"www. followed by letters", "www.example.com", "", "LLLLLLLLLLLLLLL"},
        {"a semicolon ends it", "ftp://files.example;x", "", "LLLLLLLLLLLLLLLLLLL.."},
        {"telnet", "telnet://host.example", "", "LLLLLLLLLLLLLLLLLLLLL"},
        {"ends just after a later .html", "http://a.b/c d.html e", "",
         /*                            */ "LLLLLLLLLLLLLLLLLLL.."},
        {"every link of the line", "http://one.example ftp://two.example", "",
         /*                     */ "LLLLLLLLLLLLLLLLLL.LLLLLLLLLLLLLLLLL"},
        {"a highlight inside a link keeps the link colour", "http://bob.example.com bob", "bob",
         /*                                              */ "LLLLLLLLLLLLLLLLLLLLLL.HHH"},
        {"every occurrence, any case", "Bob and BOB, boB", "bob", "HHH.....HHH..HHH"},
        {"several words, empty ones ignored", "foo bar baz", ",foo,,baz,", "HHH.....HHH"},
        {"nickname-marked cells are not highlighted", "\bbob\b bob", "bob", "....HHH"},
        {"no words, no highlight", "bob", "", "..."},
        {"links inside links", "http://http://www.x.example ftp://a.b", "",
         /*                 */ "LLLLLLLLLLLLLLLLLLLLLLLLLLL.........."},
        {"a short link keeps the links marked before it", "http://abcdefg www.x bob", "bob",
         /*                                            */ "LLLLLLLLLLLLLL.........."},
        {"link starts all the way", "http://http://http://http://", "", "LLLLLLLLLLLLLLLLLLLLLLLLLLLL"},
        {"link starts up to a later .html", "http://http://http://x.html y", "",
         /*                              */ "LLLLLLLLLLLLLLLLLLLLLLLLLLL.."},
    };
    for (const auto& c : cases) {
        COutputBuffer line = ToCells(c.text);
        MarkLinksAndHighlights(line, Settings(c.highlight));
        EXPECT_EQ(Marks(line), c.marks) << c.description;
    }
}

TEST(LinkMarkingTest, KeepsTheBackgroundAndNeverMakesAControlCell) {
    COutputBuffer line = ToCells("\x03" "4,2http://abc.example \x02\x1f\bhttp://nick.example\b");
    MarkLinksAndHighlights(line, Settings(""));
    ASSERT_EQ(line.Length(), 38u);
    for (size_t i = 0; i < 18; ++i) EXPECT_EQ(line.Text()[i].colours, 0x29) << i;
    for (size_t i = 19; i < 38; ++i) {
        EXPECT_TRUE(line.Text()[i].IsText()) << i;
        EXPECT_EQ(line.Text()[i].attr, cellattr::kLink | cellattr::kBold | cellattr::kItalic) << i;
    }
}

TEST(LinkMarkingTest, ReadsColourSlotsAndHighlightWordsFromTheSettings) {
    Registry registry;
    registry.WriteProfileInt("Colours", "Colour11", 27);
    registry.WriteProfileInt("Colours", "Colour16", 13);
    registry.WriteProfileInt("Colours", "Colour10", 5);
    registry.WriteProfileString("Colours", "Highlight", "me,,My Nick");
    LinkMarkingSettings settings = LinkMarkingSettings::FromRegistry(registry);
    EXPECT_EQ(settings.linkColour, 11) << "an index of 16 colours";
    EXPECT_EQ(settings.highlightColour, 13);
    EXPECT_EQ(settings.highlightWords, (std::vector<std::string>{"me", "My Nick"}));

    EXPECT_EQ(LinkMarkingSettings::FromRegistry(Registry()), (LinkMarkingSettings{0, 0, {}}));
}

}  // namespace
}  // namespace parlevox
