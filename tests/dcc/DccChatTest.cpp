#include "dcc/DCCChatWnd.h"

#include <chrono>
#include <memory>

#include "dcc/DccLineBuffer.h"
#include "display/ChatWindowFixture.h"
#include "platform/SocketErrors.h"
#include "support/LoopbackServer.h"

namespace parlevox::test {
namespace {

constexpr uint32_t kLoopback = 0x7F000001;

class ChatView : public RecordingChatView {
public:
    void OfferPending(bool pending) override { offers.push_back(pending); }
    void NicknameMenu(const std::string& nickname, int x, int y) override {
        menus.push_back(nickname + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void ContextMenu(int x, int y) override { menus.push_back(std::to_string(x) + "," + std::to_string(y)); }
    std::vector<bool> offers;
    std::vector<std::string> menus;
};

std::string Status(int slot, const std::string& text) {
    return "- " + C(slot) + text;
}
std::string Speech(const std::string& who, const std::string& text) {
    return C(0) + "<" + C(5) + "\b" + who + "\b" + C(0) + "> " + text;
}
std::string Action(const std::string& who, const std::string& text) {
    return C(0) + "* " + C(5) + "\b" + who + "\b" + C(0) + text;
}

// Notes how its connect ended.
class ConnectProbe final : public AsyncSocket {
public:
    using AsyncSocket::AsyncSocket;
    void OnConnect(int error) override { result = error; }
    int result = -1;
};

class DccChatTest : public ChatWindowFixture {
protected:
    ~DccChatTest() override {
        window.reset();
        other.reset();
    }

    std::unique_ptr<CDCCChatWnd> Open(const std::string& peer, uint16_t telnetPort, ChatView& v) {
        return std::make_unique<CDCCChatWnd>(Services(), peer, telnetPort, v);
    }
    // A chat with the scripted peer, connected.
    void ConnectToPeer() {
        window = Open("bob", 0, chatView);
        window->Connect(kLoopback, peer.Port());
        ASSERT_TRUE(loop.RunUntil([&] { return window->IsConnected() && peer.HasClient(); }, 5000));
    }
    bool Shows(ChatView& v, size_t count) {
        return loop.RunUntil([&] { return v.lines.size() >= count; }, 5000);
    }
    void Settle(int ms = 30) { loop.RunUntil([] { return false; }, static_cast<uint64_t>(ms)); }

    ChatView chatView, otherView;
    LoopbackServer peer{loop};
    std::unique_ptr<CDCCChatWnd> window, other;
};

TEST_F(DccChatTest, ReceivedLinesShowAsTheirLineEndsArrive) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::vector<std::string> reads;
        std::vector<std::vector<std::string>> shown;  // new lines after each read
    } cases[] = {
        {"CR LF and LF in one read", {"hi\r\nthere\n"}, {{Speech("bob", "hi"), Speech("bob", "there")}}},
        {"a lone LF later ends the line", {"hi", "\n"}, {{}, {Speech("bob", "hi")}}},
        {"an action in any case", {"/ME waves\n"}, {{Action("bob", " waves")}}},
        {"LFs only", {"\n\n\n\n"}, {{Speech("bob", ""), Speech("bob", "")}}},
        // A zero byte would cut the line short and a nickname mark would
        // make a menu; the colour and style codes stay.
        {"control bytes", {"a\0b\bc\x01\x07\x1b[2Jd\t\x02" "e\x03" "4f\x7f\n"s},
         {{Speech("bob", "abc[2Jd \x02" "e\x03" "4f")}}},
    };
    for (const auto& c : cases) {
        ConnectToPeer();
        for (size_t i = 0; i < c.reads.size(); ++i) {
            const size_t before = chatView.lines.size();
            peer.Send(c.reads[i]);
            if (c.shown[i].empty()) Settle();
            else ASSERT_TRUE(Shows(chatView, before + c.shown[i].size())) << c.name;
            Settle();
            const std::vector<std::string> added(chatView.lines.begin() + static_cast<long>(before), chatView.lines.end());
            EXPECT_EQ(added, c.shown[i]) << c.name << ", read " << i;
        }
        window.reset();
        chatView.lines.clear();
    }
}

TEST_F(DccChatTest, APeerClosingShowsItsLastWordsAndEndsTheInput) {
    ConnectToPeer();
    peer.Send("see you\nbye");
    ASSERT_TRUE(Shows(chatView, 2));
    peer.Disconnect();
    ASSERT_TRUE(loop.RunUntil([&] { return !window->IsConnected(); }, 5000));
    EXPECT_EQ(chatView.lines, (std::vector<std::string>{Status(13, "Connected."), Speech("bob", "see you"),
                                                        Speech("bob", "bye"), Status(13, "The connection was closed.")}));
    EXPECT_EQ(chatView.inputs, (std::vector<bool>{false, true, false}));
    // Typing into the closed chat sends nothing and shows nothing.
    window->Type("anyone?");
    EXPECT_EQ(chatView.lines.size(), 4u);
}

TEST_F(DccChatTest, DataWithoutALineEndClosesWithTheCompatibilityMessage) {
    for (size_t size : {DccLineBuffer::kSize, size_t{4} << 20}) {
        ConnectToPeer();
        peer.Send(std::string(size, 'x'));
        ASSERT_TRUE(loop.RunUntil([&] { return !window->IsConnected(); }, 5000)) << size;
        EXPECT_EQ(chatView.Last(), Status(14, "Too much data with no line-end; sending program doesn't appear to be "
                                              "compatible."));
        EXPECT_EQ(chatView.inputs, (std::vector<bool>{false, true, false}));
        // The connection is gone: the peer sees it close.
        EXPECT_TRUE(loop.RunUntil([&] { return !peer.HasClient(); }, 5000));
        window.reset();
        chatView = ChatView();
    }
}

TEST_F(DccChatTest, TypedLinesAreSentAndEchoedOrRunAsCommands) {
    const struct {
        const char* typed;
        const char* sent;     // null: nothing goes to the peer
        std::string echoed;   // empty: no line
        bool command;
    } cases[] = {
        {"hello there", "hello there", Speech("Me", "hello there"), false},
        {"/me waves", "/me waves", Action("Me", " waves"), false},
        {"/ME waves", nullptr, "", true},
        {"/Me waves", nullptr, "", true},
        {"/join #x", nullptr, "", true},
        {"", nullptr, "", false},
    };
    ConnectToPeer();
    for (const auto& c : cases) {
        const size_t lines = chatView.lines.size();
        const size_t runs = runner.runs.size();
        const size_t received = peer.Lines().size();
        window->Type(c.typed);
        if (c.sent) ASSERT_TRUE(loop.RunUntil([&] { return peer.Lines().size() > received; }, 5000)) << c.typed;
        else Settle();
        EXPECT_EQ(peer.Lines().size(), received + (c.sent ? 1 : 0)) << c.typed;
        if (c.sent) {
            EXPECT_EQ(peer.Lines().back(), c.sent);
        }
        EXPECT_EQ(chatView.lines.size(), lines + (c.echoed.empty() ? 0 : 1)) << c.typed;
        if (!c.echoed.empty()) {
            EXPECT_EQ(chatView.Last(), c.echoed);
        }
        ASSERT_EQ(runner.runs.size(), runs + (c.command ? 1 : 0)) << c.typed;
        if (c.command) {
            EXPECT_EQ(runner.runs.back().line, c.typed);
            EXPECT_EQ(runner.runs.back().channel, "bob");
            EXPECT_EQ(runner.runs.back().nick, "bob");
        }
    }
    // Each line goes out with a single line feed.
    EXPECT_EQ(peer.Received(), "hello there\n/me waves\n");
}

TEST_F(DccChatTest, AnOfferedChatOverLoopbackCarriesLinesBothWaysUntilOneSideCloses) {
    // We offer bob a chat; `other` is bob's client, whose window names us alice.
    window = Open("bob", 0, chatView);
    DccTransferSettings settings;
    settings.bindAddress = "127.0.0.1";
    const uint16_t port = window->Listen(settings);
    ASSERT_NE(port, 0);
    EXPECT_TRUE(chatView.lines.empty());
    other = Open("alice", 0, otherView);
    other->Connect(kLoopback, port);
    ASSERT_TRUE(loop.RunUntil([&] { return window->IsConnected() && other->IsConnected(); }, 5000));
    EXPECT_EQ(chatView.lines, (std::vector<std::string>{Status(13, "Connected.")}));
    EXPECT_EQ(otherView.inputs, (std::vector<bool>{false, true}));

    window->Type("hi bob");
    other->Type("/me waves back");
    ASSERT_TRUE(Shows(chatView, 3));
    ASSERT_TRUE(Shows(otherView, 3));
    EXPECT_EQ(chatView.lines[1], Speech("Me", "hi bob"));
    EXPECT_EQ(otherView.lines[1], Action("Me", " waves back"));
    EXPECT_EQ(otherView.lines[2], Speech("alice", "hi bob"));
    EXPECT_EQ(chatView.lines[2], Action("bob", " waves back"));

    // The listener went with the first connection: nobody else gets in.
    ConnectProbe late(loop);
    ASSERT_TRUE(late.Create(0, AsyncSocket::kConnect));
    if (!late.Connect("127.0.0.1", port) && late.LastError() == wsa::kWouldBlock) {
        ASSERT_TRUE(loop.RunUntil([&] { return late.result != -1; }, 5000));
    }
    EXPECT_EQ(late.LastError(), wsa::kConnectionRefused);
    late.Close();

    other.reset();  // the user closes bob's window
    ASSERT_TRUE(loop.RunUntil([&] { return !window->IsConnected(); }, 5000));
    EXPECT_EQ(chatView.Last(), Status(13, "The connection was closed."));
    EXPECT_EQ(chatView.inputs.back(), false);
    EXPECT_EQ(chatView.lines.size(), 4u);
}

TEST_F(DccChatTest, AListenerTakesTheFirstFreePortOfTheRange) {
    DccTransferSettings settings;
    settings.bindAddress = "127.0.0.1";
    // The scripted peer holds the range's first port.
    settings.ports = {peer.Port(), static_cast<uint16_t>(peer.Port() + 20)};
    window = Open("ann", 0, chatView);
    const uint16_t port = window->Listen(settings);
    EXPECT_GT(port, peer.Port());
    EXPECT_LE(port, settings.ports.last);
    EXPECT_TRUE(chatView.lines.empty());

    settings.ports = {peer.Port(), peer.Port()};
    other = Open("bob", 0, otherView);
    EXPECT_EQ(other->Listen(settings), 0);
    EXPECT_EQ(otherView.lines, (std::vector<std::string>{Status(14, "It wasn't possible to create a listening socket.")}));
}

TEST_F(DccChatTest, ConnectFailuresLeaveAStatusLine) {
    // A port nobody listens on: the listener is made and closed again.
    uint16_t closedPort = 0;
    {
        AsyncSocket probe(loop);
        ASSERT_TRUE(probe.Create(0, 0, "127.0.0.1"));
        std::string address;
        ASSERT_TRUE(probe.GetSockName(address, closedPort));
    }
    window = Open("bob", 0, chatView);
    window->Connect(kLoopback, closedPort);
    ASSERT_TRUE(Shows(chatView, 1));
    EXPECT_EQ(chatView.lines, (std::vector<std::string>{Status(14, "Connection attempt failed.")}));
    EXPECT_FALSE(window->IsConnected());
}

TEST_F(DccChatTest, TitlesAndTheRightClickMenuFollowTheKindOfWindow) {
    const struct {
        const char* peer;
        uint16_t telnetPort;
        const char* title;
        const char* menu;
    } cases[] = {
        {"bob", 0, "bob - DCC Chat", "bob 7,9"},
        {"h", 23, "h 23 - Telnet", "7,9"},
    };
    for (const auto& c : cases) {
        ChatView v;
        auto w = Open(c.peer, c.telnetPort, v);
        EXPECT_EQ(w->Caption(), c.title);
        EXPECT_EQ(w->IsTelnet(), c.telnetPort != 0);
        EXPECT_EQ(w->SchemeTarget().kind, SchemeWindow::Kind::PrivateChat);
        EXPECT_EQ(v.inputs, (std::vector<bool>{false}));
        w->OnContextMenu(7, 9);
        EXPECT_EQ(v.menus, (std::vector<std::string>{c.menu}));
    }
}

TEST_F(DccChatTest, AStrangersOfferWaitsForAcceptAndDeclineConnectsNowhere) {
    for (bool accept : {true, false}) {
        window = Open("bob", 0, chatView);
        window->HoldOffer(kLoopback, peer.Port());
        EXPECT_TRUE(window->OfferPending());
        EXPECT_EQ(chatView.offers, (std::vector<bool>{true}));
        EXPECT_EQ(chatView.Last(), Status(13, "bob offers a DCC chat from 127.0.0.1 port " +
                                                   std::to_string(peer.Port()) +
                                                   ". Accept connects to it (and lets them see your address); "
                                                   "Decline closes this window."));
        Settle();
        EXPECT_EQ(peer.AcceptedCount(), accept ? 0 : 1);  // the declined round follows an accepted one
        if (accept) {
            window->AcceptOffer();
            EXPECT_TRUE(loop.RunUntil([&] { return window->IsConnected() && peer.AcceptedCount() == 1; }, 5000));
            EXPECT_EQ(chatView.closeRequests, 0);
        } else {
            window->DeclineOffer();
            Settle();
            EXPECT_EQ(peer.AcceptedCount(), 1);
            EXPECT_EQ(chatView.closeRequests, 1);
            EXPECT_FALSE(window->IsConnected());
        }
        EXPECT_FALSE(window->OfferPending());
        EXPECT_EQ(chatView.offers, (std::vector<bool>{true, false}));
        window->AcceptOffer();  // nothing is held any more
        Settle();
        EXPECT_EQ(peer.AcceptedCount(), 1);
        window.reset();
        chatView = ChatView();
    }
}

TEST_F(DccChatTest, APeerThatSaysNothingCostsNothing) {
    ConnectToPeer();
    Settle();
    const size_t lines = chatView.lines.size();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) loop.RunOnce(100);
    // Every wait ran its time: no notification kept the loop busy.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(480));
    EXPECT_EQ(chatView.lines.size(), lines);
    EXPECT_TRUE(window->IsConnected());
}

TEST_F(DccChatTest, APeerThatStopsReadingIsDroppedOnceAMebibyteWaits) {
    ConnectToPeer();
    peer.StopReading();
    const std::string line(60000, 'x');
    int typed = 0;
    while (window->IsConnected() && typed < 1000) {
        window->Type(line);
        ++typed;
        loop.RunOnce(0);
    }
    EXPECT_FALSE(window->IsConnected());
    EXPECT_EQ(chatView.Last(), Status(14, "The other side takes nothing more; the connection was closed."));
}

}  // namespace
}  // namespace parlevox::test
