// The Str commands and Random as scripts call them: values in, a typed
// result out, at the edges of counts, positions, codes and empty texts.
#include <climits>
#include <string>

#include "ScriptCommandFixture.h"
#include "commands/CommandTexts.h"
#include "commands/ScriptCommands.h"

namespace parlevox::test {
namespace {

using Type = CommandResult::Type;

struct Expected {
    Type type;
    int32_t number = 0;
    std::string text;
    std::vector<std::string> texts;
};
Expected Str(std::string text) { return {Type::String, 0, std::move(text), {}}; }
Expected Int(int32_t number) { return {Type::Integer, number, {}, {}}; }
Expected Strs(std::vector<std::string> texts) { return {Type::StringArray, 0, {}, std::move(texts)}; }

struct Case {
    const char* name;
    std::vector<CommandArgument> values;
    Expected expected;
};

class StringCommandsTest : public ScriptCommandFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(StringCommandsTest, GivesItsResult) {
    const Case& c = GetParam();
    const CommandResult result = Call(c.name, c.values);
    ASSERT_EQ(lastCall, CommandProcessor::CallResult::Done) << c.name;
    EXPECT_EQ(result.type, c.expected.type) << c.name;
    EXPECT_EQ(result.number, c.expected.number) << c.name;
    EXPECT_EQ(result.text, c.expected.text) << c.name;
    EXPECT_EQ(result.texts, c.expected.texts) << c.name;
    EXPECT_TRUE(output.lines.empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, StringCommandsTest,
    ::testing::Values(
        Case {"StrLeft", {S("hello"), I(3)}, Str("hel")}, Case {"StrLeft", {S("hello"), I(0)}, Str("")},
        Case {"StrLeft", {S("hello"), I(-5)}, Str("")}, Case {"strleft", {S("hello"), I(INT_MAX)}, Str("hello")},
        Case {"StrLeft", {S("hello"), I(INT_MIN)}, Str("")},
        Case {"StrRight", {S("hello"), I(2)}, Str("lo")}, Case {"StrRight", {S("hello"), I(99)}, Str("hello")},
        Case {"StrRight", {S("hello"), I(-1)}, Str("")},
        Case {"StrMid", {S("hello"), I(1), I(3)}, Str("ell")}, Case {"StrMid", {S("hello"), I(3), I(10)}, Str("lo")},
        Case {"StrMid", {S("hello"), I(10), I(2)}, Str("")}, Case {"StrMid", {S("hello"), I(-2), I(2)}, Str("he")},
        Case {"StrMid", {S("hello"), I(1), I(INT_MAX)}, Str("ello")},
        Case {"StrMid", {S("hello"), I(INT_MAX), I(INT_MAX)}, Str("")},
        Case {"StrMid", {S("hello"), I(2), I(-1)}, Str("")},
        Case {"StrFind", {S("hello"), S("l")}, Int(2)}, Case {"StrFind", {S("hello"), S("xyz")}, Int(-1)},
        Case {"StrFind", {S("hello"), S("L")}, Int(-1)}, Case {"StrFind", {S("hello"), S("")}, Int(0)},
        Case {"StrFind", {S("aaaaaab"), S("aaab")}, Int(3)}, Case {"StrFind", {S(""), S("a")}, Int(-1)},
        Case {"StrMatch", {S("Nick!User@Host.Example"), S("nick!*@*")}, Int(1)},
        Case {"StrMatch", {S("abc"), S("b*")}, Int(0)}, Case {"StrMatch", {S("abc"), S("*b")}, Int(0)},
        Case {"StrMatch", {S(""), S("*")}, Int(1)}, Case {"StrMatch", {S("any text"), S("*")}, Int(1)},
        Case {"StrMatch", {S("abc"), S("ABC")}, Int(1)}, Case {"StrMatch", {S("abc"), S("")}, Int(0)},
        Case {"StrMatch", {S("aXbXc"), S("a*b*c")}, Int(1)},
        // Each piece at its first occurrence, as masks match: no backtracking.
        Case {"StrMatch", {S("aba"), S("*a")}, Int(0)},
        Case {"StrUpper", {S("MiXed 1! \xe9")}, Str("MIXED 1! \xe9")},
        Case {"StrLower", {S("MiXed 1! \xc9")}, Str("mixed 1! \xc9")},
        Case {"StrReplace", {S("a-b-c"), S("-"), S("+")}, Str("a+b+c")},
        Case {"StrReplace", {S("aaa"), S("aa"), S("b")}, Str("ba")},
        Case {"StrReplace", {S("abab"), S("ab"), S("abab")}, Str("abababab")},
        Case {"StrReplace", {S("abc"), S("b"), S("")}, Str("ac")},
        Case {"StrReplace", {S("abc"), S(""), S("x")}, Str("abc")},
        Case {"StrSplit", {S("a,b,,c"), S(",")}, Strs({"a", "b", "", "c"})},
        Case {"StrSplit", {S("abc"), S(",")}, Strs({"abc"})}, Case {"StrSplit", {S("abc"), S("")}, Strs({"abc"})},
        Case {"StrSplit", {S(""), S(",")}, Strs({""})},
        Case {"StrSplit", {S("a::b::"), S("::")}, Strs({"a", "b", ""})},
        Case {"StrAscii", {S("A")}, Int(65)}, Case {"StrAscii", {S("\xe9t\xe9")}, Int(233)},
        Case {"StrAscii", {S("")}, Int(0)},
        Case {"StrCharacter", {I(65)}, Str("A")}, Case {"StrCharacter", {I(0)}, Str("")},
        Case {"StrCharacter", {I(255)}, Str("\xff")}, Case {"StrCharacter", {I(256)}, Str("")},
        Case {"StrCharacter", {I(-1)}, Str("\xff")}, Case {"StrCharacter", {I(256 + 65)}, Str("A")}));

using ScriptCommandsTest = ScriptCommandFixture;

TEST_F(ScriptCommandsTest, AValueOfTheWrongTypeGetsTheProcessorsLineAndNoResult) {
    const CommandResult result = Call("StrLeft", {I(5), I(3)});
    EXPECT_EQ(lastCall, CommandProcessor::CallResult::IncorrectParameters);
    EXPECT_EQ(result.type, Type::None);
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_TRUE(output.lines[0].ends_with(texts::kScriptCommandHelp)) << output.lines[0];
}

TEST_F(ScriptCommandsTest, TypedAsALineAScriptCommandRunsAndItsResultIsDropped) {
    Type("/StrUpper some text");
    Type("/Me #c waves");
    EXPECT_EQ(network.sent, std::vector<std::string> {"PRIVMSG #c :\x01" "ACTION waves\x01"});
    EXPECT_EQ(output.lines, std::vector<std::string> {C(0) + "-> \x02#c\x02: [ACTION] waves"});
}

TEST_F(ScriptCommandsTest, SoundSendsItsRequestAndEchoesIt) {
    Call("Sound", {S("bob"), S("ding.wav"), S("hear this")});
    Call("Sound", {S("#c"), S("ding.wav")});
    EXPECT_EQ(network.sent, (std::vector<std::string> {"PRIVMSG bob :\x01SOUND ding.wav hear this\x01",
                                                       "PRIVMSG #c :\x01SOUND ding.wav\x01"}));
    EXPECT_EQ(output.lines, (std::vector<std::string> {C(0) + "-> \x02" "bob\x02: [SOUND] ding.wav hear this",
                                                       C(0) + "-> \x02#c\x02: [SOUND] ding.wav"}));
}

// n times the low 15 bits of the draw over 32767, truncated towards 0.
class RandomTest : public CommandFixture {
protected:
    int32_t Draw(int32_t n, int draw) {
        C_scRandom random([draw] { return draw; });
        CommandEnvironment environment(loop, network.Handle(), connection, host, settings);
        CommandResult result;
        const std::vector<CommandArgument> values {I(n)};
        EXPECT_TRUE(random.Run(std::span<const CommandArgument>(values), CommandCall {"", "", output, &result},
                               environment));
        EXPECT_EQ(result.type, Type::Integer);
        return result.number;
    }
};

TEST_F(RandomTest, StaysBetweenZeroAndNAndReachesNOnlyWithTheLargestDraw) {
    for (int32_t n : {1, 7, 1000, -1000, INT_MAX, INT_MIN}) {
        int reachedN = 0;
        for (int draw = 0; draw < 0x7FFF; draw += (n == 1 ? 1 : 61)) {
            const int32_t value = Draw(n, draw);
            ASSERT_GE(value, std::min(0, n)) << n << " " << draw;
            ASSERT_LE(value, std::max(0, n)) << n << " " << draw;
            reachedN += value == n;
        }
        EXPECT_EQ(Draw(n, 0x7FFF), n);
        EXPECT_EQ(reachedN, 0) << n;
    }
    EXPECT_EQ(Draw(1, 0x7FFE), 0);
    EXPECT_EQ(Draw(100, 16384), 50);
    EXPECT_EQ(Draw(-100, 16384), -50);
    EXPECT_EQ(Draw(10, 0x8000 + 0x7FFF), 10) << "only the low 15 bits count";
    EXPECT_EQ(Draw(10, 0x8000), 0);
}

}  // namespace
}  // namespace parlevox::test
