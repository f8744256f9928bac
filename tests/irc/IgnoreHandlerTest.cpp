// The ignore check in real dispatch: ignored people reach no window, floods
// of CTCPs and nick changes add their sender, friends always pass.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/IMNetSystem.h"
#include "irc/IRCLineParser.h"
#include "irc/IgnoreHandler.h"
#include "support/NetworkFixture.h"

namespace parlevox {
namespace {

constexpr std::time_t kStart = 1'000'000'000;

ColourCodes TestColours() {
    std::array<int, ColourCodes::kSlots> values {};
    for (int slot = 0; slot < ColourCodes::kSlots; ++slot) values[static_cast<size_t>(slot)] = 20 + slot;
    return ColourCodes(values);
}

class IgnoreHandlerTest : public test::NetworkFixture {
protected:
    IgnoreHandlerTest() { state.currentNick = "tester"; }

    // Receives the line as from the server; true when a window saw it.
    bool Shown(const std::string& line) {
        const size_t before = listener.types.size();
        Post(line);
        loop.RunOnce(0);
        return listener.types.size() > before;
    }

    std::time_t now = kStart;
    std::vector<std::string> sent;
    ColourCodes colours = TestColours();
    CIgnoreList list {[this](const std::string& line) { sent.push_back(line); }};
    std::unique_ptr<CIgnoreHandler> handler = std::make_unique<CIgnoreHandler>(
        loop, network->Handle(), state, colours, status, list, [this] { return now; });
};

TEST_F(IgnoreHandlerTest, IgnoredPersonReachesNoWindowAndIsSilencedOncePerConnection) {
    list.Add(AddressRecord {"bob", "*", "*"}, "User-specified /ignore", true, kStart);
    for (const char* line : {":bob!b@h.net PRIVMSG tester :hi", ":bob!b@h.net PRIVMSG #c :hi",
                             ":bob!b@h.net PRIVMSG tester :\x01VERSION\x01", ":bob!b@h.net NOTICE tester :psst",
                             ":bob!b@h.net NICK :bobby", ":bob!b@h.net QUIT :bye"})
        EXPECT_FALSE(Shown(line)) << line;
    EXPECT_TRUE(Shown(":ann!a@h.net PRIVMSG tester :hi"));
    EXPECT_EQ(sent, std::vector<std::string> {"SILENCE +*!b@h.net"});
    notifyList.Dispatch(std::make_unique<C_imConnect>(0));
    loop.RunOnce(0);
    EXPECT_FALSE(Shown(":bob!b@h.net PRIVMSG tester :again"));
    EXPECT_EQ(sent.size(), 2u);
}

TEST_F(IgnoreHandlerTest, SixthFloodEventInTenSecondsAddsTheSender) {
    const struct {
        const char* what;
        std::string line;  // %i: the event's number
        std::time_t spacing;
        int firstDropped;  // -1: none of 20
    } cases[] = {
        {"CTCP requests", ":f%i!u@dial.flood.example.com PRIVMSG tester :\x01VERSION\x01", 0, 5},
        {"CTCP replies", ":f!u@dial.flood.example.com NOTICE tester :\x01PING 1\x01", 1, 5},
        {"actions", ":f!u@dial.flood.example.com PRIVMSG #c :\x01" "ACTION waves\x01", 1, 5},
        {"nick changes", ":f%i!u@dial.flood.example.com NICK :g%i", 1, 5},
        {"slow CTCPs", ":f!u@dial.flood.example.com PRIVMSG tester :\x01VERSION\x01", 2, -1},
        {"plain messages", ":f!u@dial.flood.example.com PRIVMSG tester :hi", 0, -1},
    };
    for (const auto& c : cases) {
        CIgnoreList fresh {[](const std::string&) {}};
        CIgnoreHandler own(loop, network->Handle(), state, colours, status, fresh, [this] { return now; });
        handler.reset();
        status.lines.clear();
        int dropped = -1;
        for (int i = 0; i < 20 && dropped < 0; ++i, now += c.spacing) {
            std::string line = c.line;
            for (size_t at; (at = line.find("%i")) != std::string::npos;) line.replace(at, 2, std::to_string(i));
            if (!Shown(line)) dropped = i;
        }
        EXPECT_EQ(dropped, c.firstDropped) << c.what;
        if (c.firstDropped < 0) continue;
        ASSERT_EQ(fresh.Entries().size(), 1u) << c.what;
        EXPECT_EQ(fresh.Entries()[0].reason, "Automatic flood detect");
        EXPECT_EQ(fresh.Entries()[0].masks[0], AddressRecord::FromSender("*!u@*.example.com"));
        const std::string nick = c.line.find("%i") != std::string::npos ? "f5" : "f";
        ASSERT_EQ(status.lines.size(), 1u) << c.what;
        EXPECT_EQ(status.lines[0], "\x03" "34- Flooding: \b\x03" "25" + nick +
                                       "\x03" "33\b (u@dial.flood.example.com) added to idiot-list in Prefs.");
    }
}

TEST_F(IgnoreHandlerTest, FriendsAreNeverCaught) {
    handler->Check().SetFriends(CFriendList({{"pal", "pal*!*@*.friendly.org", 1}, {"foe", "foe!*@*", 0}}));
    list.Add(AddressRecord {"*", "*", "*.friendly.org"}, "r", true, kStart);
    list.Add(AddressRecord {"foe", "*", "*"}, "r", true, kStart);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(Shown(":PAL2!p@x.friendly.org PRIVMSG tester :\x01VERSION\x01")) << i;
    EXPECT_FALSE(Shown(":foe!f@x.net PRIVMSG tester :hi"));  // level 0 is no friend
    EXPECT_FALSE(Shown(":other!o@x.friendly.org PRIVMSG tester :hi"));
    EXPECT_EQ(list.Entries().size(), 2u);
}

TEST_F(IgnoreHandlerTest, OwnEchoedLinesAndAddresslessSendersAreNoFlood) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(Shown(":Tester!t@me.net PRIVMSG #c :\x01" "ACTION types\x01")) << i;
        EXPECT_TRUE(Shown(":irc.server.net PRIVMSG tester :\x01VERSION\x01")) << i;
    }
    EXPECT_TRUE(list.Entries().empty());
}

TEST(IgnoreCheckTest, TenThousandHostsKeepThirtyRecentEvents) {
    CIgnoreList list {[](const std::string&) {}};
    ConnectionState state;
    ColourCodes colours;
    test::RecordingStatus status;
    IgnoreCheck check(list, state, colours, status);
    for (int i = 0; i < 10000; ++i) {
        auto parsed = ParseIRCLine(":n!u@h" + std::to_string(i) + ".example.com PRIVMSG me :\x01VERSION\x01", {});
        ASSERT_TRUE(parsed.message);
        EXPECT_FALSE(check.ShouldDrop(*parsed.message, kStart));
    }
    EXPECT_EQ(check.Flood().Size(), FloodDetector::kRecentEvents);
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_TRUE(status.lines.empty());
}

}  // namespace
}  // namespace parlevox
