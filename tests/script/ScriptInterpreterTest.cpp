// Script functions compiled from source and run: each production, the
// conversions at work, the faults, and the limits that keep a script from
// taking the client down.
#include <gtest/gtest.h>

#include "ScriptRunner.h"
#include "platform/Keyboard.h"
#include "script/InterpreterTexts.h"

namespace parlevox {
namespace {

using test::RunScript;

TEST(ScriptInterpreterTest, FunctionsComputeWhatTheLanguageSays) {
    struct Case {
        const char* source;
        std::vector<std::string> arguments;
        std::string outcome;
    } cases[] = {
        {"// locals: iX\nT<> { iX = 2 * 3 + 4; return iX; }", {}, "14"},
        {"// locals: iX\nT<> { iX = 10 - 4 - 3; return iX; }", {}, "9"},
        {"// locals: iX\nT<> { iX = -2 + 3; return iX; }", {}, "-5"},
        {"// locals: sX iY iZ\nT<> { sX = 5; iY = \"12ab\"; iZ = \"abc\"; return <sX, iY, iZ>; }", {}, "\"5\", 12, 0"},
        {"// locals: iX\nT<> { iX = \"4\" + 1; return iX; }", {}, "41"},
        {"T<> return <5 || 0, 0 && T 0, 2 && 3>;", {}, "5, 0, 3"},  // T is never called
        {"// locals: asList\nT<> { asList[3] = \"x\"; return <#asList, asList>; }", {}, "4, [\"\", \"\", \"\", \"x\"]"},
        {"// locals: aiList\nT<> { aiList[4] = 5; clear 2, aiList; return aiList; }", {}, "[0, 0]"},
        {"// locals: siPair\nT<> { siPair<1> = 7; siPair<0> = \"a\"; return <(siPair<1>) + 2, siPair>; }", {},
         "9, \"a\", 7"},
        {"// locals: iA iB\nT<iA, iB> return <iB, iA>;", {"1", "2"}, "2, 1"},
        // The list assignment is the one statement without a semicolon.
        {"// locals: sA iB\nT<> { <sA, iB> = <\"x\", 3> return <sA, iB>; }", {}, "\"x\", 3"},
        {"// locals: iI iSum\nT<> { iSum = 0; for ({ iI = 1; } iI <= 4; { iI++; }) iSum += iI; return iSum; }", {},
         "10"},
        {"// locals: iX\nT<> { iX = 1; while (iX < 100) iX *= 3; do iX -= 10; while (iX > 200); return iX; }", {},
         "193"},
        {"// locals: iN\nFact<iN> { if (iN < 2) return 1; else return iN * Fact<iN - 1>; }", {"5"}, "120"},
        {"// locals: fF\nT<> { fF = &T; return <fF, \"a\" < \"b\", \"B\" < \"a\">; }", {}, "&T, 1, 1"},
        {"T<> return;", {}, ""},
        {"T<> if (0) return 1;", {}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RunScript(c.source, c.arguments), c.outcome) << c.source;
}

TEST(ScriptInterpreterTest, FaultsEndTheFunctionWithTheirText) {
    struct Case {
        const char* source;
        std::string outcome;
    } cases[] = {
        {"T<> if (<1, 2>) return 1;", std::string("fails: ") + script_text::kConditionCount[3]},
        {"T<> while (&T) return 1;", std::string("fails: ") + script_text::kConditionType[0]},
        {"T<> return (<1, 2>) < (<1, 2>);",
         "fails: Attempt to use comparison operator < on a value with more than one component."},
        {"// locals: iX\nT<> { iX = 1 / 0; return iX; }", std::string("fails: ") + script_text::kDivideByZero},
        {"T<> { sSysNick = \"me\"; }",
         "fails: Attempt to write to variable sSysNick, which is read-only from this function."},
        {"T<> return 0 || \"x\";", std::string("fails: ") + script_text::kOrRightType},
        {"T<> Unknown <1>;", "compile: Undefined variable or function Unknown. You can only use variables that you "
                             "have defined. (Make sure the case of the letters matches.) @4"},
        {"T<> { iX = 1 }", "compile: Undefined variable or function iX. You can only use variables that you have "
                           "defined. (Make sure the case of the letters matches.) @6"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunScript(c.source), c.outcome) << c.source;
}

TEST(ScriptInterpreterTest, CommandLinesTakeVariablesAndPercentSigns) {
    std::vector<std::string> lines;
    EXPECT_EQ(RunScript("// locals: sNick iN\nT<>\n{\n  sNick = \"ann\";\n  iN = 3;\n"
                        "  /msg %sNick% you are %iN%th, 100%% sure\n  return 1;\n}\n",
                        {}, &lines),
              "1");
    EXPECT_EQ(lines, std::vector<std::string>{"/msg ann you are 3th, 100% sure"});
    EXPECT_EQ(RunScript("T<>\n{\n  /echo 50% off\n}\n"), std::string("fails: ") + script_text::kUnterminatedPercent);
}

TEST(ScriptInterpreterTest, RecursionGoesTwoHundredDeepAndStopsInOrderBeyondTheLimit) {
    const char* source = "// locals: iN\nDepth<iN> { if (iN == 0) return 0; return 1 + Depth<iN - 1>; }";
    EXPECT_EQ(RunScript(source, {"200"}), "200");
    StandaloneScript deep(ScriptSourceFile::FromText(source));
    ASSERT_FALSE(deep.Compile());
    EXPECT_THROW(deep.Run(std::vector<std::string>{"100000"}), TextError);
    ASSERT_FALSE(deep.NestedFaults().empty());
    EXPECT_NE(deep.NestedFaults().front().find("call each other too deeply"), std::string::npos);
}

TEST(ScriptInterpreterTest, TheHeldPauseKeyStopsAnEndlessLoop) {
    Keyboard::SetPauseSource([] { return true; });
    const std::string outcome = RunScript("// locals: iX\nT<> while (1) iX++;");
    Keyboard::SetPauseSource({});
    EXPECT_EQ(outcome, std::string("fails: ") + script_text::kPauseAbort);
}

}  // namespace
}  // namespace parlevox
