// The ignore list on a fake clock: entries, their history, widening while
// the watch lasts, silencing once per connection, removal and expiry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "irc/Idiots.h"

namespace parlevox {
namespace {

constexpr std::time_t kStart = 1'000'000'000;
constexpr std::time_t kDay = 86400;

std::tm FixedLocal(std::time_t) {
    std::tm local {};
    local.tm_wday = 1, local.tm_mon = 11, local.tm_mday = 7, local.tm_hour = 22, local.tm_min = 10, local.tm_sec = 5;
    local.tm_year = 98;
    return local;
}
const std::string kStamp = "Mon Dec 07 22:10:05 1998";

AddressRecord A(const std::string& text) { return AddressRecord::FromSender(text); }

class IdiotsTest : public ::testing::Test {
protected:
    std::vector<std::string> sent;
    int saves = 0;
    CIgnoreList list {[this](const std::string& line) { sent.push_back(line); },
                      [this](const std::vector<IgnoreEntry>&) { ++saves; }, FixedLocal};
};

TEST_F(IdiotsTest, NewEntryWritesItsHistoryAndWatchesTheDomain) {
    list.Add(A("bob!~b@dial7.isp.example.com"), "Automatic flood detect", false, kStart);
    list.Add(A("eve!*@*"), "User-specified /ignore", true, kStart);
    ASSERT_EQ(list.Entries().size(), 2u);
    const IgnoreEntry& flood = list.Entries()[0];
    EXPECT_EQ(flood.masks, std::vector<AddressRecord> {A("*!~b@*.example.com")});
    EXPECT_EQ(flood.nicks, std::vector<std::string> {"bob"});
    EXPECT_EQ(flood.history, kStamp + "\r\nIgnored mask: *!~b@*.example.com\r\nIdiot: bob!~b@dial7.isp.example.com"
                                      "\r\nReason: Automatic flood detect\r\n\r\n");
    EXPECT_EQ(flood.watchMask, A("*!*@*.example.com"));
    EXPECT_EQ(flood.watchUntil, kStart + 900);
    // A mask with a wildcard host names no domain: no watch that would take everybody.
    EXPECT_EQ(list.Entries()[1].watchUntil, 0);
    EXPECT_EQ(list.Check(A("ann!a@elsewhere.net"), kStart + 1), -1);
    EXPECT_EQ(saves, 2);
}

TEST(HistoryStampTest, UsesEnglishNamesAndZeroPaddedDay) {
    EXPECT_EQ(HistoryStamp(FixedLocal(0)), kStamp);
    std::tm odd {};
    odd.tm_wday = 9, odd.tm_mon = -1, odd.tm_year = 126, odd.tm_mday = 1;
    EXPECT_EQ(HistoryStamp(odd), "??? ??? 01 00:00:00 2026");
}

TEST_F(IdiotsTest, MatchSilencesTheSenderOncePerConnection) {
    list.Add(A("bob!*@*"), "r", true, kStart);
    EXPECT_EQ(list.Check(A("Bob!b@h.net"), kStart + 5), 0);
    EXPECT_EQ(list.Check(A("bob!b@h.net"), kStart + 6), 0);
    EXPECT_EQ(list.Check(A("bob!c@h.net"), kStart + 7), 0);
    EXPECT_EQ(sent, (std::vector<std::string> {"SILENCE +*!b@h.net", "SILENCE +*!c@h.net"}));
    EXPECT_TRUE(list.Entries()[0].active);
    EXPECT_EQ(list.Entries()[0].date, kStart + 7);
    list.ClearSilenced();
    list.Check(A("bob!b@h.net"), kStart + 8);
    EXPECT_EQ(sent.back(), "SILENCE +*!b@h.net");
    EXPECT_EQ(sent.size(), 3u);
    // Without a user and host there is nothing to silence.
    EXPECT_EQ(list.Check(A("bob"), kStart + 9), 0);
    EXPECT_EQ(sent.size(), 3u);
}

TEST_F(IdiotsTest, SameDomainWithinTheWatchToughensTheMask) {
    list.Add(A("bob!~b@a.example.com"), "r", false, kStart);
    EXPECT_EQ(list.Check(A("rob!other@z.example.com"), kStart + 899), 0);
    const IgnoreEntry& entry = list.Entries()[0];
    EXPECT_EQ(entry.masks, std::vector<AddressRecord> {A("*!*@*.example.com")});
    EXPECT_EQ(entry.nicks, (std::vector<std::string> {"bob", "rob"}));
    EXPECT_TRUE(entry.history.ends_with(kStamp + "\r\nToughened mask: *!*@*.example.com\r\nIdiot: "
                                                  "rob!other@z.example.com\r\n\r\n"));
    EXPECT_EQ(sent, std::vector<std::string> {"SILENCE +*!other@z.example.com"});
}

TEST_F(IdiotsTest, AnotherNickInTheDomainAddsAMaskAndMovesTheWatch) {
    list.Add(A("bob!b@host1.example.com"), "r", true, kStart);
    EXPECT_EQ(list.Check(A("bob2!carol@host2.example.com"), kStart + 600), 0);
    const IgnoreEntry& entry = list.Entries()[0];
    EXPECT_EQ(entry.masks, (std::vector<AddressRecord> {A("bob!b@host1.example.com"), A("*!carol@*.example.com")}));
    EXPECT_TRUE(entry.history.ends_with(kStamp + "\r\nAdded new mask: *!carol@*.example.com\r\nIdiot: "
                                                  "bob2!carol@host2.example.com\r\n\r\n"));
    EXPECT_EQ(entry.watchUntil, kStart + 1500);
    // A quarter of an hour after the last widening the domain is free again.
    EXPECT_EQ(list.Check(A("dan!d@host3.example.com"), kStart + 1500), -1);
    EXPECT_EQ(list.Check(A("dan!carol@host3.example.com"), kStart + 1500), 0);
}

TEST_F(IdiotsTest, NumericHostsWidenByTheirLastPart) {
    list.Add(A("bob!b@10.1.2.3"), "r", false, kStart);
    EXPECT_EQ(list.Entries()[0].masks[0], A("*!b@10.1.2.*"));
    EXPECT_EQ(list.Check(A("x!y@10.1.2.99"), kStart + 10), 0);
    EXPECT_EQ(list.Entries()[0].masks[0], A("*!*@10.1.2.*"));
    EXPECT_EQ(list.Check(A("x!y@10.1.3.99"), kStart + 10), -1);
}

TEST_F(IdiotsTest, FirstEntryInListOrderTakesTheMessage) {
    list.Add(A("*!*@x.example.com"), "first", true, kStart);
    list.Add(A("bob!*@*"), "second", true, kStart);
    EXPECT_EQ(list.Check(A("bob!u@x.example.com"), kStart + 1), 0);
    EXPECT_FALSE(list.Entries()[1].active);
    EXPECT_EQ(list.Check(A("bob!u@y.net"), kStart + 2), 1);
    EXPECT_EQ(list.Entries()[1].date, kStart + 2);
}

TEST_F(IdiotsTest, RemovalUnsilencesOnlyWhatTheEntryCovers) {
    list.Add(A("bob!*@*"), "r", true, kStart);
    list.Add(A("eve!e@e.net"), "r", true, kStart);
    list.Check(A("bob!b@h.net"), kStart);
    list.Check(A("eve!e@e.net"), kStart);
    sent.clear();
    list.Remove(0);
    EXPECT_EQ(sent, std::vector<std::string> {"SILENCE -*!b@h.net"});
    EXPECT_EQ(list.Silenced(), std::vector<std::string> {"*!e@e.net"});
    EXPECT_EQ(list.Check(A("bob!b@h.net"), kStart), -1);
    list.Remove(5);  // no such entry
    EXPECT_EQ(list.Entries().size(), 1u);
}

TEST_F(IdiotsTest, LoadDropsEntriesUnseenForTenDaysUnlessHeld) {
    const struct {
        int hold;
        std::time_t age;
        bool kept;
    } cases[] = {{0, 10 * kDay, false}, {0, 10 * kDay - 1, true}, {1, 400 * kDay, true}, {0, 0, true}};
    std::vector<IgnoreEntry> stored;
    for (const auto& c : cases) {
        IgnoreEntry entry;
        entry.hold = c.hold;
        entry.date = kStart - c.age;
        entry.masks = {A("*!*@h" + std::to_string(stored.size()))};
        stored.push_back(entry);
    }
    list.Load(stored, kStart);
    ASSERT_EQ(list.Entries().size(), 3u);
    for (size_t i = 0, kept = 0; i < stored.size(); ++i) {
        if (!cases[i].kept) continue;
        EXPECT_EQ(list.Entries()[kept++].masks, stored[i].masks) << i;
    }
    EXPECT_EQ(saves, 1);
    list.Load(list.Entries(), kStart);
    EXPECT_EQ(saves, 1);  // nothing went, nothing to save
}

TEST_F(IdiotsTest, SightingsAreSavedLaterAndOnlyOnce) {
    list.Add(A("bob!*@*"), "r", true, kStart);
    const int afterAdd = saves;
    for (int i = 0; i < 100; ++i) list.Check(A("bob!b@h.net"), kStart + i);
    EXPECT_EQ(saves, afterAdd);
    list.SaveIfChanged();
    list.SaveIfChanged();
    EXPECT_EQ(saves, afterAdd + 1);
}

TEST_F(IdiotsTest, SilencesStopAtTheServersListSize) {
    list.Add(A("*!*@*"), "r", true, kStart);
    for (int i = 0; i < 1000; ++i) list.Check(A("n!u" + std::to_string(i) + "@h.net"), kStart);
    EXPECT_EQ(sent.size(), CIgnoreList::kMaxSilenced);
}

}  // namespace
}  // namespace parlevox
