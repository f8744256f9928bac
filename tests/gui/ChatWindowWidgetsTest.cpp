// The Qt views over a real chat session: a loopback server in the test's
// own loop plays the IRC server, QtChatViews makes the widgets, and what is
// typed into them must reach the server and show in their panes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "display/ChanWnd.h"
#include "display/Scheme.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/ConnectDlg.h"
#include "ui/StatusWindow.h"
#include "ui/qt/ChannelWindowWidget.h"
#include "ui/qt/InputLine.h"
#include "ui/qt/NamesListWidget.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/QtChatViews.h"
#include "ui/qt/StatusWindowWidget.h"

namespace parlevox {
namespace {

constexpr uint64_t kTimeoutMs = 5000;

class ChatWindowWidgetsTest : public testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{home.File("settings.reg"), home.Path(), false});
        app->Options().nicknames[0].name = "ours";
        app->OptionsChanged();
        session = std::make_unique<CChatSession>(*app, status, views);
        session->TurnTipsOff();
        statusWidget.Attach(status, app->Colours());
        views.SetNamesOf([this](const std::string& channel) { return session->Windows().NamesOf(channel); });
        views.SetUserMenus(&session->Menus());
        QObject::connect(&views, &QtChatViews::windowOpened, [this](ChatWindowWidget* widget) {
            opened.push_back(widget);
            frames.push_back(area.addSubWindow(widget));
        });
        Connect();
    }
    void TearDown() override {
        dialog.reset();
        session.reset();
        app.reset();
    }
    void Connect() {
        dialog = std::make_unique<CConnectDlg>(loop, app->Network().Window(), app->Network().State(), dialogView, ui);
        dialog->SetSlots({ConnectSlot{"127.0.0.1", server.Port()}});
        dialog->Start();
        ASSERT_TRUE(Received("USER "));
        server.Send(":srv 001 ours :Welcome\r\n:srv 004 ours srv v1 o o\r\n");
        ASSERT_TRUE(RunUntil([&] { return app->Network().State().connected; }));
    }
    bool RunUntil(const std::function<bool()>& done) { return loop.RunUntil(done, kTimeoutMs); }
    bool Received(const std::string& start) {
        return RunUntil([&] {
            for (const std::string& line : server.Lines())
                if (line.rfind(start, 0) == 0) return true;
            return false;
        });
    }
    static std::string PaneText(OutputPaneWidget& pane) {
        std::string text(1 << 16, '\0');
        text.resize(pane.Pane()->GetAllText(text.data(), text.size()));
        return text;
    }
    void Enter(InputLine& input, const std::string& line) {
        input.SetLine(line);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&input, &enter);
    }
    ChannelWindowWidget* JoinChannel() {
        server.Send(":ours!u@h JOIN #pvx\r\n:srv 353 ours = #pvx :@ours peer\r\n:srv 366 ours #pvx :End\r\n");
        if (!RunUntil([&] { return !opened.empty() && session->Windows().NamesOf("#pvx")->Count() == 2; }))
            return nullptr;
        return dynamic_cast<ChannelWindowWidget*>(opened.back().data());
    }

    PollEventLoop loop;
    test::LoopbackServer server{loop};
    test::TempDir home;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio{false};
    CScheme scheme;
    QMdiArea area;  // outlives the session, which deletes the widgets
    StatusWindowWidget statusWidget;
    CStatusWindow status{ui, scheme, statusWidget};
    QtChatViews views;
    std::unique_ptr<CBrimvaleApp> app;
    std::unique_ptr<CChatSession> session;
    struct : ConnectDlgView {
        void AddStatusLine(const std::string&) override {}
        void AllServersFailed() override {}
        void DialogClosed(bool) override {}
    } dialogView;
    std::unique_ptr<CConnectDlg> dialog;
    std::vector<QPointer<ChatWindowWidget>> opened;
    std::vector<QPointer<QMdiSubWindow>> frames;
};

TEST_F(ChatWindowWidgetsTest, ALineTypedInTheChannelGoesToTheServerAndShows) {
    ChannelWindowWidget* channel = JoinChannel();
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->WindowName(), "#pvx");
    EXPECT_EQ(channel->Pane().Pane(), &session->Windows().FindChannel("#pvx")->Pane());
    int shown = 0;
    QObject::connect(channel, &ChatWindowWidget::lineShown, [&] { ++shown; });

    Enter(*channel->Input(), "hello there");
    EXPECT_TRUE(channel->Input()->Line().empty());
    ASSERT_TRUE(Received("PRIVMSG #pvx :hello there")) << testing::PrintToString(server.Lines());
    EXPECT_NE(PaneText(channel->Pane()).find("<ours> hello there"), std::string::npos) << PaneText(channel->Pane());
    EXPECT_GE(shown, 1);

    // Tab completes from the channel's own names list.
    channel->Input()->SetLine("hi pe");
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(channel->Input(), &tab);
    EXPECT_EQ(channel->Input()->Line(), "hi peer");

    server.Send(":srv 332 ours #pvx :all about pvx\r\n");
    ASSERT_TRUE(RunUntil([&] { return channel->windowTitle() == "#pvx - all about pvx"; }));
}

TEST_F(ChatWindowWidgetsTest, ClosingAChannelPartsAndTheCoreTakesWidgetAndFrame) {
    QPointer<ChannelWindowWidget> channel = JoinChannel();
    ASSERT_TRUE(channel);
    bool closing = false;
    QObject::connect(channel, &ChatWindowWidget::closing, [&] { closing = true; });
    frames.back()->close();
    EXPECT_TRUE(channel) << "the window stays until the part comes back";
    ASSERT_TRUE(Received("PART #pvx"));

    server.Send(":ours!u@h PART #pvx\r\n");
    ASSERT_TRUE(RunUntil([&] { return channel.isNull(); }));
    EXPECT_TRUE(closing);
    EXPECT_EQ(session->Windows().FindChannel("#pvx"), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frames.back().isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(ChatWindowWidgetsTest, ClosingAQueryClosesItsCoreWindow) {
    server.Send(":peer!p@h PRIVMSG ours :psst\r\n");
    ASSERT_TRUE(RunUntil([&] { return !opened.empty(); }));
    QPointer<ChatWindowWidget> query = opened.back();
    EXPECT_EQ(query->WindowName(), "peer");
    EXPECT_EQ(query->windowTitle(), "peer (p@h)");
    query->close();
    ASSERT_TRUE(RunUntil([&] { return query.isNull(); }));
    EXPECT_EQ(session->Windows().FindQuery("peer"), nullptr);
}

TEST_F(ChatWindowWidgetsTest, StatusInputRunsCommandsAndRefusesPlainLines) {
    Enter(*statusWidget.Input(), "just words");
    EXPECT_NE(PaneText(statusWidget.Pane()).find("No channel is open"), std::string::npos);
    Enter(*statusWidget.Input(), "/join #other");
    EXPECT_TRUE(Received("JOIN #other"));
}

// Many windows at once: each gets its widget and a frame, the directory
// finds them all, and losing the connection leaves none half closed.
TEST_F(ChatWindowWidgetsTest, TwoHundredChannelWindowsOpenAndGo) {
    constexpr int kChannels = 200;
    std::string joins;
    for (int i = 0; i < kChannels; ++i) joins += ":ours!u@h JOIN #many" + std::to_string(i) + "\r\n";
    server.Send(joins);
    ASSERT_TRUE(RunUntil([&] { return opened.size() == static_cast<size_t>(kChannels); })) << opened.size();
    EXPECT_EQ(session->Windows().Count(), static_cast<size_t>(kChannels));
    EXPECT_EQ(area.subWindowList().size(), kChannels);
    EXPECT_NE(session->Windows().FindChannel("#many199"), nullptr);
    session.reset();  // every window and widget goes with the session
    for (const QPointer<ChatWindowWidget>& widget : opened) EXPECT_TRUE(widget.isNull());
}

TEST_F(ChatWindowWidgetsTest, AChannelWindowDrawsAtTinyAndHugeSizes) {
    ChannelWindowWidget* channel = JoinChannel();
    ASSERT_NE(channel, nullptr);
    server.Send(":peer!p@h PRIVMSG #pvx :still here\r\n");
    ASSERT_TRUE(RunUntil([&] { return PaneText(channel->Pane()).find("still here") != std::string::npos; }));
    for (QSize size : {QSize(1, 1), QSize(8000, 8000), QSize(300, 200)}) {
        channel->resize(size);
        EXPECT_FALSE(channel->grab(QRect(0, 0, 64, 64)).isNull()) << size.width();
    }
}

// A right-click on a name in the list: the menu for a user in the channel,
// the user menu's items after a separator, and the chosen item run with the
// channel and the name.
TEST_F(ChatWindowWidgetsTest, ARightClickOnANameOffersTheUserMenusAndRunsTheChosenItem) {
    const int32_t owner = app->Modules().Modules().front().module->Id();
    app->Menus().Add(MenuKind::Both, {"Say hi", "/msg %sN% hi from %sC%", false, owner});
    ChannelWindowWidget* channel = JoinChannel();
    ASSERT_NE(channel, nullptr);
    NamesListWidget& names = channel->Names();
    int y = 0;
    while (y < 400 && names.EntryAt(y) != 1) ++y;  // "peer", below the operator
    ASSERT_LT(y, 400);

    // The menu runs its own loop: the choice is made from a timer inside it.
    QStringList shown;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        poll.stop();
        for (QAction* action : menu->actions()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == "Say hi") menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start();
    QTest::mouseClick(names.viewport(), Qt::RightButton, {}, QPoint(5, y));
    poll.stop();

    const qsizetype mine = shown.indexOf("Say hi");
    ASSERT_GE(mine, 0) << shown.join('|').toStdString();
    EXPECT_EQ(shown.indexOf("Chat privately"), shown.indexOf("-") + 1) << "the user menu follows the separator";
    EXPECT_LT(mine, shown.indexOf("-"));
    EXPECT_TRUE(Received("PRIVMSG peer :hi from #pvx"));
}

}  // namespace
}  // namespace parlevox
