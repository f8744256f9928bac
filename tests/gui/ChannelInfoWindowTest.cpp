// The channel information window over the core dialog: its title and five
// tabs, the waiting states, the controls the access level opens, a list tab
// asking when shown, and closing, after which the core takes it.
#include "ui/qt/ChannelInfoWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "irc/ConnectionState.h"
#include "platform/PollEventLoop.h"
#include "support/ScriptedUserInterface.h"
#include "ui/qt/ChannelListTab.h"
#include "ui/qt/QtChatViews.h"

namespace parlevox {
namespace {

ChannelInfoWindow* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ChannelInfoWindow*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

TEST(ChannelInfoWindowTest, TabsWaitingStatesAccessAndClosing) {
    PollEventLoop loop;
    ConnectionState state;
    test::ScriptedUserInterface ui;
    QtChatViews views;
    std::vector<std::string> commands;
    {
        ChannelInfoDialogs dialogs(
            ChannelInfoServices {loop, 0, state, ui,
                                 [&](const std::string& line) { commands.push_back(line); }, {}, {}},
            views.ChannelInfo());
        ASSERT_TRUE(dialogs.Open("#chat"));
        QPointer<ChannelInfoWindow> window = OpenWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "#chat Channel Information");
        ASSERT_EQ(window->Tabs().count(), 5);
        const char* tabs[] = {"Information", "AOPs", "SOPs", "AKICKs", "Bans"};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(window->Tabs().tabText(i), tabs[i]);
        ChannelMainTab& main = window->MainTab();
        EXPECT_EQ(main.AccessLabel().text(), "(Please wait)");
        EXPECT_TRUE(main.Description().isReadOnly());
        EXPECT_FALSE(main.FounderButton().isEnabled());
        EXPECT_FALSE(main.ApplyButton().isEnabled());

        window->Tabs().setCurrentIndex(4);
        ChannelListTab& bans = window->ListTab(3);
        EXPECT_EQ(commands, std::vector<std::string> {"/mode #chat b"});
        EXPECT_EQ(bans.StateLabel().text(), "Asking the server for the ban list...");
        EXPECT_FALSE(bans.AddButton().isEnabled());
        EXPECT_TRUE(bans.RefreshButton().isEnabled()) << "an answer that never comes can be asked again";

        window->Dialog().SetAccessLevel(5);
        window->Dialog().Changed();
        EXPECT_EQ(main.AccessLabel().text(), "Founder,ID");
        EXPECT_TRUE(main.Description().isReadOnly()) << "not before the information has come";

        dialogs.Open("#CHAT");
        EXPECT_EQ(dialogs.Count(), 1u) << "one window per channel";
        window->reject();
        EXPECT_EQ(dialogs.Count(), 0u);
        for (int i = 0; i < 3 && window; ++i) loop.RunOnce(0);
        EXPECT_TRUE(window.isNull()) << "the core dialog took its window with it";
    }
}

}  // namespace
}  // namespace parlevox
