#include "ui/qt/NamesListWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <string>
#include <vector>

#include "display/Scheme.h"
#include "irc/ConnectionState.h"
#include "platform/PollEventLoop.h"
#include "ui/NamesList.h"
#include "ui/NamesListActions.h"
#include "ui/NamesListPainter.h"

namespace parlevox {
namespace {

class RecordingActions final : public NamesListActions {
public:
    void OpenUserMenu(const std::string& nick, const std::string&, int, int) override { menus.push_back(nick); }
    void RunCommand(const std::string& line, const std::string&, const std::string&) override {
        commands.push_back(line);
    }
    void ForwardCharacter(char character) override { typed += character; }
    std::vector<std::string> menus, commands;
    std::string typed;
};

class NamesListWidgetTest : public testing::Test {
protected:
    void SetUp() override {
        names.SetScheme(&scheme);
        names.SetActions(&actions);
        widget.Attach(&names);
        widget.resize(120, 10 * Row());
        widget.show();
        QApplication::processEvents();
    }
    int Row() const { return NamesListPainter::EntryHeight(&scheme); }
    void Mouse(QEvent::Type type, Qt::MouseButton button, int row) {
        const QPointF at(10, row * Row() + Row() / 2);
        QMouseEvent event(type, at, widget.viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(widget.viewport(), &event);
    }

    PollEventLoop loop;
    ConnectionState state;
    CScheme scheme;
    RecordingActions actions;
    CNamesList names{loop, 0, state, "#chan"};
    NamesListWidget widget;
};

TEST_F(NamesListWidgetTest, ScrollBarFollowsTheListAsItChanges) {
    ASSERT_GT(Row(), 0);
    const int rows = widget.viewport()->height() / Row();
    for (int i = 0; i < rows + 15; ++i) names.Add("nick" + std::to_string(100 + i), false, false);
    EXPECT_EQ(widget.verticalScrollBar()->maximum(), 15);
    widget.verticalScrollBar()->setValue(15);
    EXPECT_EQ(widget.FirstRow(), 15u);
    EXPECT_EQ(widget.EntryAt(0), 15);
    names.Clear();
    EXPECT_EQ(widget.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(widget.EntryAt(0), -1);
}

TEST_F(NamesListWidgetTest, ClicksSelectOpenAndRunTheCommand) {
    for (const char* nick : {"carol", "alice", "bob"}) names.Add(nick, false, false);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, 1);
    EXPECT_EQ(names.SelectedNick(), "bob");
    Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, 2);
    EXPECT_EQ(actions.commands, (std::vector<std::string>{"/query carol"}));
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton, 0);
    EXPECT_EQ(actions.menus, (std::vector<std::string>{"alice"}));
    // Below the last entry nothing is selected.
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, 5);
    EXPECT_EQ(names.Selection(), -1);

    // The selected row is drawn with the colours exchanged.
    names.Select(0);
    const QImage shown = widget.viewport()->grab().toImage();
    EXPECT_NE(shown.pixelColor(widget.viewport()->width() - 2, Row() / 2),
              shown.pixelColor(widget.viewport()->width() - 2, Row() + Row() / 2));
}

}  // namespace
}  // namespace parlevox
