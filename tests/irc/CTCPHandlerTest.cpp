// The CTCP handler on a real network window: the exact NOTICE bytes that
// reach the server, the budget against floods from many hosts, and the
// status lines for requests and replies.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "irc/CTCPHandler.h"
#include "support/NetworkFixture.h"

namespace parlevox::test {
namespace {

class CTCPHandlerTest : public NetworkFixture {
protected:
    CTCPHandlerTest() {
        std::array<int, ColourCodes::kSlots> slots {};
        slots[colour::kInformation] = 12;
        slots[colour::kNick] = 4;
        colours = ColourCodes(slots);
        std::tm noon {};
        noon.tm_year = 124, noon.tm_mon = 6, noon.tm_mday = 7, noon.tm_hour = 12;
        local = LocalTimeReading {noon, 7200};
        handler = std::make_unique<CCTCPHandler>(
            loop, network->Handle(), colours, status, ui, CTCPSettings {"Jo", "33", "f"},
            CCTCPHandler::TimeSources {[this] { return tick; }, [this] { return now; }, [this] { return local; }});
        handler->SetRequestShownHook([this] { ++tips; });
        ConnectAndRegister();
        status.lines.clear();
    }
    ~CTCPHandlerTest() override { handler.reset(); }

    // What the client sent after logging on, waiting for a last answer that
    // is known to come: everything before it has arrived too.
    std::vector<std::string> SentUpTo(const std::string& lastLine) {
        EXPECT_TRUE(RunUntil([&] { return server->HasLine(lastLine); })) << lastLine;
        std::vector<std::string> lines = server->Lines();
        lines.erase(lines.begin(), lines.begin() + 2);  // NICK, USER
        return lines;
    }
    void Request(const std::string& fromNick, const std::string& ctcp) {
        Post(":" + fromNick + "!u@" + fromNick + ".example PRIVMSG tester :\x01" + ctcp + "\x01");
    }

    ColourCodes colours;
    uint64_t tick = 1000;
    std::time_t now = 1003;
    std::optional<LocalTimeReading> local;
    int tips = 0;
    std::unique_ptr<CCTCPHandler> handler;
};

TEST_F(CTCPHandlerTest, RequestsInAPrivmsgGetTheirAnswerAndNothingElseLeaves) {
    Request("bob", "ping 1720360989");
    Post(":bob!u@h PRIVMSG #room :\x01TIME\x01");
    handler->SetSettings({"Ann", "", ""});
    Request("bob", "USERINFO");
    Post(":bob!u@h NOTICE tester :\x01VERSION\x01");  // a reply, never answered
    for (const char* text : {"\x01\x01", "\x01", "\x01" "ACTION waves\x01", "\x01" "DCC SEND f 2130706433 5000 10\x01",
                             "\x01" "FINGER\x01"})
        Post(std::string(":bob!u@h PRIVMSG tester :") + text);
    tick += 2000;  // a fresh short window of the budget
    Request("bob", "VERSION " + std::string(10000, '7'));
    Post(std::string(":bob!u@h PRIVMSG tester :\x01PING a\rQUIT :x\0\x01", 42));
    EXPECT_EQ(SentUpTo("NOTICE bob :\x01PING aQUIT :x\x01"),
              (std::vector<std::string> {"NOTICE bob :\x01ping 1720360989\x01",
                                         "NOTICE bob :\x01TIME Sun, 07 Jul 24 12:00:00 +0200\x01",
                                         "NOTICE bob :\x01USERINFO (Real name:Ann Age: Sex:)\x01",
                                         "NOTICE bob :\x01VERSION Parlevox 1.5, registered (Linux)\x01",
                                         "NOTICE bob :\x01PING aQUIT :x\x01"}));
}

TEST_F(CTCPHandlerTest, AFloodFromManyHostsGetsFourAnswersThenWaits) {
    for (int i = 0; i < 10000; ++i) Request("n" + std::to_string(i), "VERSION");
    tick += 1999;
    Request("late", "VERSION");
    tick += 1;
    Request("next", "PING 1");
    std::vector<std::string> sent = SentUpTo("NOTICE next :\x01PING 1\x01");
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[3], "NOTICE n3 :\x01VERSION Parlevox 1.5, registered (Linux)\x01");
}

TEST_F(CTCPHandlerTest, AZoneProblemIsToldOnceAndLeavesTimeUnanswered) {
    local.reset();
    Request("bob", "TIME");
    Request("eve", "TIME");
    Request("bob", "PING end");
    EXPECT_EQ(SentUpTo("NOTICE bob :\x01PING end\x01"), (std::vector<std::string> {"NOTICE bob :\x01PING end\x01"}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Time-zone problem");
    EXPECT_EQ(ui.boxes[0].text,
              "When trying to retrieve time-zone information, there was a problem.\n\n"
              "Make sure the system's time zone is set correctly.");
}

TEST_F(CTCPHandlerTest, YourInfoRequestsReachTheHookWithinTheBudget) {
    std::vector<AddressRecord> requesters;
    handler->SetYourInfoHook([&](const AddressRecord& who) { requesters.push_back(who); });
    for (int i = 0; i < 6; ++i) Request("p" + std::to_string(i), "bvuserinfo");
    ASSERT_EQ(requesters.size(), 4u);
    EXPECT_EQ(requesters[0], (AddressRecord {"p0", "u", "p0.example"}));
}

TEST_F(CTCPHandlerTest, RequestsAndRepliesNobodyTookAreShown) {
    Request("bob", "FINGER me");
    Post(":bob!u@h PRIVMSG #room :\x01VERSION\x01");
    Request("bob", "DCC CHAT chat 2130706433 5000");
    Post(":bob!u@h NOTICE tester :\x01PING 1000\x01");
    Post(":bob!u@h NOTICE tester :\x01PING soon\x01");
    Post(":bob!u@h NOTICE tester :\x01VERSION Other 2.0\x01");
    const std::string bob = "\x03" "12- \b\x03" "4bob\x03" "12\b";
    EXPECT_EQ(status.lines, (std::vector<std::string> {
                                bob + " [CTCP FINGER] me",
                                bob + " [CTCP VERSION] ",
                                bob + " : round-trip distance \x02" "3\x02 second(s)",
                                bob + " : round-trip distance \x02" "1003\x02 second(s)",
                                bob + "\x02 VERSION\x02 reply: Other 2.0",
                            }));
    EXPECT_EQ(tips, 2);
}

}  // namespace
}  // namespace parlevox::test
