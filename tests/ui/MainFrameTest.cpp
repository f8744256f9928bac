// The main frame over a real network window: what it shows in the status
// window, the windows it opens, the nicks it tries while registering, the
// message of the day once per server, kill boxes and one-shot tips.
#include <gtest/gtest.h>

#include "commands/CommandLineRunner.h"
#include "common/ControlBytes.h"
#include "display/Scheme.h"
#include "display/SchemeFile.h"
#include "irc/IMServer.h"
#include "support/NetworkFixture.h"
#include "support/RecordingViews.h"
#include "support/TempDir.h"
#include "ui/ChatWindows.h"
#include "display/ChanWnd.h"
#include "display/MessageWnd.h"
#include "ui/KillExplanation.h"
#include "ui/NamesList.h"
#include "ui/MainFrame.h"
#include "ui/MotdWnd.h"
#include "ui/NickRetry.h"

namespace parlevox::test {
namespace {

class NoCommands final : public CommandLineRunner {
public:
    void Run(std::string_view, const std::string&, const std::string&, CommandOutput&) override {}
    std::string& CaptureText() override { return capture; }
    std::string capture;
};

class RecordingTips final : public OneShotTips {
public:
    void ShowOnce(int tip, const char*) override { shown.push_back(tip); }
    std::vector<int> shown;
};

class MainFrameTest : public NetworkFixture {
protected:
    MainFrameTest() {
        settings.nicks = {"tester", "second", "third"};
        frame = std::make_unique<CMainFrame>(
            MainFrameServices{loop, network->Handle(), state, colours, status, windows, ui, nullptr, &tips}, settings);
        state.currentNick = "tester";
    }
    ~MainFrameTest() override {
        frame.reset();
    }
    std::vector<std::string> StatusText() const {
        std::vector<std::string> out;
        for (const auto& line : status.lines) out.push_back(StripControlCodes(line));
        return out;
    }

    ColourCodes colours;
    TempDir home;
    CSchemeManager schemes{ui, home.Path() + "/"};
    NoCommands commands;
    LineRecordingViews views;
    ChatWindows windows{ChatWindowServices{loop, network->Handle(), state, colours, commands, nullptr, ui, schemes, "/",
                                           false, {}},
                        views};
    RecordingTips tips;
    MainFrameSettings settings;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, WhatNoWindowTookGoesToTheStatusWindow) {
    for (const char* line : {":irc.x NOTICE tester :server news", "ERROR :Closing link", ":tester MODE tester :+i",
                             ":bob!b@h INVITE tester :#x", ":bob!b@h NOTICE tester :psst",
                             ":NickServ!s@h NOTICE tester :identify", ":irc.x 421 tester FOO :Unknown command"})
        Post(line);
    EXPECT_EQ(StatusText(), (std::vector<std::string>{
                                "- [Server] server news", "- Closing link", "- Your user modes have altered: +i.",
                                "- bob invites you to channel #x.", "-bob- psst", "-NickServ- identify",
                                "- FOO Unknown command"}));
    // A notice tip for people, none for the services.
    EXPECT_EQ(tips.shown, std::vector<int>{61231});
}

TEST_F(MainFrameTest, WindowsOpenForWhatArrivesWithoutOne) {
    Post(":tester!t@h JOIN :#new");
    Post(":bob!b@h PRIVMSG tester :hello");
    Post(":bob!b@h PRIVMSG tester :again");
    EXPECT_EQ(views.opened, (std::map<std::string, int>{{"#new", 1}, {"bob", 1}}));
    EXPECT_EQ(views.lines["bob"], (std::vector<std::string>{"<bob> hello", "<bob> again"}));
    EXPECT_EQ(tips.shown, std::vector<int>{61221});
}

TEST_F(MainFrameTest, ATakenNickIsRetriedWhileRegisteringThenLeftToThePerson) {
    ConnectAndRegister();
    std::vector<std::string> tried;
    for (int i = 0; i < 6; ++i) {
        Post(":irc.x 433 * " + state.currentNick + " :Nickname is already in use");
        tried.push_back(state.currentNick);
    }
    EXPECT_EQ(tried, (std::vector<std::string>{"second", "third", "tester_", "tester__", "tester___", "tester___"}));
    ASSERT_TRUE(RunUntil([&] { return server->HasLine("NICK tester___"); }));
    EXPECT_EQ(StatusText().back(), "! Every nickname tried is in use here. Choose another with /nick <nickname>.");
}

TEST_F(MainFrameTest, TheMessageOfTheDayOpensOncePerServer) {
    auto motd = [&](const std::string& server) {
        for (std::string text : {"375 tester :- motd", "372 tester :- line one", "372 tester :- line two",
                                 "376 tester :End of MOTD"})
            Post(":" + server + " " + text);
    };
    motd("irc.a");
    EXPECT_EQ(views.lines[CMotdWnd::kName], (std::vector<std::string>{"- line one", "- line two"}));
    motd("irc.a");
    motd("irc.b");
    EXPECT_EQ(views.opened[CMotdWnd::kName], 2);

    settings.hideMotds = true;
    frame->SetSettings(settings);
    motd("irc.c");
    EXPECT_EQ(views.opened[CMotdWnd::kName], 2);
}

// Each kind of window is matched by its own usage list; the message of the
// day is a built-in window, not a private chat.
TEST_F(MainFrameTest, EachWindowKindFindsItsSchemeAndFollowsItsChanges) {
    CScheme chats;
    SchemeUsage usage;
    usage.channels.clear();
    usage.privateChats = {"bob"};
    usage.builtInWindows = {"CMOTDWindow"};
    chats.SetUsage(usage);
    chats.SetBackground(0x202020);
    const std::string path = home.File("Chats.ParlevoxScheme");
    WriteSchemeFile(path, chats);
    CChanWnd& channel = windows.OpenChannel("#c");
    CMessageWnd& query = windows.OpenQueryWindow("bob");
    CChatWindow& motd = windows.OpenMotdWindow();
    ASSERT_TRUE(schemes.Install(path));
    EXPECT_EQ(channel.Scheme().Background(), CScheme::kDefaultBackground);
    EXPECT_EQ(query.Scheme().Background(), 0x202020u);
    EXPECT_EQ(motd.Scheme().Background(), 0x202020u);
    ASSERT_TRUE(windows.NamesOf("#c"));
    EXPECT_EQ(windows.NamesOf("#c")->Scheme(), &channel.Scheme());

    usage.channels = {"#c"};
    usage.privateChats.clear();
    usage.builtInWindows.clear();
    chats.SetUsage(usage);
    schemes.ApplyEdit(1, chats);
    EXPECT_EQ(channel.Scheme().Background(), 0x202020u);
    EXPECT_EQ(windows.NamesOf("#c")->Background(), 0x202020u) << "the names list was handed the new scheme";
    EXPECT_EQ(query.Scheme().Background(), CScheme::kDefaultBackground);
    EXPECT_EQ(motd.Scheme().Background(), CScheme::kDefaultBackground);
}

TEST(KillExplanationTest, TheBoxSaysWhoKilledAndWhy) {
    struct Case {
        const char* line;
        const char* title;
        const char* inText;
    } cases[] = {
        {":NickServ!s@h KILL me :NickServ Enforcement", "NickServ kill", "enforces nickname ownership"},
        {":NickServ!s@h KILL me :(Ghost command used by Bob!b@h)", "NickServ ghost", "by Bob!b@h. Most likely"},
        {":irc.x KILL me :Nick collision", "Server kill", "by the server irc.x. The message is:\n\nNick collision"},
        {":oper!o@h KILL me", "You've been /killed", "by oper!o@h. The message is:\n\n\n\nNormally"},
    };
    for (const Case& c : cases) {
        ParsedLine parsed = ParseIRCLine(c.line, ParseOptions{});
        auto* kill = dynamic_cast<C_imKill*>(parsed.message.get());
        ASSERT_NE(kill, nullptr) << c.line;
        MessageBoxRequest box = KillExplanation(*kill);
        EXPECT_EQ(box.title, c.title);
        EXPECT_NE(box.text.find(c.inText), std::string::npos) << box.text;
    }
}

TEST(NickRetryTest, EmptySettingsAreSkipped) {
    NickRetry retry({"one", "", "three"});
    EXPECT_EQ(retry.Next("one"), "three");
    EXPECT_EQ(retry.Next("three"), "one_");
    NickRetry none({"", "", ""});
    EXPECT_EQ(none.Next("guest"), "guest_");
    EXPECT_EQ(none.Next(""), std::nullopt);
}

}  // namespace
}  // namespace parlevox::test
