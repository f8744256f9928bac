// Reactions as stored: the text form both ways and texts that must be refused.
#include <gtest/gtest.h>

#include <string>

#include "irc/EventTypes.h"
#include "modules/Reaction.h"

namespace parlevox {
namespace {

CReaction Sample() {
    CReaction r;
    r.enabled = 0;
    r.owner = static_cast<int32_t>(0xDEADBEEF);
    r.action = "/msg #x hello there";
    r.eventSelector = kChannelCTCP;
    r.filterFlags = 0xF;
    r.textFilter1 = "#x";
    r.textFilter2 = "PING";
    r.senderMask = "*!*@*.example";
    r.number = -2147483647 - 1;
    return r;
}

TEST(ReactionTextTest, NewEnabledReactionBeginsWithItsFirstFourFields) {
    CReaction r;
    r.action = "Foo";
    r.owner = 0x12AB;
    EXPECT_EQ(r.ToText().rfind("1\x01" "000012ab\x01" "Foo\x01" "00000201\x01", 0), 0u) << r.ToText();
}

TEST(ReactionTextTest, RoundTripsEveryField) {
    CReaction empty;
    empty.action.clear();
    for (const CReaction& r : {Sample(), empty}) {
        ParsedReaction back = CReaction::FromText(r.ToText());
        ASSERT_TRUE(back.reaction) << back.error;
        EXPECT_EQ(*back.reaction, r);
        EXPECT_EQ(back.reaction->ToText(), r.ToText());
    }
}

TEST(ReactionTextTest, SeparatorInsideAFieldDoesNotShiftTheOthers) {
    CReaction r = Sample();
    r.action = "Fo\x01o";
    r.senderMask = "\x01";
    ParsedReaction back = CReaction::FromText(r.ToText());
    ASSERT_TRUE(back.reaction) << back.error;
    EXPECT_EQ(back.reaction->action, "Foo");
    EXPECT_EQ(back.reaction->senderMask, "");
    EXPECT_EQ(back.reaction->number, r.number);
}

struct BadText {
    const char* name;
    std::string text;
    const char* errorPart;
};

// Fields: enabled, owner, action, selector, flags, filter 1, filter 2, mask, number.
std::string Fields(const char* enabled, const char* owner, const char* selector, const char* flags,
                   const char* number) {
    return std::string(enabled) + "\x01" + owner + "\x01" + "F\x01" + selector + "\x01" + flags + "\x01\x01\x01\x01" +
           number;
}

TEST(ReactionTextTest, RefusesMalformedTexts) {
    const BadText cases[] = {
        {"empty", "", "this one has 1"},
        {"eight fields", "1\x01" "0\x01" "F\x01" "201\x01" "0\x01\x01\x01", "this one has 8"},
        {"ten fields", Fields("1", "0", "201", "0", "0") + "\x01", "this one has 10"},
        {"enabled not a number", Fields("yes", "0", "201", "0", "0"), "Field 1"},
        {"owner with 0x", Fields("1", "0x12", "201", "0", "0"), "Field 2"},
        {"owner nine digits", Fields("1", "123456789", "201", "0", "0"), "Field 2"},
        {"selector not hex", Fields("1", "0", "20g", "0", "0"), "Field 4"},
        {"selector upper-case and short", Fields("1", "0", "D01", "0", "0"), "names no event type"},
        {"flags negative", Fields("1", "0", "201", "-1", "0"), "Field 5"},
        {"number fraction", Fields("1", "0", "201", "0", "1.5"), "Field 9"},
        {"number too large", Fields("1", "0", "201", "0", "2147483648"), "Field 9"},
        {"selector zero", Fields("1", "0", "0", "0", "0"), "names no event type"},
        {"selector four levels", Fields("1", "0", "1010101", "0", "0"), "names no event type"},
    };
    for (const BadText& c : cases) {
        ParsedReaction parsed = CReaction::FromText(c.text);
        EXPECT_FALSE(parsed.reaction) << c.name;
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << c.name << ": " << parsed.error;
    }
}

}  // namespace
}  // namespace parlevox
