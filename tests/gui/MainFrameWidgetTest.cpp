// The main window's switch bar and window places, with plain window widgets.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "platform/Registry.h"
#include "settings/WindowPositions.h"
#include "ui/qt/ChatWindowWidget.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {
namespace {

class MainFrameWidgetTest : public testing::Test {
protected:
    MainFrameWidgetTest() {
        frame.SetPositions(&positions);
        frame.SetSoundPlayer([this](const char* event) { sounds.push_back(event); });
        frame.resize(900, 700);
        frame.show();
    }

    Registry registry;
    WindowPositions positions{registry};
    std::vector<std::string> sounds;
    MainFrameWidget frame;
};

TEST_F(MainFrameWidgetTest, AButtonTurnsRedForLinesInAnotherWindowAndBackWhenItIsShown) {
    auto status = std::make_unique<ChatWindowWidget>("~Status");
    auto channel = std::make_unique<ChatWindowWidget>("#parlevox");
    frame.AddWindow(status.get());
    frame.AddWindow(channel.get());
    SwitchBar& bar = frame.Switches();
    ASSERT_EQ(bar.Count(), 2u);
    EXPECT_EQ(frame.ActiveWindow(), channel.get());

    emit channel->lineShown();  // the active window: nothing to flag
    emit status->lineShown();
    EXPECT_FALSE(bar.IsRed(channel.get()));
    EXPECT_TRUE(bar.IsRed(status.get()));

    frame.Activate(status.get());
    EXPECT_EQ(frame.ActiveWindow(), status.get());
    EXPECT_FALSE(bar.IsRed(status.get()));
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), std::string("Switch to different window")), sounds.end());

    channel.reset();  // its owner closed it: the button and the frame go
    EXPECT_EQ(bar.Count(), 1u);
    EXPECT_EQ(bar.WindowAt(0), status.get());
}

TEST_F(MainFrameWidgetTest, WindowsReopenWhereTheyWereAndStoredNonsenseStaysInTheArea) {
    auto first = std::make_unique<ChatWindowWidget>("#Place");
    frame.AddWindow(first.get());
    QMdiSubWindow* frameOfFirst = frame.Area().subWindowList().front();
    frameOfFirst->setGeometry(30, 40, 320, 210);
    first.reset();
    EXPECT_EQ(positions.Find("#place"), (WindowRect{30, 40, 320, 210}));

    auto again = std::make_unique<ChatWindowWidget>("#place");
    frame.AddWindow(again.get());
    EXPECT_EQ(frame.Area().subWindowList().back()->geometry(), QRect(30, 40, 320, 210));

    positions.Remember("Wanderer", {-100000, 100000, 0, 100000});
    auto wanderer = std::make_unique<ChatWindowWidget>("Wanderer");
    frame.AddWindow(wanderer.get());
    QRect placed = frame.Area().subWindowList().back()->geometry();
    QRect area = frame.Area().viewport()->rect();
    EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                       << placed.height();
    EXPECT_GT(placed.width(), 100);
}

}  // namespace
}  // namespace parlevox
