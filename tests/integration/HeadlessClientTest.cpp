// parlevox-headless against a real ngircd: logon, join, PING, channel text
// from another client, and a clean QUIT at the end of input.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>

#include "support/ChildProcess.h"
#include "support/NgircdServer.h"
#include "support/PlainIrcClient.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

constexpr int kTimeoutMs = 10000;

std::string TrafficLogText(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind("Log,", 0) == 0) return ReadWholeFile(entry.path().string());
    return {};
}

class HeadlessClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Started()) << "ngircd did not start";
        std::filesystem::create_directories(home.File("home"));
        // The traffic log shows what the client sent, PONGs included.
        WriteWholeFile(home.File("registry.reg"),
                       "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Misc]\r\n"
                       "\"Logging\"=dword:00000001\r\n");
    }

    std::unique_ptr<ChildProcess> StartClient(const std::string& nick) {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{PARLEVOX_HEADLESS_PATH, "--server", "127.0.0.1:" + std::to_string(server.Port()),
                                     "--nick", nick, "--join", "#parlevox"},
            std::vector<std::string>{"PARLEVOX_HOME=" + home.File("home"),
                                     "PARLEVOX_REGISTRY=" + home.File("registry.reg")});
    }

    NgircdServer server{2};  // PINGs an idle client after two seconds
    TempDir home;
};

TEST_F(HeadlessClientTest, RegistersJoinsAnswersPingAndShowsChannelText) {
    auto client = StartClient("headless");
    ASSERT_TRUE(client->WaitForOutput("~Connect\tConnection successful.", kTimeoutMs)) << client->Output();
    PlainIrcClient other(server.Port());
    ASSERT_TRUE(other.Connected());
    other.Send("NICK other");
    other.Send("USER other 0 * :Other");
    ASSERT_TRUE(other.WaitFor(" 001 ", kTimeoutMs));
    // Only a join after ours shows in our channel window: wait until the
    // server lists us (the creator, so an operator) in the channel.
    bool listed = false;
    for (int i = 0; i < 50 && !listed; ++i) {
        other.Send("NAMES #parlevox");
        ASSERT_TRUE(other.WaitFor(" 366 ", kTimeoutMs));
        listed = other.Received().find("@headless") != std::string::npos;
        if (!listed) client->WaitForOutput("\x01never", 100);  // a pause
    }
    ASSERT_TRUE(listed) << other.Received();
    other.Send("JOIN #parlevox");
    ASSERT_TRUE(other.WaitFor(":other!", kTimeoutMs));
    ASSERT_TRUE(client->WaitForOutput("#parlevox\t# Joins: other (", kTimeoutMs)) << client->Output();
    other.Send("PRIVMSG #parlevox :hello \x02" "from\x02 other");
    ASSERT_TRUE(client->WaitForOutput("#parlevox\t<other> hello from other\n", kTimeoutMs)) << client->Output();

    // ngircd PINGs the idle client; the answer shows in the traffic log.
    std::string log;
    for (int i = 0; i < 100 && log.find("#>PONG :") == std::string::npos; ++i) {
        client->WaitForOutput("\x01never", 100);
        log = TrafficLogText(home.File("home"));
    }
    EXPECT_NE(log.find("PING :"), std::string::npos) << log;
    EXPECT_NE(log.find("#>PONG :"), std::string::npos) << log;
    EXPECT_NE(log.find("#>NICK headless\r\n"), std::string::npos);

    // Typed lines: plain text is said in the channel and shown as the user's
    // own; "/" lines are commands.
    client->WriteInput("typed line\n/msg other hi there\n/notice #parlevox heads up\n");
    ASSERT_TRUE(other.WaitFor("PRIVMSG #parlevox :typed line", kTimeoutMs)) << other.Received();
    ASSERT_TRUE(other.WaitFor("PRIVMSG other :hi there", kTimeoutMs)) << other.Received();
    ASSERT_TRUE(other.WaitFor("NOTICE #parlevox :heads up", kTimeoutMs)) << other.Received();
    ASSERT_TRUE(client->WaitForOutput("#parlevox\t<headless> typed line\n", kTimeoutMs)) << client->Output();
    ASSERT_TRUE(client->WaitForOutput("~Status\t-> other: hi there\n", kTimeoutMs)) << client->Output();

    client->WriteInput("/quit see you\n");
    EXPECT_TRUE(other.WaitFor("QUIT :\"see you\"", kTimeoutMs)) << other.Received();
    EXPECT_EQ(client->Wait(kTimeoutMs), 0) << client->Output();
}

TEST_F(HeadlessClientTest, EndsCleanlyOnSigtermWithAQuit) {
    auto client = StartClient("termed");
    PlainIrcClient other(server.Port());
    other.Send("NICK watcher");
    other.Send("USER watcher 0 * :Watcher");
    other.Send("JOIN #parlevox");
    ASSERT_TRUE(other.WaitFor("366", kTimeoutMs));
    // In the channel already (listed), or joining after us.
    if (other.Received().find("@termed") == std::string::npos) {
        ASSERT_TRUE(other.WaitFor(":termed!", kTimeoutMs)) << other.Received();
    }
    ASSERT_TRUE(client->WaitForOutput("~Status\t", kTimeoutMs)) << client->Output();
    client->Signal(SIGTERM);
    EXPECT_EQ(client->Wait(kTimeoutMs), 0);
    EXPECT_TRUE(other.WaitFor("QUIT", kTimeoutMs)) << other.Received();
}

TEST_F(HeadlessClientTest, ARefusedServerEndsWithNoMoreServers) {
    ChildProcess client({PARLEVOX_HEADLESS_PATH, "--server", "127.0.0.1:" + std::to_string(FreeLoopbackPort()),
                         "--nick", "nobody", "--no-input"},
                        {"PARLEVOX_HOME=" + home.File("home"), "PARLEVOX_REGISTRY=" + home.File("empty.reg")});
    EXPECT_EQ(client.Wait(kTimeoutMs), 1);
    EXPECT_NE(client.Output().find("~Connect\tConnection rejected by server.\n"), std::string::npos);
    EXPECT_NE(client.Output().find("~Connect\tNo more servers to try.\n"), std::string::npos);
}

}  // namespace
}  // namespace parlevox::test
