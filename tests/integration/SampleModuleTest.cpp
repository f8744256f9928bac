// The shipped sample module installed in our client on a real ngircd: its
// reactions greet a peer who joins and answer the peer's "!coffee", once
// per cool-down.
#include <gtest/gtest.h>

#include <filesystem>

#include "ChatSessionFixture.h"

namespace parlevox::test {
namespace {

using SampleModuleTest = ChatSessionFixture;

TEST_F(SampleModuleTest, ItsReactionsAnswerAPeerInTheChannel) {
    const std::string installed = home.File("Sample.ParlevoxModule");
    std::filesystem::copy_file(PARLEVOX_SAMPLE_MODULE_FILE, installed);
    ASSERT_TRUE(app->Modules().Install(installed)) << ::testing::PrintToString(ui.boxes.size());
    EXPECT_EQ(session->Reactions().Reactions().size(), 2u);
    ASSERT_TRUE(RunUntil([&] { return app->Network().State().connected; })) << ::testing::PrintToString(statusLines);
    Type("/join #pvx");
    ASSERT_TRUE(RunUntil([&] { return session->Windows().FindChannel("#pvx") != nullptr; }));

    PlainIrcClient peer(server.Port());
    peer.Send("NICK peer");
    peer.Send("USER peer 0 * :Peer");
    peer.Send("JOIN #pvx");
    ASSERT_TRUE(peer.WaitFor("366", kTimeoutMs));
    ASSERT_TRUE(RunUntil([&] { return peer.WaitFor("Welcome to #pvx, peer!", 10); }));

    peer.Send("PRIVMSG #pvx :!coffee");
    ASSERT_TRUE(RunUntil([&] { return peer.WaitFor("pours peer a cup of coffee", 10); }));
    // Within the cool-down a second request goes unanswered; a marker line
    // after it shows the reaction had its chance.
    peer.Send("PRIVMSG #pvx :!coffee");
    peer.Send("PRIVMSG #pvx :marker");
    ASSERT_TRUE(Shown("#pvx", "<peer> marker"));
    EXPECT_FALSE(peer.WaitFor("pours peer a cup of coffee", 200));
}

}  // namespace
}  // namespace parlevox::test
