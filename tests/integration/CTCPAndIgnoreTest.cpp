// parlevox-headless on a real ngircd answers a peer's CTCP requests, shows
// its private message in a query window, and, when the peer floods it with
// CTCP, ignores the peer and stays connected. (Everyone on loopback shares
// one host, which the ignore list takes for the flooder's for a while, so
// staying connected is shown by what we send.)
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/NgircdServer.h"
#include "support/PlainIrcClient.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

constexpr int kTimeoutMs = 10000;

std::unique_ptr<PlainIrcClient> Register(int port, const std::string& nick) {
    auto client = std::make_unique<PlainIrcClient>(port);
    client->Send("NICK " + nick);
    client->Send("USER " + nick + " 0 * :" + nick);
    EXPECT_TRUE(client->WaitFor(" 001 ", kTimeoutMs));
    return client;
}

TEST(CTCPAndIgnoreTest, RepliesThenIgnoresAFlooder) {
    NgircdServer server;
    ASSERT_TRUE(server.Started());
    TempDir home;
    std::filesystem::create_directories(home.File("home"));
    ChildProcess client({PARLEVOX_HEADLESS_PATH, "--server", "127.0.0.1:" + std::to_string(server.Port()), "--nick",
                         "ours"},
                        {"PARLEVOX_HOME=" + home.File("home"), "PARLEVOX_REGISTRY=" + home.File("registry.reg")});
    ASSERT_TRUE(client.WaitForOutput("~Connect\tConnection successful.", kTimeoutMs)) << client.Output();

    auto peer = Register(server.Port(), "peer");
    peer->Send("PRIVMSG ours :\x01VERSION\x01");
    EXPECT_TRUE(peer->WaitFor("NOTICE peer :\x01VERSION Parlevox 1.5, registered (Linux)\x01", kTimeoutMs))
        << peer->Received();
    peer->Send("PRIVMSG ours :\x01" "ping 1234567890123456789\x01");
    EXPECT_TRUE(peer->WaitFor("NOTICE peer :\x01" "ping 1234567890123456\x01", kTimeoutMs)) << peer->Received();
    peer->Send("PRIVMSG ours :\x01TIME\x01");
    EXPECT_TRUE(peer->WaitFor("NOTICE peer :\x01TIME ", kTimeoutMs)) << peer->Received();
    peer->Send("PRIVMSG ours :hello there");
    EXPECT_TRUE(client.WaitForOutput("peer\t<peer> hello there\n", kTimeoutMs)) << client.Output();

    // Three requests so far; the sixth within ten seconds is a flood.
    for (int i = 0; i < 5; ++i) peer->Send("PRIVMSG ours :\x01PING " + std::to_string(i) + "\x01");
    EXPECT_TRUE(client.WaitForOutput("~Status\t- Flooding: peer (", kTimeoutMs)) << client.Output();
    peer->Send("PRIVMSG ours :still here?");
    peer->Send("PRIVMSG #nowhere :x");  // something to wait for: ngircd answers it
    ASSERT_TRUE(peer->WaitFor("#nowhere", kTimeoutMs));

    // Still connected: what we type still reaches the peer, whose words no
    // longer reach us.
    client.WriteInput("/msg peer we are still here\n");
    EXPECT_TRUE(peer->WaitFor("PRIVMSG peer :we are still here", kTimeoutMs)) << peer->Received();
    EXPECT_EQ(client.Output().find("still here?"), std::string::npos) << client.Output();

    client.CloseInput();
    EXPECT_EQ(client.Wait(kTimeoutMs), 0) << client.Output();
}

}  // namespace
}  // namespace parlevox::test
