// The run-time checks around the interpreter: IRC command lines with their
// variables, and the Pause key and long-running hint, polled sparingly.
#include <gtest/gtest.h>

#include <map>

#include "script/InterpreterTexts.h"
#include "script/ScriptCommandLine.h"
#include "script/ScriptError.h"
#include "script/ScriptWatchdog.h"

namespace parlevox {
namespace {

TEST(ScriptCommandLineTest, VariablesPercentSignsAndFaults) {
    const std::map<std::string, CVariable> variables = {
        {"sNick", CVariable({VariableComponent::String("ann")})},
        {"iCount", CVariable({VariableComponent::Int(-3)})},
        {"fGreet", CVariable({VariableComponent::Function("Greet")})},
        {"siPair", CVariable({VariableComponent::String("a"), VariableComponent::Int(1)})},
        {"asList", CVariable({VariableComponent::StringArray({"x"})})},
    };
    ScriptVariableLookup lookup = [&](const std::string& name) -> std::optional<CVariable> {
        auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional<CVariable>(it->second);
    };
    struct Case {
        const char* text;
        const char* result;  // or the fault
    } cases[] = {
        {"/msg %sNick% you owe %iCount%%%", "/msg ann you owe -3%"},
        {"/echo %fGreet%", "/echo {Greet}"},
        {"/echo 100%", script_text::kUnterminatedPercent},
        {"/echo %sWho%", "Couldn't find variable sWho referenced in IRC-command (/command)."},
        {"/echo %siPair%",
         "Variable siPair referenced in IRC-command (/command) has more than one component or is an array type."},
        {"/echo %asList%",
         "Variable asList referenced in IRC-command (/command) has more than one component or is an array type."},
    };
    for (const Case& c : cases) {
        std::string got;
        try {
            got = ExpandScriptCommandLine(c.text, lookup);
        } catch (const CScriptError& error) {
            got = error.Text();
        }
        EXPECT_EQ(got, c.result) << c.text;
    }
}

TEST(ScriptWatchdogTest, PollsTheKeySparinglyAndShowsTheHintOncePerRun) {
    uint64_t now = 1000;
    int keyReads = 0, hints = 0;
    bool held = false;
    ScriptWatchdog dog({[&] { return now; }, [&] { ++keyReads; return held; }, [&] { ++hints; }});
    dog.RunStarts();
    for (uint32_t i = 0; i < 10 * ScriptWatchdog::kNodesPerPoll; ++i) dog.Node();
    EXPECT_EQ(keyReads, 1) << "the clock did not move: one look at the key";
    now += ScriptWatchdog::kPausePollMs;
    for (uint32_t i = 0; i < ScriptWatchdog::kNodesPerPoll; ++i) dog.Node();
    EXPECT_EQ(keyReads, 2);

    now += ScriptWatchdog::kHintAfterMs;
    dog.Poll();
    now += 60'000;
    dog.Poll();
    EXPECT_EQ(hints, 1);

    held = true;
    now += ScriptWatchdog::kPausePollMs;
    try {
        dog.Poll();
        ADD_FAILURE() << "the held key did not abort";
    } catch (const CScriptError& error) {
        EXPECT_STREQ(error.Text(), script_text::kPauseAbort);
    }
}

}  // namespace
}  // namespace parlevox
