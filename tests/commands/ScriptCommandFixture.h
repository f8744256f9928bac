#pragma once
// The command fixture with a script's way in: a call with typed values that
// hands back the command's result.
#include "CommandFixture.h"
#include "commands/CommandResult.h"

namespace parlevox::test {

class ScriptCommandFixture : public CommandFixture {
protected:
    CommandResult Call(std::string_view name, std::vector<CommandArgument> values) {
        CommandResult result;
        lastCall = processor->Call(name, values, "#x", output, &result);
        return result;
    }
    CommandProcessor::CallResult lastCall = CommandProcessor::CallResult::Done;
};

inline CommandArgument S(std::string text) { return CommandArgument::Text(std::move(text)); }
inline CommandArgument I(int32_t number) { return CommandArgument::Integer(number); }

}  // namespace parlevox::test
