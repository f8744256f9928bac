// The main frame's client-link duties and the nick information dialog's
// user page, over a real network window: the WHOIS each request sends,
// which replies they take, the blocks that reach the advertised port, and
// the page's request, absence and arrival.
#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "irc/ClientLinkBlock.h"
#include "irc/IMNetSystem.h"
#include "irc/NetworkMessages.h"
#include "support/NetworkFixture.h"
#include "ui/ClientLinkRequests.h"
#include "ui/NickInfoDialog.h"

namespace parlevox::test {
namespace {

using namespace std::string_literals;

const YourInfoBlock kOwnInfo {"30", "Likes tea", "a@b.org", "Alice Smith", "Leeds", "F"};

class ClientLinkRequestsTest : public NetworkFixture {
protected:
    ClientLinkRequestsTest() {
        std::array<int, ColourCodes::kSlots> values {};
        values[colour::kProblem] = 4;
        values[colour::kNick] = 5;
        values[colour::kInformation] = 12;
        colours = ColourCodes(values);
        ConnectAndRegister();
        state.connected = true;
        state.currentNick = "alice";
        requests = std::make_unique<CClientLinkRequests>(ClientLinkRequestServices {
            loop, network->Handle(), state, colours, status,
            [this](const std::string& nick) {
                chatListeners.push_back(nick);
                return chatPort;
            },
            [] { return 0x7F000001u; }, [] { return kOwnInfo; }});
    }
    ~ClientLinkRequestsTest() override { requests.reset(); }

    // The WHOIS user line of bob, whose realname advertises the peer's link.
    std::string WhoisUser(const std::string& nick, const std::string& realname) {
        return ":irc.x 311 alice " + nick + " bob 127.0.0.1 * :" + realname;
    }
    std::string Advertised() { return fmt::sprintf("[IS%04X] Bob", peerLink.Port()); }
    size_t Whoises() {
        return static_cast<size_t>(std::count_if(server->Lines().begin(), server->Lines().end(),
                                                 [](const std::string& line) { return line.rfind("WHOIS ", 0) == 0; }));
    }

    ColourCodes colours;
    LoopbackServer peerLink {loop};
    std::vector<std::string> chatListeners;
    uint16_t chatPort = 4000;
    std::unique_ptr<CClientLinkRequests> requests;
};

TEST_F(ClientLinkRequestsTest, BrimConnectTakesTheWhoisRepliesAboutTheNickAndSendsTheChatBlock) {
    requests->RequestChat("Bob");
    ASSERT_TRUE(RunUntil([&] { return server->HasLine("WHOIS Bob"); }));
    struct Case {
        std::string line;
        bool passes;
    } cases[] = {
        {WhoisUser("bob", Advertised()), false},
        {":irc.x 312 alice bob irc.x :Server", false},
        {":irc.x 311 alice carol c 10.0.0.1 * :[IS1234] Carol", true},  // another nick
        {":irc.x 319 alice bob :#a #b", false},
        {":irc.x 313 alice bob :is an operator", false},
        {":irc.x 314 alice bob b h * :was", true},
        {":irc.x 315 alice bob :End of WHO", true},
        {":irc.x 316 alice bob :channel operator", true},
        {":irc.x 317 alice bob 5 100 :idle", false},
        {":irc.x 301 alice bob :away", true},  // outside 310-319
        {":irc.x 309 alice bob :x", true},
        {":irc.x 320 alice bob :x", true},
        {":irc.x 318 alice bob :End of WHOIS", false},
        {WhoisUser("bob", Advertised()), true},  // the lookup has ended
        {":irc.x 318 alice bob :End of WHOIS", true},
    };
    for (const Case& c : cases) {
        listener.texts.clear();
        Post(c.line);
        EXPECT_EQ(!listener.texts.empty(), c.passes) << c.line;
    }
    EXPECT_EQ(chatListeners, std::vector<std::string> {"Bob"});
    const std::string block = *FrameDccChatBlock("alice", 0x7F000001, chatPort);
    ASSERT_TRUE(RunUntil([&] { return peerLink.Received() == block; })) << peerLink.Received().size();
    EXPECT_EQ(requests->Pending(), 0u);
    EXPECT_TRUE(status.lines.size() == 1) << "only the local address line";
}

TEST_F(ClientLinkRequestsTest, AWhoisReplyWithoutTheLinkPortSendsNothing) {
    for (std::string realname : {"Bob Smith"s, "[ISZZZZ] Bob"s, "[IS0000] Bob"s, "[IS12"s, ""s}) {
        requests->RequestChat("bob");
        requests->SendYourInfo("bob");
        Post(WhoisUser("bob", realname));
        Post(":irc.x 318 alice bob :End of WHOIS");
    }
    for (int i = 0; i < 5; ++i) loop.RunOnce(10);
    EXPECT_TRUE(chatListeners.empty());
    EXPECT_EQ(peerLink.AcceptedCount(), 0);
    EXPECT_EQ(requests->SendsUnderWay(), 0u);
    EXPECT_EQ(status.lines.size(), 1u) << "only the local address line";
}

TEST_F(ClientLinkRequestsTest, YourInfoIsAnnouncedAndSentFromTheOwnSettings) {
    requests->SendYourInfo("bob");
    Post(WhoisUser("bob", Advertised()));
    ASSERT_EQ(status.lines.size(), 2u);
    EXPECT_EQ(status.lines[1], "\x03" "4- \b\x03" "5bob\x03" "12\b is being sent the \"Your Info\" text");
    ASSERT_TRUE(RunUntil([&] { return peerLink.Received() == *FrameYourInfoBlock(kOwnInfo); }));
    EXPECT_TRUE(chatListeners.empty());
}

TEST_F(ClientLinkRequestsTest, RequestsForANickBeingLookedUpShareItsWhois) {
    requests->RequestChat("bob");
    requests->SendYourInfo("BOB");
    requests->RequestChat("bob");
    requests->RequestChat("carol");
    EXPECT_EQ(requests->Pending(), 2u);
    ASSERT_TRUE(RunUntil([&] { return Whoises() == 2; }));
    Post(WhoisUser("bob", Advertised()));
    Post(":irc.x 318 alice bob :End of WHOIS");
    const std::string both = *FrameDccChatBlock("alice", 0x7F000001, chatPort) + *FrameYourInfoBlock(kOwnInfo);
    ASSERT_TRUE(RunUntil([&] { return peerLink.Received().size() == both.size(); }));
    EXPECT_EQ(chatListeners, std::vector<std::string> {"bob"});
    EXPECT_EQ(requests->Pending(), 1u);
    // A lost connection ends the lookups whose replies will never come.
    auto disconnect = std::make_unique<EventPayload>(std::make_unique<C_imDisconnect>(1));
    loop.SendMessage(network->Handle(), WindowMessage(netmsg::kDispatchEvent, std::move(disconnect)));
    EXPECT_EQ(requests->Pending(), 0u);
    requests->RequestChat("carol");
    EXPECT_TRUE(RunUntil([&] { return Whoises() == 3; }));
}

class RecordingUserinfoView final : public NickInfoUserinfoView {
public:
    explicit RecordingUserinfoView(CNickInfoUserinfo& page) : page_(page) {}
    void UserinfoChanged() override { lines.push_back(page_.StateLine()); }
    std::vector<std::string> lines;

private:
    CNickInfoUserinfo& page_;
};

TEST_F(ClientLinkRequestsTest, TheUserPageAsksWaitsAndLearnsOfAnAbsentNick) {
    ClientLinkInbox& inbox = network->ClientLink();
    CNickInfoUserinfo page(NickInfoServices {loop, network->Handle(), inbox}, "bob");
    RecordingUserinfoView view(page);
    page.SetView(&view);
    page.Shown();
    EXPECT_EQ(inbox.Waiting(), &page);
    ASSERT_TRUE(RunUntil([&] { return server->HasLine("PRIVMSG bob :\x01" "BVUSERINFO\x01"); }));
    Post(":irc.x 401 alice carol :No such nick");
    EXPECT_EQ(page.GetState(), CNickInfoUserinfo::State::kAsking);
    Post(":irc.x 401 alice Bob :No such nick");
    EXPECT_EQ(view.lines,
              (std::vector<std::string> {"Asking bob for their \"Your Info\" text...", "bob is not on IRC."}));
    EXPECT_EQ(listener.texts.size(), 2u) << "the page only watches";

    EXPECT_EQ(inbox.Deliver(kOwnInfo), ClientLinkInbox::Delivery::kDelivered);
    EXPECT_EQ(page.GetState(), CNickInfoUserinfo::State::kArrived);
    EXPECT_EQ(std::string(page.Fields()[3].first) + ": " + page.Fields()[3].second, "Real name: Alice Smith");
    page.Close();
    EXPECT_EQ(inbox.Waiting(), nullptr);
    EXPECT_EQ(inbox.Deliver(kOwnInfo), ClientLinkInbox::Delivery::kDropped) << "a request was just made";
}

// Each view shows its user page, as a dialog's first page is shown.
class CountingNickInfoViews final : public NickInfoViews {
public:
    class View final : public NickInfoView {
    public:
        View(CountingNickInfoViews& owner, CNickInfoDialog& dialog) : owner_(owner), dialog_(dialog) {}
        void Show() override {
            ++owner_.shown;
            dialog_.Userinfo().Shown();
        }

    private:
        CountingNickInfoViews& owner_;
        CNickInfoDialog& dialog_;
    };
    std::unique_ptr<NickInfoView> MakeNickInfoView(CNickInfoDialog& dialog) override {
        made.push_back(&dialog);
        return std::make_unique<View>(*this, dialog);
    }
    int shown = 0;
    std::vector<CNickInfoDialog*> made;
};

TEST_F(ClientLinkRequestsTest, OneDialogPerNickWhichGoesAfterItAskedTo) {
    const NickInfoServices services {loop, network->Handle(), network->ClientLink()};
    EXPECT_FALSE(NickInfoDialogs(services, nullptr).Open("bob")) << "no views, no dialog";
    CountingNickInfoViews views;
    NickInfoDialogs dialogs(services, &views);
    EXPECT_TRUE(dialogs.Open("bob"));
    EXPECT_TRUE(dialogs.Open("BOB"));
    EXPECT_TRUE(dialogs.Open("carol"));
    EXPECT_EQ(dialogs.Count(), 2u);
    EXPECT_EQ(views.shown, 3);
    ASSERT_EQ(views.made.size(), 2u);
    EXPECT_EQ(network->ClientLink().Waiting(), &views.made[1]->Userinfo());
    views.made[1]->RequestClose();
    EXPECT_EQ(network->ClientLink().Waiting(), nullptr);
    EXPECT_EQ(dialogs.Count(), 1u);
    EXPECT_TRUE(dialogs.Open("carol"));
    EXPECT_EQ(views.made.size(), 3u) << "a closed dialog opens anew";
}

}  // namespace
}  // namespace parlevox::test
