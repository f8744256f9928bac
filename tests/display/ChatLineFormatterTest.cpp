#include "display/ChatLineFormatter.h"

#include <gtest/gtest.h>

#include <string>

#include "irc/EventTypes.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

// Slot n holds colour 20 + n, so a piece in the wrong slot shows.
ColourCodes TestColours() {
    std::array<int, ColourCodes::kSlots> values {};
    for (int slot = 0; slot < ColourCodes::kSlots; ++slot) values[static_cast<size_t>(slot)] = 20 + slot;
    return ColourCodes(values);
}

std::string C(int slot) {
    return "\x03" + std::to_string(20 + slot);
}

const std::string kTime = Clock::FormatLocal("%H:%M on %A %d %B %Y", 1700000000);

struct FormatCase {
    const char* name;
    std::string actual;
    std::string expected;
};

TEST(ChatLineFormatterTest, EveryLineHasItsColoursMarksAndTextByteForByte) {
    const ColourCodes colours = TestColours();
    const ChatLineFormatter f(colours, "Me");
    const AddressRecord bob{"bob", "bu", "bh.example"};
    const FormatCase cases[] = {
        {"opened", f.ChannelOpened("#c", "1700000000"), C(13) + "- Channel #c opened at " + kTime},
        {"topic set by", f.TopicSetBy("ann", "1700000000"),
         C(13) + "- Topic set by " + C(5) + "\bann\b" + C(13) + " at " + kTime},
        {"join", f.Join(bob), C(2) + "# Joins: " + C(5) + "\bbob\b" + C(0) + " (bu@bh.example)"},
        {"nick", f.NickChange("bob", "rob"), C(6) + "# " + C(5) + "\bbob\b" + C(6) + " changes nick to " + C(5) + "\brob"},
        {"disconnected", f.Disconnected(), C(13) + "- Disconnected from server"},
        {"part reason", f.Part(bob, "bye now"),
         C(3) + "# Parts: " + C(5) + "\bbob\b" + C(0) + " (bu@bh.example) (bye now)"},
        {"part", f.Part(bob, ""), C(3) + "# Parts: " + C(5) + "\bbob\b" + C(0) + " (bu@bh.example)"},
        {"quit", f.Quit("bob", "gone"), C(4) + "# Quits: " + C(5) + "\bbob\b" + C(0) + " (gone)"},
        {"kick reason", f.Kick("bob", "op", "spam"),
         C(4) + "# Kicked: " + C(5) + "\bbob\b" + C(0) + " (by " + C(5) + "\bop\b" + C(0) + ": spam)"},
        {"kick reason is kicker", f.Kick("bob", "op", "op"),
         C(4) + "# Kicked: " + C(5) + "\bbob\b" + C(0) + " (by " + C(5) + "\bop\b" + C(0) + ")"},
        {"mode", f.Mode("op", "+ov", {"bob", "ann"}),
         C(8) + "# " + C(5) + "\bop\b" + C(8) + " changes mode: +ov bob ann"},
        {"topic", f.TopicChange("op", "news"),
         C(7) + "# " + C(5) + "\bop\b" + C(7) + " sets topic to: " + C(0) + "news"},
        {"topic on join", f.TopicOnJoin("news"), C(7) + "# Channel topic: " + C(0) + "news"},
        {"message", f.Message("bob", "hi"), C(0) + "<" + C(5) + "\bbob\b" + C(0) + "> hi"},
        {"own message", f.Message("ME", "hi"), C(11) + "<" + C(5) + "\bME\b" + C(11) + "> hi"},
        {"channel notice", f.ChannelNotice("bob", "+c", "note"),
         C(0) + "-" + C(5) + "\bbob\b" + C(0) + "(+)- " + C(1) + "note"},
        {"private notice", f.PrivateNotice("bob", "note"),
         C(0) + "-" + C(5) + "\bbob\b" + C(0) + "- " + C(1) + "note"},
        {"action", f.Action("bob", "waves"), C(0) + "* " + C(5) + "\bbob\b" + C(0) + " waves"},
        {"action 's", f.Action("Me", "'s off"), C(11) + "* " + C(5) + "\bMe\b" + C(11) + "'s off"},
        {"action ,", f.Action("bob", ", too"), C(0) + "* " + C(5) + "\bbob\b" + C(0) + ", too"},
        {"sound", f.Sound("bob", SplitSoundRequest("ding.wav")),
         C(0) + "- " + C(5) + "\bbob\b" + C(0) + " plays ding.wav"},
        {"sound with text", f.Sound("Me", SplitSoundRequest("ding.wav rings")),
         C(11) + "* " + C(5) + "\bMe\b" + C(11) + " rings"},
        {"invalid", ChatLineFormatter::Invalid(kChannelName, ":s NAME #c x"),
         "Invalid message [2/5/0/0] Fulltext[:s NAME #c x]"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(ChatLineFormatterTest, HostileTextIsCarriedNotInterpreted) {
    const ColourCodes colours = TestColours();
    const ChatLineFormatter f(colours, "");
    // Format directives in peer text stay text; no own nick means nothing is own.
    EXPECT_EQ(f.Message("%s%n", "%s %x"), C(0) + "<" + C(5) + "\b%s%n\b" + C(0) + "> %s %x");
    EXPECT_EQ(f.ChannelNotice("bob", "", "x"), C(0) + "-" + C(5) + "\bbob\b" + C(0) + "(?)- " + C(1) + "x");
    // An empty action still gets its space; times that are no number or
    // out of range show the start of the count.
    EXPECT_EQ(f.Action("bob", ""), C(0) + "* " + C(5) + "\bbob\b" + C(0) + " ");
    const std::string start = Clock::FormatLocal("%H:%M on %A %d %B %Y", 0);
    for (const char* seconds : {"", "abc", "-5", "99999999999999999999", "1e9"})
        EXPECT_EQ(ChatLineFormatter::EventTime(seconds), start) << seconds;
    const std::string huge(100000, 'x');
    EXPECT_NE(f.Message("bob", huge).find(huge), std::string::npos);
}

TEST(ChatLineFormatterTest, SoundRequestsSplitAtTheFirstSpace) {
    const struct {
        const char* argument;
        const char* file;
        const char* text;
    } cases[] = {{"a.wav", "a.wav", ""}, {"a.wav hello there", "a.wav", "hello there"}, {"", "", ""}, {" x", "", "x"}};
    for (const auto& c : cases) {
        const SoundRequest request = SplitSoundRequest(c.argument);
        EXPECT_EQ(request.file, c.file) << c.argument;
        EXPECT_EQ(request.text, c.text) << c.argument;
    }
}

}  // namespace
}  // namespace parlevox
