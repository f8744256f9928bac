// Automatic CTCP answers, the NOTICE that carries them, the PING round
// trip, and the budget shared by all senders.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "irc/CTCPReplyBudget.h"
#include "irc/CTCPResponse.h"
#include "support/ScopedEnvironment.h"

namespace parlevox::test {
namespace {

// Sunday 7 July 2024, 14:03:09.
std::tm SummerSunday() {
    std::tm t {};
    t.tm_year = 124, t.tm_mon = 6, t.tm_mday = 7, t.tm_wday = 0, t.tm_hour = 14, t.tm_min = 3, t.tm_sec = 9;
    return t;
}

TEST(CTCPResponseTest, AnswersByTypeInAnyCase) {
    const CTCPSettings settings {"Jo %s Bloggs", "33", "f"};
    const std::optional<LocalTimeReading> time = LocalTimeReading {SummerSunday(), 3600};
    struct Case { const char* type; std::string argument; std::optional<std::string> expected; } cases[] = {
        {"PING", std::string(40, 'x') + "y", std::string(16, 'x')},
        {"ping", "1720360989", "1720360989"},
        {"PING", std::string(30, '9'), std::string(16, '9')},
        {"Version", std::string(10000, 'a'), "Parlevox 1.5, registered (Linux)"},
        {"USERINFO", "", "(Real name:Jo %s Bloggs Age:33 Sex:f)"},
        {"clientinfo", "", "PING TIME VERSION USERINFO CLIENTINFO"},
        {"TIME", "", "Sun, 07 Jul 24 14:03:09 +0100"},
        {"", "", std::nullopt},
        {"ACTION", "waves", std::nullopt}, {"DCC", "SEND a 1 2 3", std::nullopt},
        {"BVUSERINFO", "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutomaticReply(c.type, c.argument, settings, time), c.expected) << c.type;
    EXPECT_EQ(AutomaticReply("TIME", "", settings, std::nullopt), std::nullopt);
}

TEST(CTCPResponseTest, TheZoneIsWrittenForEveryQuarterHourOffset) {
    EXPECT_EQ(TimeReplyText(SummerSunday(), -1800), "Sun, 07 Jul 24 14:03:09 -0030");
    for (long quarters = -12 * 4; quarters <= 14 * 4; ++quarters) {
        std::string zone = TimeReplyText(SummerSunday(), quarters * 900).substr(24);
        ASSERT_EQ(zone.size(), 5u) << quarters;
        long minutes = std::stol(zone.substr(1, 2)) * 60 + std::stol(zone.substr(3, 2));
        EXPECT_EQ(zone[0] == '-' ? -minutes : minutes, quarters * 15) << zone;
    }
}

TEST(CTCPResponseTest, TheLocalZoneIncludesSummerTime) {
    ScopedTimeZone zone;
    const std::time_t summerNoonUtc = 1720353600;  // 2024-07-07 12:00:00 UTC
    struct Case {
        const char* tz;
        const char* expected;
    } cases[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", "Sun, 07 Jul 24 14:00:00 +0200"},
        {"<+0545>-5:45", "Sun, 07 Jul 24 17:45:00 +0545"},
        {"<-0930>9:30", "Sun, 07 Jul 24 02:30:00 -0930"},
    };
    for (const Case& c : cases) {
        zone.Use(c.tz);
        std::optional<LocalTimeReading> reading = ReadLocalTime(summerNoonUtc);
        ASSERT_TRUE(reading) << c.tz;
        EXPECT_EQ(TimeReplyText(reading->local, reading->zoneOffsetSeconds), c.expected);
    }
}

TEST(CTCPResponseTest, TheNoticeCarriesOneCommandAndFitsTheLine) {
    const std::string head = "NOTICE bob :\x01PING ";
    struct Case {
        const char* nick;
        std::string text;
        std::string expected;
    } cases[] = {
        {"bob", "123", head + "123\x01"},
        {"bob", std::string("a\r\nQUIT :x\0y\x01z", 14), head + "aQUIT :xy" + "z\x01"},
        {"bob", std::string(10000, 'a'), head + std::string(510 - head.size() - 1, 'a') + "\x01"},
        {"", "1", ""},
        {"a b", "1", ""},
        {"a,b", "1", ""},
        {":x", "1", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplyNotice(c.nick, "PING", c.text), c.expected) << c.nick;
    EXPECT_EQ(ReplyNotice(std::string(600, 'n'), "PING", "1"), "") << "no room for the reply";
}

TEST(CTCPResponseTest, RoundTripCountsFromZeroWhenTheEchoIsNoTime) {
    struct Case {
        const char* argument;
        int64_t seconds;
    } cases[] = {{"1000", 3}, {"1000 ", 3}, {"1003", 0}, {"abc", 1003}, {"", 1003}, {"-5", 1003},
                 {"999999999999999999999999999999", 1003}, {"12a", 1003}};
    for (const Case& c : cases) EXPECT_EQ(RoundTripSeconds(c.argument, 1003), c.seconds) << c.argument;
}

TEST(CTCPReplyBudgetTest, FourInAnyTwoSecondsAndTwentyInAnyMinute) {
    CTCPReplyBudget budget;
    int granted = 0;
    for (int i = 0; i < 10000; ++i) granted += budget.Allow(1000 + i / 10);  // 10,000 in one second
    EXPECT_EQ(granted, 4);
    EXPECT_FALSE(budget.Allow(2999));
    EXPECT_TRUE(budget.Allow(3000));

    CTCPReplyBudget steady;
    std::vector<uint64_t> times;
    for (uint64_t t = 0; t < 180000; t += 100)
        if (steady.Allow(t)) times.push_back(t);
    for (size_t i = 0; i < times.size(); ++i) {
        if (i >= 4) {
            EXPECT_GE(times[i] - times[i - 4], CTCPReplyBudget::kShortWindowMs) << i;
        }
        if (i >= 20) {
            EXPECT_GE(times[i] - times[i - 20], CTCPReplyBudget::kLongWindowMs) << i;
        }
    }
    EXPECT_EQ(times.size(), 60u) << "the full allowance is used, minute after minute";
}

}  // namespace
}  // namespace parlevox::test
