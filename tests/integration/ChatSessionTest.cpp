// Our client core and a plain socket peer in one channel of a real ngircd:
// they op, voice, kick, part and change nicks, and ours must end with the
// right names list and the right window lines.
#include <gtest/gtest.h>

#include <map>

#include "common/ControlBytes.h"
#include "display/ChanWnd.h"
#include "display/MessageWnd.h"
#include "ChatSessionFixture.h"

namespace parlevox::test {
namespace {

using ChatSessionTest = ChatSessionFixture;

TEST_F(ChatSessionTest, MembershipAndLinesFollowTheChannel) {
    PlainIrcClient peer(server.Port());
    peer.Send("NICK peer");
    peer.Send("USER peer 0 * :Peer");
    peer.Send("JOIN #pvx");
    ASSERT_TRUE(peer.WaitFor("366", kTimeoutMs));
    ASSERT_TRUE(RunUntil([&] { return app->Network().State().connected; })) << ::testing::PrintToString(statusLines);

    // The channel's remembered logging switch and its favourite's topic.
    app->Options().channels.push_back(ChannelSetting{"#PVX", "", true});
    app->Options().favourites.push_back(FavouriteChannel{"#pvx", "", false});
    Type("/join #pvx");
    ASSERT_TRUE(RunUntil([&] { return Entries().size() == 2; }));
    EXPECT_TRUE(session->Windows().FindChannel("#pvx")->Logging());
    peer.Send("TOPIC #pvx :all about pvx");
    ASSERT_TRUE(Shown("#pvx", "# peer sets topic to: all about pvx"));
    EXPECT_EQ(app->Options().favourites[0].topic, "all about pvx");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"opeer1", "zours1"}));

    peer.Send("MODE #pvx +ov ours ours");
    ASSERT_TRUE(Shown("#pvx", "# peer changes mode: +ov ours ours"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Oours1", "opeer1"}));

    Type("/deop #pvx peer");
    ASSERT_TRUE(Shown("#pvx", "# ours changes mode: -o peer"));
    peer.Send("NICK peer2");
    ASSERT_TRUE(Shown("#pvx", "# peer changes nick to peer2"));
    Type("/nick ours2");
    ASSERT_TRUE(Shown("#pvx", "# ours changes nick to ours2"));
    EXPECT_EQ(app->Network().State().currentNick, "ours2");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Oours21", "zpeer21"}));

    Type("/kick #pvx peer2 enough");
    ASSERT_TRUE(Shown("#pvx", "# Kicked: peer2 (by ours2: enough)"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Oours21"}));

    peer.Send("JOIN #pvx");
    ASSERT_TRUE(Shown("#pvx", "# Joins: peer2 ("));
    peer.Send("PRIVMSG #pvx :hello ours2");
    ASSERT_TRUE(Shown("#pvx", "<peer2> hello ours2"));
    // A private message opens a query window, which shows it and answers.
    peer.Send("PRIVMSG ours2 :psst");
    ASSERT_TRUE(Shown("peer2", "<peer2> psst"));
    session->Windows().FindQuery("peer2")->Type("hi back");
    ASSERT_TRUE(peer.WaitFor("PRIVMSG peer2 :hi back", kTimeoutMs)) << peer.Received();
    ASSERT_TRUE(Shown("peer2", "<ours2> hi back"));
    peer.Send("PART #pvx :later");
    ASSERT_TRUE(RunUntil([&] { return Entries().size() == 1; }));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Oours21"}));

    session->Windows().FindChannel("#pvx")->Type("bye all");
    ASSERT_TRUE(Shown("#pvx", "<ours2> bye all"));

    Type("/part #pvx done");
    ASSERT_TRUE(RunUntil([&] { return session->Windows().FindChannel("#pvx") == nullptr; }));
    const std::string log = ReadWholeFile(home.File("logs/#pvx.log"));
    EXPECT_NE(log.find("# Kicked: peer2 (by ours2: enough)\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("- [Log end:"), std::string::npos) << log;
}

}  // namespace
}  // namespace parlevox::test
