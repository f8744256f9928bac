// The script commands in a whole offline session: compiled into module
// functions and called through the real call dispatcher, reading a
// channel's names list, asking the person, and adding friends that are
// saved as the preferences save them.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/CommandTexts.h"
#include "display/OutputPaneModel.h"
#include "modules/ModuleTexts.h"
#include "script/ScriptCompiler.h"
#include "settings/OptionLists.h"
#include "support/OfflineSession.h"
#include "ui/NamesList.h"

namespace parlevox {
namespace {

using test::ReadWholeFile;

struct Lines final : CommandOutput {
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

CommandArgument S(std::string text) { return CommandArgument::Text(std::move(text)); }

class ScriptCommandsSessionTest : public ::testing::Test, protected test::OfflineSession {
protected:
    ScriptCommandsSessionTest() : OfflineSession(/*saveSettings=*/true) {}

    CScriptModule& User() { return *app->Modules().FindByName(module_text::kUserModuleName); }
    // Compiled as the editor compiles, with nothing told about command names.
    void Define(const char* name, std::initializer_list<const char*> locals, const std::string& source) {
        auto function = std::make_unique<CScriptFunction>(name);
        for (const char* local : locals) function->Locals().Add(local, User().NextVariableId());
        function->SetSource(source);
        CScriptFunction& added = User().AddFunction(std::move(function));
        std::optional<CompileFailure> failure = session->Scripts().Calls().Compile(User(), added);
        ASSERT_FALSE(failure) << failure->text;
    }
    CVariable Run(const char* name) {
        ScriptRunContext context {lines, ""};
        return session->Scripts().Calls().CallByName(name, CVariable(), context).value_or(CVariable());
    }
    CommandResult Command(std::string_view name, std::vector<CommandArgument> values) {
        CommandResult result;
        session->Commands().Call(name, values, "", lines, &result);
        return result;
    }

    Lines lines;
};

TEST_F(ScriptCommandsSessionTest, AModuleFunctionSplitsATextAndWritesItIntoAScriptFile) {
    Define("Tally", {"asParts", "iH", "iClosed", "sPart"},
           "Tally<>\r\n  {\r\n"
           "  asParts = StrSplit<\"a,b,c\", \",\">;\r\n"
           "  iH = FileNew \"tally.txt\";\r\n"
           "  FileWriteLine<iH, 0, asParts[1]>;\r\n"
           "  sPart = asParts[2];\r\n"
           "  FileWriteLine<iH, 1, StrUpper sPart>;\r\n"
           "  iClosed = FileClose iH;\r\n"
           "  return <#asParts, iClosed>;\r\n  }\r\n");
    EXPECT_EQ(Run("Tally"), CVariable({VariableComponent::Int(3), VariableComponent::Int(1)}));
    EXPECT_EQ(ReadWholeFile(home.Path() + "/Script files/tally.txt"), "b\r\nC\r\n");
    EXPECT_TRUE(lines.lines.empty());

    // Loading compiles stale functions again before any session exists.
    CScriptFunction& tally = *User().FindFunction("Tally");
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<CParseTree>>(
        CompileScript(tally.Source(), app->Modules().ScopeFor(User(), tally, {}))));
}

TEST_F(ScriptCommandsSessionTest, ParametersThatDoNotFitGiveTheProcessorsLineAndAnEmptyValueOfTheFixedType) {
    Define("Wrong", {"asParts", "sLeft", "iFound", "asPeople"},
           "Wrong<>\r\n  {\r\n"
           "  asParts[0] = \"x\";\r\n"
           "  sLeft = StrLeft<asParts, 1>;\r\n"
           "  iFound = StrFind<\"abc\", 7>;\r\n"
           "  asPeople = ChanPeople \"#nowhere\";\r\n"
           "  return <sLeft, iFound, #asPeople>;\r\n  }\r\n");
    EXPECT_EQ(Run("Wrong"), CVariable({VariableComponent::String(""), VariableComponent::Int(0),
                                       VariableComponent::Int(0)}));
    ASSERT_EQ(lines.lines.size(), 2u);
    for (const std::string& line : lines.lines) {
        EXPECT_NE(line.find("received incorrect parameters"), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(texts::kScriptCommandHelp)) << line;
    }
}

TEST_F(ScriptCommandsSessionTest, ChannelCommandsReadTheChannelsNamesList) {
    session->Windows().OpenChannel("#c");
    CNamesList& names = *session->Windows().NamesOf("#C");
    names.Add("bob", true, false);
    names.Add("ann", false, true);
    names.Add("cy", false, false);
    EXPECT_EQ(Command("ChanPeople", {S("#c")}).texts, (std::vector<std::string> {"bob", "ann", "cy"}));
    EXPECT_EQ(Command("ChanPeople", {S("#other")}).texts, std::vector<std::string> {});
    struct Case {
        const char* command;
        const char* channel;
        const char* nick;
        int32_t expected;
    };
    for (const Case& c : {Case {"ChanHasOps", "#c", "BOB", 1}, Case {"ChanHasOps", "#c", "ann", 0},
                          Case {"ChanHasVoice", "#c", "ann", 1}, Case {"ChanHasVoice", "#c", "bob", 0},
                          Case {"ChanHasOps", "#c", "nobody", 0}, Case {"ChanHasOps", "#other", "bob", 0}}) {
        const CommandResult result = Command(c.command, {S(c.channel), S(c.nick)});
        EXPECT_EQ(result.type, CommandResult::Type::Integer);
        EXPECT_EQ(result.number, c.expected) << c.command << " " << c.channel << " " << c.nick;
    }
    EXPECT_TRUE(lines.lines.empty());
}

TEST_F(ScriptCommandsSessionTest, AFriendIsAddedSavedAndReadBackByLevel) {
    Command("Friend", {S("bob"), S("my pal")});
    Command("Friend", {S("x@y")});
    Command("Friend", {S("Bob")});  // the same mask: not twice
    Command("Friend", {S("eve!*@evil.example")});
    const std::vector<FriendEntry> expected {{"my pal", "bob!*@*", 1}, {"eve", "eve!*@evil.example", 1}};
    EXPECT_EQ(app->Options().friends, expected);
    EXPECT_EQ(FriendList().Load(app->Store()), expected) << "saved at once, as the preferences page saves";
    EXPECT_TRUE(session->Ignore().Check().Friends().IsFriend(AddressRecord {"BOB", "u", "h"}));
    ASSERT_EQ(lines.lines.size(), 4u);
    EXPECT_TRUE(lines.lines[0].ends_with("- bob!*@* (my pal) added to friend list (in Prefs window).")) << lines.lines[0];
    EXPECT_TRUE(lines.lines[1].ends_with("! x@y is not a valid mask.")) << lines.lines[1];

    struct Case {
        const char* who;
        int32_t level;
    };
    for (const Case& c : {Case {"BOB", 1}, Case {"my pal", 1}, Case {"bob!u@h", 1}, Case {"eve", 1},
                          Case {"eve!u@good.example", 0}, Case {"carl", 0}})
        EXPECT_EQ(Command("FriendLevel", {S(c.who)}).number, c.level) << c.who;
}

TEST_F(ScriptCommandsSessionTest, GetStringAsksInAnInputRequestAndSuppressOutputCounts) {
    ui.promptAnswers.push_back(std::string("typed"));
    EXPECT_EQ(Command("GetString", {S("Your name?")}).text, "typed");
    EXPECT_EQ(Command("GetString", {S("Again?")}).type, CommandResult::Type::String) << "cancelled: empty";
    ASSERT_EQ(ui.prompts.size(), 2u);
    EXPECT_EQ(ui.prompts[0].prompt, "Your name?");
    EXPECT_EQ(ui.prompts[0].title, "Input request");

    OutputSuppression& suppression = OutputSuppression::ClientWide();
    suppression.Reset();
    Command("SuppressOutput", {CommandArgument::Integer(1)});
    Command("SuppressOutput", {CommandArgument::Integer(1)});
    EXPECT_EQ(suppression.Count(), 2);
    for (int i = 0; i < 3; ++i) Command("SuppressOutput", {CommandArgument::Integer(0)});
    EXPECT_EQ(suppression.Count(), 0);
}

}  // namespace
}  // namespace parlevox
