#include "display/NetSplitCollector.h"

#include <gtest/gtest.h>

namespace parlevox {
namespace {

const std::string kSplitLine = "\x03" "9! Split between servers";
std::string Nicks(const std::string& nicks) { return "\x03" "9# Split: " + nicks; }

ColourCodes Colours() {
    std::array<int, ColourCodes::kSlots> values {};
    for (int slot = 0; slot < ColourCodes::kSlots; ++slot) values[static_cast<size_t>(slot)] = slot;
    return ColourCodes(values);
}

TEST(NetSplitCollectorTest, SplitReasonsNameTwoServersWithEqualDots) {
    const struct {
        const char* reason;
        bool split;
    } cases[] = {
        {"irc.a.net irc.b.net", true},   {"a.b.c.d w.x.y.z", true},  {"a.net b.net", false},
        {"irc.a.net irc.b.c.net", false}, {"irc.a.net  irc.b.net", false}, {"irc.a.net irc.b.net x", false},
        {"Quit: a.b.c d.e.f", false},    {"", false},                 {"irc.a.net", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NetSplitCollector::IsSplitReason(c.reason), c.split) << c.reason;
}

TEST(NetSplitCollectorTest, QuitsWithinThreeSecondsMakeOneLineThreeSecondsAfterTheLast) {
    const ColourCodes colours = Colours();
    NetSplitCollector splits(colours);
    auto first = splits.Quit("ann", "irc.a.net irc.b.net", 1000);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, std::vector<std::string>{kSplitLine});
    EXPECT_EQ(splits.NextDueMs(), 4000u);
    auto second = splits.Quit("bob", "irc.a.net irc.b.net", 3500);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->empty());
    EXPECT_EQ(splits.NextDueMs(), 6500u);
    EXPECT_TRUE(splits.Tick(6499).empty());
    EXPECT_EQ(splits.Tick(6500), std::vector<std::string>{Nicks("ann bob")});
    EXPECT_FALSE(splits.Collecting());
    EXPECT_FALSE(splits.Quit("cat", "bye bye", 6600)) << "an ordinary quit";
}

TEST(NetSplitCollectorTest, TheSamePairIsAnnouncedAgainOnlyAfterSixtySeconds) {
    const ColourCodes colours = Colours();
    NetSplitCollector splits(colours);
    splits.Quit("ann", "irc.a.net irc.b.net", 0);
    splits.Tick(3000);
    EXPECT_EQ(splits.NextDueMs(), 63000u);
    // Within the minute: collected again, but not announced.
    EXPECT_TRUE(splits.Quit("bob", "irc.a.net irc.b.net", 10000)->empty());
    EXPECT_EQ(splits.Tick(13000), std::vector<std::string>{Nicks("bob")});
    // Another pair is news at once.
    EXPECT_EQ(*splits.Quit("cat", "irc.c.net irc.d.net", 14000), std::vector<std::string>{kSplitLine});
    splits.Tick(17000);
    EXPECT_TRUE(splits.Tick(76999).empty());
    EXPECT_EQ(splits.NextDueMs(), 77000u);
    splits.Tick(77000);
    EXPECT_FALSE(splits.NextDueMs());
    EXPECT_EQ(*splits.Quit("dan", "irc.c.net irc.d.net", 80000), std::vector<std::string>{kSplitLine});
}

}  // namespace
}  // namespace parlevox
