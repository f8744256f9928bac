// The notify list in a whole session connected to a loopback server: the
// main frame's 30-second poll, the poll's reply kept from every other
// handler while the person's own /ison reply is shown, the "notify"
// command's line in the window it was typed in, the notify window, and
// the end of the connection emptying it.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Clock.h"
#include "support/LoopbackServer.h"
#include "support/OfflineSession.h"
#include "ui/ConnectDlg.h"

namespace parlevox {
namespace {

class SilentConnectView final : public ConnectDlgView {
    void AddStatusLine(const std::string&) override {}
    void AllServersFailed() override {}
    void DialogClosed(bool) override {}
};

class RecordingNotifyView final : public NotifyWindowView {
public:
    void ShowNicks(const std::vector<std::string>& shown) override { nicks = shown; }
    std::vector<std::string> nicks = {"never shown"};
};

class NotifySessionTest : public ::testing::Test, protected test::OfflineSession {
protected:
    NotifySessionTest() {
        // The main frame's timer started on the real clock; time moves on
        // from there only when the test says so.
        now = Clock::TickCount();
        loop.SetTickSource([this] { return now; });
        session->NotifyWindow().SetView(&notifyView);
        dialog = std::make_unique<CConnectDlg>(loop, app->Network().Window(), app->Network().State(), connectView, ui);
        dialog->SetSlots({ConnectSlot {"127.0.0.1", server.Port()}});
        dialog->Start();
        EXPECT_TRUE(loop.RunUntil([&] { return Sent("USER ") > 0; }, kWaitMs));
        server.Send(":srv 001 pat :Welcome\r\n:srv 004 pat srv v1 o o\r\n");
        EXPECT_TRUE(loop.RunUntil([&] { return app->Network().State().connected; }, kWaitMs));
        for (int i = 0; i < 3; ++i) loop.RunOnce(0);
    }
    ~NotifySessionTest() override {
        session->NotifyWindow().SetView(nullptr);
        dialog.reset();
    }

    size_t Sent(const std::string& prefix) const {
        return std::count_if(server.Lines().begin(), server.Lines().end(),
                             [&](const std::string& line) { return line.starts_with(prefix); });
    }
    void Type(const std::string& line) { session->Commands().Run(line, {}, {}, status); }
    void Receive(const std::string& line) {
        const size_t before = statusLines.size();
        server.Send(line + "\r\n");
        loop.RunUntil([&] { return statusLines.size() > before; }, 200);
    }

    static constexpr uint64_t kWaitMs = 3000;
    uint64_t now = 0;
    test::LoopbackServer server {loop};
    SilentConnectView connectView;
    std::unique_ptr<CConnectDlg> dialog;
    RecordingNotifyView notifyView;
};

TEST_F(NotifySessionTest, ThePollsReplyIsTheNotifyListsAloneAndThePersonsOwnIsShown) {
    EXPECT_TRUE(notifyView.nicks.empty()) << "the view shows the window's nicks as it is set";
    Type("/notify bob");
    EXPECT_EQ(statusLines.back(), "- Nickname bob added to notify list.");

    now += CNotifyWatch::kPollIntervalMs - 1;
    loop.RunOnce(0);
    EXPECT_EQ(Sent("ISON"), 0u);
    now += 1;
    loop.RunOnce(0);
    ASSERT_TRUE(loop.RunUntil([&] { return server.HasLine("ISON :NickServ bob"); }, kWaitMs));

    Type("/ison carol");
    EXPECT_EQ(statusLines.back(), "! Parlevox is currently using ISON for system purposes. Please try again later.");
    const size_t shownBefore = statusLines.size();
    Receive(":srv 303 pat :Bob");
    EXPECT_EQ(notifyView.nicks, std::vector<std::string> {"bob"});
    EXPECT_EQ(std::vector<std::string>(statusLines.begin() + shownBefore, statusLines.end()),
              std::vector<std::string> {"+ Joined IRC: bob "})
        << "nothing after the notify list saw the reply";

    Type("/ison carol");
    ASSERT_TRUE(loop.RunUntil([&] { return server.HasLine("ISON :carol"); }, kWaitMs));
    Receive(":srv 303 pat :carol");
    EXPECT_EQ(statusLines.back(), "- carol");
    EXPECT_EQ(notifyView.nicks, std::vector<std::string> {"bob"});

    session->NotifyWindow().Activate("bob");
    EXPECT_EQ(views.opened["bob"], 1) << "a double-click opens a query";

    server.Disconnect();
    ASSERT_TRUE(loop.RunUntil([&] { return !app->Network().State().connected; }, kWaitMs));
    for (int i = 0; i < 3; ++i) loop.RunOnce(0);
    EXPECT_TRUE(notifyView.nicks.empty());
}

}  // namespace
}  // namespace parlevox
