#include "ui/qt/InputLine.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <vector>

#include "irc/ConnectionState.h"
#include "platform/PollEventLoop.h"

namespace parlevox {
namespace {

class InputLineTest : public testing::Test {
protected:
    void SetUp() override {
        line.SetEntered([this](const std::string& text) {
            entered.push_back(text);
            return accept;
        });
        for (const char* nick : {"alice", "Albert", "bob", "\xE9lise"}) names.Add(nick, false, false);
        line.SetCompleter([this](std::string_view prefix) { return names.Complete(prefix); });
    }
    void Key(int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&line, &press);
    }
    void Type(const std::string& text) {
        line.SetLine(text);
        Key(Qt::Key_Return);
    }

    PollEventLoop loop;
    ConnectionState state;
    CNamesList names{loop, 0, state, "#chan"};
    InputLine line;
    std::vector<std::string> entered;
    bool accept = true;
};

TEST_F(InputLineTest, EnterSendsAndUpDownWalkTheHistory) {
    Type("first");
    Type("second \xA3");
    Key(Qt::Key_Enter);  // empty: nothing sent, nothing kept
    EXPECT_EQ(entered, (std::vector<std::string>{"first", "second \xA3"}));
    EXPECT_EQ(line.Line(), "");

    Key(Qt::Key_Up);
    EXPECT_EQ(line.Line(), "second \xA3");
    Key(Qt::Key_Up);
    EXPECT_EQ(line.Line(), "first");
    Key(Qt::Key_Up);  // stays at the oldest
    EXPECT_EQ(line.Line(), "first");
    Key(Qt::Key_Down);
    EXPECT_EQ(line.Line(), "second \xA3");
    Key(Qt::Key_Down);  // past the newest: an empty line
    EXPECT_EQ(line.Line(), "");

    // A refused line stays to be mended and is not remembered.
    accept = false;
    Type("not taken");
    EXPECT_EQ(line.Line(), "not taken");
    line.clear();
    Key(Qt::Key_Up);
    EXPECT_EQ(line.Line(), "second \xA3");
}

TEST_F(InputLineTest, HistoryKeepsTheLastFiftyLines) {
    for (size_t i = 0; i < InputLine::kHistoryLines + 5; ++i) Type("line " + std::to_string(i));
    for (size_t i = 0; i < InputLine::kHistoryLines + 5; ++i) Key(Qt::Key_Up);
    EXPECT_EQ(line.Line(), "line 5");
}

TEST_F(InputLineTest, TabCompletesTheNickBeforeTheCursor) {
    struct Case {
        const char* text;
        int cursor;  // -1: at the end
        const char* completed;
    };
    const Case cases[] = {
        {"bo", -1, "bob"},                    // unique
        {"hi BO", -1, "hi BOb"},              // any case; the suffix as the list has it
        {"al", -1, "al"},                     // alice and Albert
        {"ali", -1, "alice"},                 // unique again
        {"zed", -1, "zed"},                   // no one
        {"bo said", 2, "bob said"},           // the word ending at the cursor
        {"hi ", -1, "hi "},                   // no word before the cursor
        {"\xE9l", -1, "\xE9lise"},            // bytes above 127 survive
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        line.SetLine(c.text);
        if (c.cursor >= 0) line.setCursorPosition(c.cursor);
        Key(Qt::Key_Tab);
        EXPECT_EQ(line.Line(), c.completed);
    }
}

TEST_F(InputLineTest, TabKeepsTheFocus) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* tabbed = new InputLine(&window);
    layout->addWidget(tabbed);
    layout->addWidget(new QLineEdit(&window));
    tabbed->SetCompleter([this](std::string_view prefix) { return names.Complete(prefix); });
    window.show();
    // The window's focus child, whether or not the platform activates it.
    tabbed->setFocus();
    ASSERT_EQ(window.focusWidget(), tabbed);
    tabbed->SetLine("bo");
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(tabbed, &tab);
    EXPECT_EQ(window.focusWidget(), tabbed);
    EXPECT_EQ(tabbed->Line(), "bob");
}

}  // namespace
}  // namespace parlevox
