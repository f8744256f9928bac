// The notify list on the desktop: the switch bar's lag in black and red and
// gone without a connection, and the notify window with its nicks and the
// query a double-click asks for.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/NotifyWatch.h"
#include "irc/StatusOutput.h"
#include "platform/PollEventLoop.h"
#include "ui/NotifyWindow.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/NotifyDisplay.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {
namespace {

class NoStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

class NotifyDisplayTest : public testing::Test {
protected:
    NotifyDisplayTest() {
        watch.SetTickSource([this] { return tick; });
        window.onOpenQuery = [this](const std::string& nick) { queries.push_back(nick); };
        frame.resize(700, 500);
        frame.show();
    }
    QLabel& Lag() { return *frame.Switches().findChild<QLabel*>(); }
    // A request answered after `ms`.
    void Answer(uint64_t ms) {
        watch.Poll();
        tick += ms;
        watch.Reply("");
    }

    PollEventLoop loop;
    ConnectionState state;
    ColourCodes colours;
    NoStatus status;
    uint64_t tick = 1000;
    // No network window: the lines go nowhere.
    CNotifyWatch watch {NotifyWatchServices {loop, 0, state, colours, status}, {"bob"}};
    CNotifyWindow window;
    std::vector<std::string> queries;
    MainFrameWidget frame;
};

TEST_F(NotifyDisplayTest, TheSwitchBarShowsTheLagInBlackOrRedAndNothingWithoutAConnection) {
    NotifyDisplay display(frame, watch, window);
    EXPECT_TRUE(Lag().text().isEmpty());
    state.connected = true;
    struct Step {
        uint64_t replyAfterMs;
        const char* text;
        bool red;
    } steps[] = {{12000, "Lag 12s", true}, {9999, "Lag 9s", false}, {10000, "Lag 10s", true}};
    for (const Step& step : steps) {
        Answer(step.replyAfterMs);  // the reply repaints at once
        EXPECT_EQ(Lag().text(), step.text);
        EXPECT_EQ(Lag().styleSheet().contains("#d00000"), step.red) << step.text;
    }
    watch.Poll();
    tick += 15000;
    display.UpdateLag();  // every second: the waiting request's age
    EXPECT_EQ(Lag().text(), "Lag 15s");
    state.connected = false;
    display.UpdateLag();
    EXPECT_TRUE(Lag().text().isEmpty());
}

TEST_F(NotifyDisplayTest, TheNotifyWindowOpensOnceShowsWhoIsOnlineAndOpensQueries) {
    window.Add("bob");
    {
        NotifyDisplay display(frame, watch, window);
        display.OpenWindow();
        display.OpenWindow();
        ASSERT_EQ(frame.Area().subWindowList().size(), 1);
        NotifyWindowWidget* widget = display.Window();
        ASSERT_TRUE(widget);
        EXPECT_EQ(frame.Area().subWindowList().front()->windowTitle(), "Notify people");
        EXPECT_EQ(widget->WindowName(), "~Notify");
        window.Add("Ada");
        window.Add("cy");
        window.Remove("BOB");
        QListWidget& list = widget->List();
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.item(0)->text(), "Ada");
        emit list.itemActivated(list.item(1));
        EXPECT_EQ(queries, std::vector<std::string> {"cy"});

        frame.Area().subWindowList().front()->close();  // the person closes it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(display.Window());
        window.Add("dee");  // shown nowhere now
    }
    window.Activate("dee");
    EXPECT_EQ(queries, (std::vector<std::string> {"cy", "dee"})) << "the window's own query opener is back";
}

}  // namespace
}  // namespace parlevox
