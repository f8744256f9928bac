// The command-line window takes "/" lines only.
#include "CommandFixture.h"
#include "commands/CommandLineWindow.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox::test {
namespace {

TEST_F(CommandFixture, CommandLineRunsSlashLinesWithoutContextAndBoxesTheRest) {
    ScriptedUserInterface ui;
    RecordingOutput status;
    CommandLineWindow window(*processor, status, ui);
    EXPECT_TRUE(window.OnEnter("/join"));  // no channel context to fall back on
    EXPECT_TRUE(window.OnEnter("/join #c"));
    for (std::string_view line : std::vector<std::string_view> {"", "hello", " /join #d", std::string_view("\0/", 2)}) EXPECT_FALSE(window.OnEnter(line));
    EXPECT_EQ(network.sent, std::vector<std::string> {"JOIN #c"});
    EXPECT_EQ(status.lines.size(), 1u);
    ASSERT_EQ(ui.boxes.size(), 4u);
    for (const MessageBoxRequest& box : ui.boxes) {
        EXPECT_EQ(box.title, "Invalid command");
        EXPECT_EQ(box.text, "You can only type / commands in this command-line box.");
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(variables.values["sC"], "");
}

}  // namespace
}  // namespace parlevox::test
