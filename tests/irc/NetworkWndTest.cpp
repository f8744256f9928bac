// The network window over a real loopback connection: logon lines, the
// received-line rules, the send path and the ends of a connection.
#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "irc/EventTypes.h"
#include "irc/IRCMessage.h"
#include "irc/LineRules.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkTexts.h"
#include "irc/ProblemLineLimiter.h"
#include "irc/TrafficLog.h"
#include "platform/SocketErrors.h"
#include "support/NetworkFixture.h"
#include "support/NgircdServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

class NetworkWndTest : public NetworkFixture {
protected:
    // Different colours for the problem and information slots, so that a
    // swap of the two codes shows.
    void UseColours(int problem, int information) {
        NetworkSettings settings = network->Settings();
        std::array<int, ColourCodes::kSlots> colours {};
        colours[colour::kProblem] = problem;
        colours[colour::kInformation] = information;
        settings.colours = ColourCodes(colours);
        network->SetSettings(settings);
    }
};

TEST_F(NetworkWndTest, RegistersWithNickAndUserCarryingTheLinkPortField) {
    ConnectAndRegister();
    const uint16_t linkPort = network->ClientLinkPort();
    ASSERT_NE(linkPort, 0);
    EXPECT_TRUE(PortAccepts(linkPort)) << "the advertised port is the link's listener";
    EXPECT_EQ(server->Lines(), (std::vector<std::string>{
                                   "NICK tester", fmt::sprintf("USER tuser blah blah :[IS%04X] just testing", linkPort)}));
    EXPECT_EQ(state.currentNick, "tester");
    EXPECT_EQ(state.currentUserName, "tuser");
    EXPECT_EQ(state.localAddress, "127.0.0.1");
    EXPECT_EQ(progress.lines.back(), "Connected: negotiating...");
    EXPECT_EQ(status.lines, (std::vector<std::string>{"[Local IP address 127.0.0.1]"}));
}

TEST_F(NetworkWndTest, OurEndsHostNameIsLookedUpOffTheLoop) {
    ConnectAndRegister();
    ASSERT_TRUE(RunUntil([&] { return state.localHostName != "127.0.0.1"; }));
    EXPECT_EQ(state.localHostName, "localhost");
}

TEST_F(NetworkWndTest, TheDialogsPasswordIsSentFirst) {
    progress.password = "sesame";
    ConnectAndRegister();
    EXPECT_EQ(server->Lines().front(), "PASS sesame");
}

TEST_F(NetworkWndTest, PingsAreAnsweredAndGoNoFurther) {
    ConnectAndRegister();
    struct Case {
        const char* received;
        const char* answer;
    } cases[] = {
        {"PING :abc", "PONG :abc"},
        {"PING abc", "PONG :tester"},
        {"PING :a b:c", "PONG :a b:c"},
        {":irc.example.net PING :tok", "PONG :tok"},
    };
    for (const Case& c : cases) {
        Post(c.received);
        ASSERT_TRUE(RunUntil([&] { return server->HasLine(c.answer); })) << c.received;
    }
    EXPECT_TRUE(listener.types.empty());
}

TEST_F(NetworkWndTest, ErrorAndPrefixlessNoticeLinesBecomeTheirEvents) {
    Post("ERROR :Closing Link");
    Post("NOTICE AUTH :*** Looking up your hostname");
    Post("ERROR");
    ASSERT_EQ(listener.types, (std::vector<uint32_t>{kError, kServerNotice, kError}));
    EXPECT_EQ(listener.texts[0], "Closing Link");
    EXPECT_EQ(listener.texts[1], "*** Looking up your hostname");
    EXPECT_EQ(listener.texts[2], "");
}

TEST_F(NetworkWndTest, EmptyLinesAreIgnoredAndOthersAreParsed) {
    Post("");
    Post(":a!b@c PRIVMSG #x :hi");
    ASSERT_EQ(listener.types, (std::vector<uint32_t>{kChannelMessage}));
    EXPECT_EQ(listener.texts[0], "hi");
}

TEST_F(NetworkWndTest, UnreadableLinesAreStatusLinesAFewAMinuteAndNeverABox) {
    UseColours(4, 12);
    Post(":a!b@c FOO bar");
    Post("PRIVMSG #x :no prefix");
    for (int i = 0; i < 50; ++i) Post(":s 000 me :" + std::to_string(i));
    EXPECT_EQ(status.lines.size(), size_t(ProblemLineLimiter::kPerWindow));
    ASSERT_GE(status.lines.size(), 2u);
    EXPECT_EQ(status.lines[0], "\x03" "4- Unrecognised IRC data [\x03" "12:a!b@c FOO bar\x03" "4]");
    EXPECT_EQ(status.lines[1], "\x03" "4- Malformed IRC data [\x03" "12PRIVMSG #x :no prefix\x03" "4]");
    EXPECT_TRUE(network->Recent().Contains("a!b@c")) << "the sender of an unknown command is still remembered";
    EXPECT_TRUE(listener.types.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ProblemLineLimiterTest, AFewAWindowThenTheCountOfTheHeldBack) {
    ProblemLineLimiter limiter;
    int heldBack = -1;
    for (int i = 0; i < ProblemLineLimiter::kPerWindow; ++i) {
        EXPECT_TRUE(limiter.Allow(1000 + i, heldBack));
        EXPECT_EQ(heldBack, 0);
    }
    EXPECT_FALSE(limiter.Allow(2000, heldBack));
    EXPECT_FALSE(limiter.Allow(1000 + ProblemLineLimiter::kWindowMs - 1, heldBack));
    EXPECT_TRUE(limiter.Allow(1000 + ProblemLineLimiter::kWindowMs, heldBack));
    EXPECT_EQ(heldBack, 2);
    EXPECT_TRUE(limiter.Allow(1000 + ProblemLineLimiter::kWindowMs, heldBack));
    EXPECT_EQ(heldBack, 0) << "counted once";
}

TEST_F(NetworkWndTest, AStaleSuppressOutputFlagIsClearedWithAWarning) {
    state.suppressOutput = true;
    Post(":a!b@c PRIVMSG #x :hi");
    EXPECT_FALSE(state.suppressOutput);
    ASSERT_FALSE(status.lines.empty());
    EXPECT_EQ(status.lines[0], "\x03" "0! \"Suppress output\" was not correctly unset in a script.");
}

TEST_F(NetworkWndTest, SendPathKeepsTerminatorsCutsInjectedLinesAndRefusesOversizedOnes) {
    ConnectAndRegister();
    size_t before = server->Received().size();
    SendLine("PRIVMSG #x :one");
    SendLine("PRIVMSG #x :two\n");
    SendLine("PRIVMSG #x :three\r\n");
    SendLine("PRIVMSG #x :four\rQUIT :injected");
    SendLine(std::string("PRIVMSG #x :five\0QUIT", 21));
    SendLine("PRIVMSG #x :" + std::string(600, 'x'));
    ASSERT_TRUE(RunUntil([&] { return server->Received().find("five") != std::string::npos; }));
    loop.RunUntil([] { return false; }, 50);
    EXPECT_EQ(server->Received().substr(before),
              "PRIVMSG #x :one\r\nPRIVMSG #x :two\nPRIVMSG #x :three\r\nPRIVMSG #x :four\r\nPRIVMSG #x :five\r\n");
    ASSERT_EQ(status.lines.size(), 2u);
    EXPECT_NE(status.lines[1].find("Line not sent: it is 614 bytes long"), std::string::npos);
}

TEST_F(NetworkWndTest, SendingWhileNotConnectedSaysSo) {
    SendLine("PRIVMSG #x :lost");
    ASSERT_EQ(status.lines.size(), 1u);
    EXPECT_EQ(status.lines[0], "\x03" "0! Cannot send data\x03" "0 (not connected)");
}

// The problem and information slots get different colours so that a swap of
// the two codes shows. Without a connection a line that fits is lost with
// "Cannot send data", so the send limit shows without a peer.
TEST_F(NetworkWndTest, SendProblemsUseTheProblemThenTheInformationColour) {
    UseColours(4, 7);
    const std::string lost = "\x03" "4! Cannot send data\x03" "7 (not connected)";
    const std::string tooLong = "\x03" "4! Line not sent: it is 513 bytes long, and the server takes at most 512\x03" "7";
    struct Case {
        const char* description;
        std::string line;
        std::string status;
    } cases[] = {
        {"longest line with CRLF", std::string(510, 'a'), lost},
        {"shortest refused with CRLF", std::string(511, 'a'), tooLong},
        {"longest line with LF", std::string(511, 'a') + "\n", lost},
        {"shortest refused with LF", std::string(512, 'a') + "\n", tooLong},
        {"a cut tail does not count", std::string(510, 'a') + "\r" + std::string(100, 'b'), lost},
    };
    for (const Case& c : cases) {
        status.lines.clear();
        SendLine(c.line);
        EXPECT_EQ(status.lines, std::vector<std::string>{c.status}) << c.description;
    }
}

TEST_F(NetworkWndTest, ConnectingWhileConnectedSaysGoodbyeFirst) {
    ConnectAndRegister();
    state.connected = true;
    const size_t before = server->Received().size();
    WindowMessage connect(netmsg::kConnect, std::string("127.0.0.1"));
    connect.wParam = server->Port();
    loop.SendMessage(network->Handle(), std::move(connect));
    ASSERT_TRUE(RunUntil([&] { return server->Received().size() > before; }));
    EXPECT_EQ(server->Received().substr(before, 23), "QUIT :Changing server\r\n");
    EXPECT_FALSE(state.connected);
}

TEST_F(NetworkWndTest, ARefusedConnectionIsReportedAsRejected) {
    WindowMessage connect(netmsg::kConnect, std::string("127.0.0.1"));
    connect.wParam = FreeLoopbackPort();
    loop.PostMessage(network->Handle(), std::move(connect));
    ASSERT_TRUE(RunUntil([&] { return !progress.failures.empty(); }));
    EXPECT_EQ(progress.failures, std::vector<std::string>{"Connection rejected by server."});
}

TEST_F(NetworkWndTest, AConnectedSocketClosingDispatchesDisconnect) {
    ConnectAndRegister();
    state.connected = true;
    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return !listener.types.empty(); }));
    EXPECT_EQ(listener.types, (std::vector<uint32_t>{kDisconnect}));
    EXPECT_FALSE(state.connected);
}

TEST_F(NetworkWndTest, AServerClosingDuringLogonMovesToTheNextServer) {
    ConnectAndRegister();
    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return !progress.failures.empty(); }));
    EXPECT_EQ(progress.failures[0], "The server closed the connection during logon.");
    EXPECT_TRUE(listener.types.empty());
}

TEST_F(NetworkWndTest, AnOverlongReceivedLineIsDiscardedAndReportedOnce) {
    ConnectAndRegister();
    server->Send(std::string(20000, 'z') + "\r\n:a!b@c PRIVMSG #x :after\r\n");
    ASSERT_TRUE(RunUntil([&] { return !listener.types.empty(); }));
    EXPECT_EQ(listener.texts, (std::vector<std::string>{"after"}));
    size_t reports = 0;
    for (const auto& line : status.lines) reports += line.find("longer than 8192 bytes") != std::string::npos;
    EXPECT_EQ(reports, 1u);
}

TEST_F(NetworkWndTest, AServerThatStopsReadingIsDroppedOnceTheQueueIsFull) {
    ConnectAndRegister();
    state.connected = true;
    server->StopReading();
    const std::string line = "PRIVMSG #x :" + std::string(480, 'q');
    size_t sent = 0;
    const size_t kernelBuffers = 64u << 20;  // far above what the socket buffers of loopback hold
    while (status.lines.size() < 2 && sent < CIRCClientSocket::kMaxPendingOutput + kernelBuffers) {
        SendLine(line);
        sent += line.size() + 2;
    }
    ASSERT_EQ(status.lines.size(), 2u);
    EXPECT_NE(status.lines[1].find("has not taken what was sent"), std::string::npos) << status.lines[1];
    EXPECT_FALSE(state.connected);
    EXPECT_FALSE(network->Socket().IsOpen());
    ASSERT_TRUE(RunUntil([&] { return !listener.types.empty(); }));
    EXPECT_EQ(listener.types, (std::vector<uint32_t>{kDisconnect}));
}

TEST_F(NetworkWndTest, ResetDropsTheConnection) {
    ConnectAndRegister();
    state.connected = true;
    loop.SendMessage(network->Handle(), WindowMessage(netmsg::kResetSocket));
    EXPECT_FALSE(state.connected);
    EXPECT_FALSE(network->Socket().IsOpen());
}

TEST(LineRulesTest, PrepareOutgoingLine) {
    struct Case {
        std::string description, line, expected;
        bool fits;
    } cases[] = {
        {"adds CRLF", "NICK a", "NICK a\r\n", true},
        {"keeps LF", "NICK a\n", "NICK a\n", true},
        {"keeps CRLF", "NICK a\r\n", "NICK a\r\n", true},
        {"cuts at CR", "PONG :x\ry", "PONG :x\r\n", true},
        {"cuts at LF inside", "A\nB\n", "A\n", true},
        {"cuts at NUL", std::string("A\0B", 3), "A\r\n", true},
        {"exactly 512", std::string(510, 'a'), std::string(510, 'a') + "\r\n", true},
        {"513 refused", std::string(511, 'a'), std::string(511, 'a') + "\r\n", false},
        {"empty", "", "\r\n", true},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(PrepareOutgoingLine(c.line, 512, out), c.fits) << c.description;
        EXPECT_EQ(out, c.expected) << c.description;
    }
}

TEST(ConnectErrorTextTest, EveryWinsockCodeHasItsText) {
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {10014, "The lpSockAddrLen argument is incorrect."},
        {10022, "The socket is already bound to an address."},
        {10024, "No more file descriptors are available."},
        {10038, "The descriptor is a file, not a socket."},
        {10039, "A destination address is required."},
        {10047, "Addresses in the specified family cannot be used with this socket."},
        {10048, "The specified address is already in use."},
        {10049, "Address is not available from local machine."},
        {10051, "The network cannot be reached."},
        {10055, "Out of buffer space."},
        {10056, "The socket is already connected."},
        {10057, "The socket is not connected."},
        {10060, "Connection timed out."},
        {10061, "Connection rejected by server."},
        {wsa::kHostNotFound, "The host name could not be resolved."},
        {10050, "Connection failed (error 10050)."},
        {0, "Connection failed (error 0)."},
    };
    for (const Case& c : cases) EXPECT_EQ(texts::ConnectErrorText(c.code), c.text) << c.code;
}

// The name is checked against the clock read before and after Open, with the
// zone's offset applied by hand, so a minute turning over cannot fail it.
TEST(TrafficLogTest, FileIsNamedAfterTheLocalWeekdayDayAndMinute) {
    struct Case {
        const char* zone;
        long offsetSeconds;
    } cases[] = {{"UTC0", 0}, {"XST-5:30", 5 * 3600 + 30 * 60}};
    for (const Case& c : cases) {
        ScopedTimeZone zone(c.zone);
        auto nameNow = [&] {
            const std::time_t shifted = std::time(nullptr) + c.offsetSeconds;
            std::tm fields{};
            gmtime_r(&shifted, &fields);
            char name[64];
            std::strftime(name, sizeof name, "Log,%a %d %H-%M.txt", &fields);
            return std::string(name);
        };
        TempDir dir;
        TrafficLog log;
        const std::string before = nameNow();
        ASSERT_TRUE(log.Open(dir.Path() + "/")) << c.zone;
        const std::string after = nameNow();
        const std::string name = std::filesystem::path(log.FilePath()).filename().string();
        EXPECT_TRUE(name == before || name == after) << c.zone << ": " << name << ", expected " << before;
        EXPECT_TRUE(std::filesystem::is_regular_file(dir.File(name))) << c.zone;
    }
}

TEST(LineRulesTest, PrefixedPing) {
    EXPECT_TRUE(IsPrefixedPing(":srv PING :x"));
    EXPECT_TRUE(IsPrefixedPing(":srv PING"));
    EXPECT_FALSE(IsPrefixedPing(":srv PINGER :x"));
    EXPECT_FALSE(IsPrefixedPing("PING :x"));
    EXPECT_FALSE(IsPrefixedPing(":srv"));
}

}  // namespace
}  // namespace parlevox::test
