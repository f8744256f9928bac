// The server directory: which lines are entries, which can fill a slot, and
// that adding one appends whole lines to an existing file only.
#include "settings/ServerList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace parlevox {
namespace {

TEST(ServerListTest, LinesSplitAtTheFirstSlashThenTheFirstColon) {
    struct Case {
        std::string line;
        std::vector<ServerListEntry> entries;
    };
    const std::vector<Case> cases = {
        {"Libera/irc.libera.chat:6667\r\n", {{"Libera", "irc.libera.chat", 6667}}},
        {"---Libera---/:0\r\n/:0\r\n", {{"---Libera---", "", 0}, {"", "", 0}}},
        {"Europe: random/eu.example.net:7000", {{"Europe: random", "eu.example.net", 7000}}},
        {"a heading without slash\r\n", {}},
        {"Net/host.example\nNet/host.example:abc\nNet/host.example:99999\nNet/host:66/67\n",
         {{"Net", "host.example", 0}, {"Net", "host.example", 0}, {"Net", "host.example", 0}, {"Net", "host", 0}}},
        {"Net/" + std::string(10 << 20, 'h') + ":6667\r\nNext/next.example:6668\r\n",
         {{"Next", "next.example", 6668}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ServerList::Parse(c.line), c.entries) << c.line.substr(0, 60);
    EXPECT_FALSE(ServerListEntry({"---Net---", "", 0}).Assignable());
}

TEST(ServerListTest, AddingAppendsToTheExistingFileAndRefusesWhatWouldBreakIt) {
    test::TempDir dir;
    const std::string path = dir.File("Servers.List");
    EXPECT_FALSE(ServerList::Append(path, {"Home", "irc.home.example", 6667}));
    EXPECT_FALSE(std::filesystem::exists(path)) << "never created";

    test::WriteWholeFile(path, "---Nets---/:0\r\nOld/old.example:6667");  // last line unended
    const ServerListEntry refused[] = {
        {"a/b", "h.example", 6667},  {"ok", "h/x", 6667},       {"ok", "h:1", 6667},
        {"ok", "h x", 6667},         {"line\r\nX", "h", 6667},  {"ok", std::string("h\0x", 3), 6667},
        {"ok", "", 6667},            {"ok", "h.example", 0},
    };
    for (const ServerListEntry& entry : refused) {
        EXPECT_FALSE(ServerList::Refusal(entry).empty()) << entry.description << " " << entry.host;
        EXPECT_FALSE(ServerList::Append(path, entry));
    }
    ASSERT_TRUE(ServerList::Append(path, {"Home: mine", "irc.home.example", 6697}));
    EXPECT_EQ(test::ReadWholeFile(path), "---Nets---/:0\r\nOld/old.example:6667\r\nHome: mine/irc.home.example:6697\r\n");
    EXPECT_EQ(ServerList::Read(path)->back(), (ServerListEntry {"Home: mine", "irc.home.example", 6697}));
}

TEST(ServerListTest, TheShippedListHasHeadingsAndAssignableServersForEveryNetwork) {
    std::optional<std::vector<ServerListEntry>> entries = ServerList::Read(PARLEVOX_SHIPPED_DATA_DIR "/Servers.List");
    ASSERT_TRUE(entries);
    int headings = 0, servers = 0;
    for (const ServerListEntry& entry : *entries) {
        if (entry.description.starts_with("---")) {
            ++headings;
            EXPECT_FALSE(entry.Assignable());
        } else if (entry.Assignable()) {
            ++servers;
            EXPECT_EQ(ServerList::Refusal(entry), "") << entry.description;
        }
    }
    EXPECT_GE(headings, 10);
    EXPECT_GE(servers, headings);
}

}  // namespace
}  // namespace parlevox
