// The join window: the command line it hands over for what was typed or
// picked, and nothing for a name that would split the command.
#include "ui/qt/JoinWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "settings/OptionsRecord.h"

namespace parlevox {
namespace {

class JoinWindowTest : public testing::Test {
protected:
    JoinWindowTest() {
        options.channels.resize(2);
        options.channels[0].name = "#secret";
        options.channels[0].password = "pw";
        options.channels[1].name = "&local";
        options.favourites.resize(2);
        options.favourites[0].channel = "#SECRET";
        options.favourites[1].channel = "#fav";
    }
    std::unique_ptr<JoinWindow> Open() {
        return std::make_unique<JoinWindow>(options, [this](const std::string& line) { lines.push_back(line); });
    }
    static QComboBox& Channel(JoinWindow& window) { return *window.findChild<QComboBox*>("channel"); }
    static QLineEdit& Key(JoinWindow& window) { return *window.findChild<QLineEdit*>("key"); }
    static QPushButton& Join(JoinWindow& window) { return *window.findChild<QPushButton*>("join"); }

    OptionsRecord options;
    std::vector<std::string> lines;
};

TEST_F(JoinWindowTest, TypedChannelAndKeyBecomeTheJoinLine) {
    struct Row {
        const char* channel;
        const char* key;
        const char* line;  // empty: Join stays off
    };
    const Row rows[] = {
        {"foo", "", "/join #foo"},
        {"#a", "k", "/join #a k"},
        {"&local", "", "/join &local"},
        {"+modeless", "", "/join +modeless"},
        {"!12345ab", "", "/join !12345ab"},
        {"  #pad  ", " key ", "/join #pad key"},
        {"", "k", ""},
        {"#a b", "", ""},
        {"#a,#b", "", ""},
        {"#a", "two words", ""},
    };
    for (const Row& row : rows) {
        lines.clear();
        auto window = Open();
        Channel(*window).setEditText(row.channel);
        Key(*window).setText(row.key);
        Join(*window).click();
        const std::vector<std::string> expected =
            *row.line ? std::vector<std::string> {row.line} : std::vector<std::string> {};
        EXPECT_EQ(lines, expected) << row.channel << " / " << row.key;
        EXPECT_EQ(window->result() == QDialog::Accepted, !expected.empty()) << row.channel;
    }
}

TEST_F(JoinWindowTest, RememberedChannelsAreOfferedAndBringTheirKey) {
    auto window = Open();
    QComboBox& channel = Channel(*window);
    ASSERT_EQ(channel.count(), 3) << "a favourite already remembered is listed once";
    EXPECT_EQ(channel.itemText(2), "#fav");
    EXPECT_TRUE(channel.currentText().isEmpty());
    channel.setCurrentIndex(0);
    emit channel.activated(0);
    EXPECT_EQ(Key(*window).text(), "pw");
    Join(*window).click();
    EXPECT_EQ(lines, std::vector<std::string> {"/join #secret pw"});
}

}  // namespace
}  // namespace parlevox
