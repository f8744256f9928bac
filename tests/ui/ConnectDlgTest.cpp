// The connect dialog driving the network window over real loopback sockets.
#include <gtest/gtest.h>

#include <algorithm>

#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "support/NetworkFixture.h"
#include "settings/OptionsRecord.h"
#include "support/NgircdServer.h"
#include "ui/ConnectDlg.h"

namespace parlevox::test {
namespace {

class RecordingDialogView : public ConnectDlgView {
public:
    void AddStatusLine(const std::string& text) override { lines.push_back(text); }
    void AllServersFailed() override { exhausted = true; }
    void DialogClosed(bool connected) override {
        closed = true;
        closedConnected = connected;
    }
    std::vector<std::string> lines;
    bool exhausted = false;
    bool closed = false;
    bool closedConnected = false;
};

class ConnectDlgTest : public NetworkFixture {
protected:
    ConnectDlgTest() {
        network->SetConnectProgress(nullptr);
        dialog = std::make_unique<CConnectDlg>(loop, *network, state, view, ui);
    }
    ~ConnectDlgTest() override { dialog.reset(); }

    void StartWithLoopbackServer() {
        dialog->SetSlots({ConnectSlot{"127.0.0.1", server->Port()}, ConnectSlot{}, ConnectSlot{}});
        dialog->Start();
        ASSERT_TRUE(RunUntil([&] {
            return !server->Lines().empty() && server->Lines().back().rfind("USER ", 0) == 0;
        }));
    }

    RecordingDialogView view;
    std::unique_ptr<CConnectDlg> dialog;
};

TEST_F(ConnectDlgTest, SlotsComeFromTheServerSettings) {
    registry.WriteProfileString("Servers", "Server1", "irc.one.example");
    registry.WriteProfileInt("Servers", "Port1", 6667);
    registry.WriteProfileString("servers", "server3", "irc.three.example");
    registry.WriteProfileInt("Servers", "Port3", 7000);
    OptionsRecord options;
    options.Load(registry);
    auto slots = CConnectDlg::SlotsFrom(options.servers);
    EXPECT_EQ(slots[0].host, "irc.one.example");
    EXPECT_EQ(slots[0].port, 6667);
    EXPECT_EQ(slots[1].host, "");
    EXPECT_EQ(slots[2].host, "irc.three.example");
    EXPECT_EQ(slots[2].port, 7000);
}

TEST_F(ConnectDlgTest, APasswordIsAskedForAndSentFirstWhenTheServerNeedsOne) {
    dialog->SetNeedsPassword(true);
    ui.promptAnswers.push_back(std::string("sesame"));
    StartWithLoopbackServer();
    ASSERT_EQ(ui.prompts.size(), 1u);
    EXPECT_EQ(ui.prompts[0].prompt, "Enter the password for this IRC server.");
    EXPECT_EQ(ui.prompts[0].title, "Server password");
    EXPECT_EQ(server->Lines().front(), "PASS sesame");
}

TEST_F(ConnectDlgTest, ACancelledPasswordPromptSendsNoPass) {
    dialog->SetNeedsPassword(true);
    StartWithLoopbackServer();
    EXPECT_EQ(ui.prompts.size(), 1u);
    EXPECT_EQ(server->Lines().front(), "NICK tester");
}

TEST_F(ConnectDlgTest, ThreeRefusedServersEndWithNoMoreServers) {
    std::array<ConnectSlot, 3> slots;
    for (auto& slot : slots) slot = {"127.0.0.1", static_cast<uint16_t>(FreeLoopbackPort())};
    dialog->SetSlots(slots);
    dialog->Start();
    ASSERT_TRUE(RunUntil([&] { return view.exhausted; }));
    EXPECT_EQ(view.lines.back(), "No more servers to try.");
    EXPECT_EQ(std::count(view.lines.begin(), view.lines.end(), "Connection rejected by server."), 3);
    EXPECT_EQ(std::count_if(view.lines.begin(), view.lines.end(),
                            [](const std::string& l) { return l.rfind("Connecting to 127.0.0.1 : ", 0) == 0; }),
              3);
}

TEST_F(ConnectDlgTest, AnUnresolvableHostMovesOnToTheNextSlot) {
    dialog->SetSlots({ConnectSlot{"no-such-host.invalid", 6667}, ConnectSlot{"127.0.0.1", server->Port()}, ConnectSlot{}});
    dialog->Start();
    ASSERT_TRUE(RunUntil([&] { return !server->Lines().empty(); }));
    EXPECT_NE(std::find(view.lines.begin(), view.lines.end(), "The host name could not be resolved."), view.lines.end());
}

TEST_F(ConnectDlgTest, LogonRepliesFillTheStatusListAndNumeric004Connects) {
    StartWithLoopbackServer();
    server->Send(":irc.example.net 001 tester :Welcome to the network\r\n"
                 ":irc.example.net 002 tester :Your host is irc.example.net\r\n"
                 ":irc.example.net 003 tester :This server was created today\r\n"
                 ":irc.example.net 004 tester irc.example.net dal4.4.15 oiwsx biklmnopstv\r\n");
    ASSERT_TRUE(RunUntil([&] { return view.closed; }));
    EXPECT_TRUE(view.closedConnected);
    EXPECT_TRUE(state.connected);
    EXPECT_EQ(state.serverName, "irc.example.net");
    EXPECT_DOUBLE_EQ(state.servicesVersion, 4.4);
    std::vector<std::string> tail(view.lines.end() - 4, view.lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Welcome to the network", "Your host is irc.example.net",
                                              "This server was created today", "Connection successful."}));
    // The Connect event is posted for dispatch after the dialog closed.
    ASSERT_TRUE(RunUntil([&] {
        return std::find(listener.types.begin(), listener.types.end(), kConnect) != listener.types.end();
    }));
    EXPECT_FALSE(dialog->IsOpen());
}

TEST_F(ConnectDlgTest, AnErrorLineResetsAndTriesTheNextServer) {
    StartWithLoopbackServer();
    server->Send("ERROR :Closing Link: banned\r\n");
    ASSERT_TRUE(RunUntil([&] { return view.exhausted; }));
    EXPECT_NE(std::find(view.lines.begin(), view.lines.end(), "Closing Link: banned"), view.lines.end());
    EXPECT_EQ(view.lines.back(), "No more servers to try.");
    EXPECT_FALSE(network->Socket().IsOpen());
}

TEST_F(ConnectDlgTest, AnErrorLineFollowedByTheCloseMovesOnOnlyOnce) {
    StartWithLoopbackServer();
    server->Send("ERROR :Closing Link: throttled\r\n");
    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return view.exhausted; }));
    loop.RunUntil([] { return false; }, 100);
    EXPECT_EQ(std::count(view.lines.begin(), view.lines.end(), "No more servers to try."), 1);
    EXPECT_EQ(std::count(view.lines.begin(), view.lines.end(), "Server slot 2 is empty."), 1);
    EXPECT_NE(std::find(view.lines.begin(), view.lines.end(), "Closing Link: throttled"), view.lines.end());
}

TEST_F(ConnectDlgTest, CancellingResetsTheSocketAndClosesTheDialog) {
    StartWithLoopbackServer();
    dialog->Cancel();
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(view.closedConnected);
    EXPECT_FALSE(network->Socket().IsOpen());
    EXPECT_FALSE(dialog->IsOpen());
}

TEST_F(ConnectDlgTest, EmptySlotsAreSkippedWithANote) {
    dialog->SetSlots({ConnectSlot{}, ConnectSlot{}, ConnectSlot{}});
    dialog->Start();
    EXPECT_TRUE(view.exhausted);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"Server slot 1 is empty.", "Server slot 2 is empty.",
                                                     "Server slot 3 is empty.", "No more servers to try."}));
}

TEST(ServicesVersionTest, ReadsTheNumberAfterDal) {
    struct Case {
        const char* version;
        double expected;
    } cases[] = {
        {"dal4.4.15", 4.4}, {"dal4.6", 4.6},   {"dal  5", 5},     {"dalnet", 0},     {"dal", 0},
        {"dalinf", 0},      {"dal0x10", 0},    {"ngircd-26.1", 0}, {"DAL4.4", 0},    {"dal.5", 0.5},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ServicesVersionFromServerVersion(c.version), c.expected) << c.version;
}

TEST(ServicesVersionTest, ServicesHostsEndWithTheDomainIgnoringCase) {
    EXPECT_TRUE(IsServicesHost("irc.DAL.net"));
    EXPECT_TRUE(IsServicesHost(".dal.net"));
    EXPECT_FALSE(IsServicesHost("dal.net"));
    EXPECT_FALSE(IsServicesHost("irc.example.net"));
}

}  // namespace
}  // namespace parlevox::test
