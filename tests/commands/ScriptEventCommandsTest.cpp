// OnTimer, OffTimer, On and Off without a script event window: each says it
// is not available, and On still hands its caller the integer 0.
#include <gtest/gtest.h>

#include <vector>

#include "commands/CommandArgument.h"
#include "commands/CommandResult.h"
#include "commands/CommandTexts.h"
#include "CommandFixture.h"

namespace parlevox {
namespace {

using Arg = CommandArgument;

class ScriptEventCommandsTest : public test::CommandFixture {};

TEST_F(ScriptEventCommandsTest, WithoutTheWindowEachSaysSoAndOnHandsBackZero) {
    struct Case {
        const char* name;
        std::vector<CommandArgument> values;
        CommandResult::Type result;
    };
    const Case cases[] = {
        {"OnTimer", {Arg::Integer(5), Arg::Text("Tick")}, CommandResult::Type::None},
        {"offtimer", {Arg::Text("Tick")}, CommandResult::Type::None},
        {"ON", {Arg::Text("PRIVMSG"), Arg::Text("////"), Arg::Integer(1), Arg::Text("F")},
         CommandResult::Type::Integer},
        {"Off", {Arg::Text("F")}, CommandResult::Type::None},
    };
    for (const Case& c : cases) {
        output.lines.clear();
        CommandResult result;
        result.number = 7;
        EXPECT_EQ(processor->Call(c.name, c.values, "#x", output, &result), CommandProcessor::CallResult::Done)
            << c.name;
        EXPECT_EQ(result.type, c.result) << c.name;
        EXPECT_EQ(result.number, c.result == CommandResult::Type::Integer ? 0 : 7) << c.name;
        ASSERT_EQ(output.lines.size(), 1u) << c.name;
        EXPECT_NE(output.lines[0].find("command is not available"), std::string::npos) << c.name;
    }
    // The typed forms take words: the integer first for OnTimer.
    output.lines.clear();
    Type("/ontimer soon Tick");
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_NE(output.lines[0].find("received incorrect parameters"), std::string::npos);
}

}  // namespace
}  // namespace parlevox
