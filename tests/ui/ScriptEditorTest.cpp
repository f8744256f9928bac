// The Scripting window's logic over a real session: functions written,
// compiled and called; the questions before leaving or deleting; modules
// installed, removed and made; variables and reactions edited.
#include "ui/ScriptEditor.h"

#include <gtest/gtest.h>

#include "display/PngFile.h"

#include <filesystem>

#include "display/Scheme.h"
#include "modules/ModuleTexts.h"
#include "modules/ReactionTexts.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "script/VariableTexts.h"
#include "settings/BrimvaleApp.h"
#include "support/OfflineSession.h"
#include "support/RecordingViews.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/ReactionEditor.h"
#include "ui/ScriptVariables.h"
#include "ui/StatusWindow.h"

namespace parlevox {
namespace {

using namespace module_text;

class ScriptEditorTest : public ::testing::Test, protected test::OfflineSession {
protected:
    ScriptEditorTest() {
        editor = std::make_unique<CScriptEditor>(app->Modules(), session->Scripts().Calls(), ui);
    }
    ~ScriptEditorTest() override {
        editor.reset();
    }
    CScriptModule& User() { return *app->Modules().FindByName(kUserModuleName); }

    std::unique_ptr<CScriptEditor> editor;
};

TEST_F(ScriptEditorTest, ACompileErrorIsShownWithItsOffsetAndTheFixedFunctionIsCallable) {
    ASSERT_EQ(editor->Module(), &User());
    ASSERT_TRUE(editor->NewFunction("Answer"));
    EXPECT_EQ(editor->Function()->Source(), std::string("Answer") + CScriptFunction::kNewSourceTail);
    const std::string broken = "Answer<>\r\n  {\r\n  return 6 * ;\r\n  }\r\n";
    editor->SetSource(broken);
    std::optional<uint32_t> offset = editor->Compile();
    ASSERT_TRUE(offset);
    EXPECT_GE(*offset, broken.find("6 *"));
    EXPECT_LE(*offset, broken.find("}"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, kCompileErrorTitle);
    EXPECT_EQ(ui.boxes[0].text.rfind(kCompileErrorHead, 0), 0u);
    EXPECT_TRUE(ui.boxes[0].text.ends_with(kCompileErrorTail));
    EXPECT_EQ(Call("Answer"), CVariable());  // never compiled: the empty value

    editor->SetSource("Answer<>\r\n  {\r\n  return 6 * 7;\r\n  }\r\n");
    EXPECT_EQ(editor->Compile(), std::nullopt);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(Call("answer"), CVariable({VariableComponent::Int(42)}));
    EXPECT_TRUE(User().HasChanges());
}

TEST_F(ScriptEditorTest, NewFunctionRefusesTakenAndMalformedNames) {
    ASSERT_TRUE(editor->NewFunction("Tally"));
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Tally", texts::kReactionFunctionExists},
        {"TALLY", texts::kReactionFunctionExists},
        {"", kBadFunctionName},
        {"2Fast", kBadFunctionName},
        {"Two Words", kBadFunctionName},
        {"/msg", kBadFunctionName},
    };
    for (const Case& c : cases) {
        ui.boxes.clear();
        EXPECT_FALSE(editor->NewFunction(c.name)) << c.name;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.name;
        EXPECT_EQ(ui.boxes[0].text, c.text) << c.name;
    }
    EXPECT_EQ(User().Functions().size(), 1u);
    EXPECT_FALSE(editor->RenameFunction("2Fast"));
    EXPECT_TRUE(editor->RenameFunction("TALLY"));  // its own name in other letters
    EXPECT_EQ(editor->Function()->Name(), "TALLY");
}

TEST_F(ScriptEditorTest, LeavingAnUncompiledFunctionAsksAndNoStays) {
    ASSERT_TRUE(editor->NewFunction("First"));
    editor->SetSource("First<>\r\n  {\r\n  return 1;\r\n  }\r\n");
    ASSERT_EQ(editor->Compile(), std::nullopt);
    ASSERT_TRUE(editor->NewFunction("Second"));  // First was compiled: no question
    EXPECT_TRUE(ui.boxes.empty());
    editor->SetSource("Second<>\r\n  {\r\n  return 2;\r\n  }\r\n");

    ui.boxAnswers = {MessageResult::No};
    EXPECT_FALSE(editor->SelectFunction("First"));
    EXPECT_EQ(editor->Function()->Name(), "Second");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, kUncompiledTitle);
    EXPECT_NE(ui.boxes[0].text.find("Second"), std::string::npos);
    EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::YesNo);

    ui.boxAnswers = {MessageResult::Yes};
    EXPECT_TRUE(editor->SelectFunction("First"));
    EXPECT_EQ(editor->Function()->Name(), "First");
}

TEST_F(ScriptEditorTest, DeletingAFunctionNeedsAYes) {
    ASSERT_TRUE(editor->NewFunction("Doomed"));
    ui.boxAnswers = {MessageResult::No, MessageResult::Yes};
    EXPECT_FALSE(editor->DeleteFunction());
    EXPECT_TRUE(User().FindFunction("Doomed"));
    EXPECT_TRUE(editor->DeleteFunction());
    EXPECT_FALSE(User().FindFunction("Doomed"));
    EXPECT_EQ(editor->Function(), nullptr);
    EXPECT_EQ(ui.boxes[0].title, kDeleteFunctionTitle);
}

TEST_F(ScriptEditorTest, TheShownTextHasLineFeedsAndOffsetsFollowIt) {
    struct Case {
        const char* source;
        const char* shown;
        size_t offset, shownOffset;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc", "a\nb\nc", 6, 4},  // at c: two CRs before it
        {"a\r\nb", "a\nb", 1, 1},          // at the CR itself
        {"a\rb\n", "a\rb\n", 4, 4},        // a lone CR stays
        {"ab", "ab", 99, 2},               // past the end: the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CScriptEditor::ShownText(c.source), c.shown) << c.source;
        EXPECT_EQ(CScriptEditor::ShownOffset(c.source, c.offset), c.shownOffset) << c.source;
    }
    EXPECT_EQ(CScriptEditor::SourceOf("x\n  {\n  }\n"), "x\r\n  {\r\n  }\r\n");
}

TEST_F(ScriptEditorTest, ModulesAreMadeInstalledAndRemoved) {
    ui.promptAnswers = {"Tools", "Ada", "(c) Ada"};
    const std::string path = home.File("Tools.ParlevoxModule");
    ui.saveAnswers = {path};
    CRawBitmap drawn = CRawBitmap::TrueColour(CScriptModule::kIconSize, CScriptModule::kIconSize);
    drawn.Row(0)[0] = 77;
    test::WriteWholeFile(home.File("tools.PNG"), EncodePng(drawn));
    ui.openAnswers = {home.File("tools.PNG")};
    CScriptModule* made = editor->NewModule();
    ASSERT_TRUE(made);
    EXPECT_EQ(editor->Module(), made);
    EXPECT_EQ(made->Author(), "Ada");
    ASSERT_TRUE(made->Icon());
    EXPECT_EQ(made->Icon()->Row(0)[0], 77);

    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, kSaveNewModuleTitle);
    EXPECT_EQ(ui.saveDialogs[0].filter, kInstallFilter);

    ui.boxAnswers = {MessageResult::No, MessageResult::Yes};
    EXPECT_FALSE(editor->RemoveModule(made->Id()));
    EXPECT_TRUE(editor->RemoveModule(made->Id()));
    EXPECT_EQ(app->Modules().FindByName("Tools"), nullptr);
    EXPECT_EQ(editor->Module(), &User());

    const std::string kit = home.File("Kit.ParlevoxModule");
    test::WriteWholeFile(kit, CScriptModule(0x4242, "Kit", "", "").Serialize());
    ui.openAnswers = {kit};
    CScriptModule* installed = editor->InstallModule();
    ASSERT_TRUE(installed);
    EXPECT_EQ(installed->Name(), "Kit");
    EXPECT_EQ(editor->Module(), installed);
    EXPECT_EQ(ui.openDialogs.at(1).filter, kInstallFilter);
    EXPECT_EQ(editor->InstallModule(), nullptr);  // cancelled

    // A picture of another size is refused with its reason; the module is made without one.
    test::WriteWholeFile(home.File("big.png"), EncodePng(CRawBitmap::TrueColour(64, 64)));
    ui.promptAnswers = {"Other", "", ""};
    ui.openAnswers = {home.File("big.png")};
    ui.saveAnswers = {home.File("Other.ParlevoxModule")};
    CScriptModule* other = editor->NewModule();
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->Icon());
    EXPECT_EQ(ui.boxes.back().text, kIconWrongSize);
}

TEST_F(ScriptEditorTest, VariablesAreAddedByNameListedAndChanged) {
    CScriptVariables variables(*editor);
    ASSERT_TRUE(editor->NewFunction("Counter"));
    struct Case {
        VariableScope scope;
        const char* name;
        const char* error;  // null: added
    };
    const Case cases[] = {
        {VariableScope::Global, "iCount", nullptr},
        {VariableScope::Local, "asNames", nullptr},
        {VariableScope::ModuleWide, "sifPair", nullptr},
        {VariableScope::Global, "iCount", kVariableExists},
        {VariableScope::Global, "xThing", kInvalidTypeInName},
        {VariableScope::Global, "aThing", kInvalidTypeAfterA},
        {VariableScope::Global, "i Count", kBadVariableName},
    };
    for (const Case& c : cases) {
        ui.boxes.clear();
        EXPECT_EQ(variables.Add(c.scope, c.name), c.error == nullptr) << c.name;
        if (c.error) {
            EXPECT_EQ(ui.boxes.at(0).text, c.error) << c.name;
        }
    }
    std::vector<VariableRow> rows = variables.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "asNames");  // locals first
    EXPECT_EQ(rows[0].type, "as");
    EXPECT_EQ(rows[1].value, "<\"\", 0, >");
    EXPECT_EQ(rows[2].access, "ModW");
    EXPECT_TRUE(variables.StepAccess(VariableScope::Global, "iCount"));
    EXPECT_EQ(variables.Rows()[2].access, "AnyW");

    ui.boxAnswers = {MessageResult::Yes};
    EXPECT_TRUE(variables.Delete(VariableScope::Local, "asNames"));
    EXPECT_EQ(variables.Rows().size(), 2u);
    EXPECT_TRUE(User().HasChanges());
}

TEST(ScriptVariablesText, ValuesReadAsOneLine) {
    struct Case {
        CVariable value;
        const char* text;
    };
    const Case cases[] = {
        {CVariable({VariableComponent::String("hi")}), "\"hi\""},
        {CVariable({VariableComponent::Int(-3), VariableComponent::Function("Go")}), "<-3, Go>"},
        {CVariable({VariableComponent::IntArray({1, 2})}), "{1, 2}"},
        {CVariable({VariableComponent::StringArray(std::vector<std::string>(10, "a"))}),
         "{\"a\", \"a\", \"a\", \"a\", \"a\", \"a\", \"a\", \"a\", ... 10 items}"},
        {CVariable({VariableComponent::String(std::string(100, 'x'))}), nullptr},
        {CVariable(), "<>"},
    };
    for (const Case& c : cases) {
        const std::string text = CScriptVariables::ValueText(c.value);
        if (c.text) {
            EXPECT_EQ(text, c.text);
        } else {
            EXPECT_EQ(text, "\"" + std::string(80, 'x') + "...\"");
        }
    }
}

TEST_F(ScriptEditorTest, ReactionsNeedAnActionAndAnOwnerAndMarkTheirModule) {
    CReactionEditor reactions(session->Reactions(), app->Modules(), ui);
    const int32_t user = User().Id();
    CReaction noAction = CReactionEditor::Blank(user);
    CReaction noOwner = CReactionEditor::Blank(0);
    noOwner.action = "Greet";
    for (const CReaction& incomplete : {noAction, noOwner}) {
        ui.boxes.clear();
        EXPECT_FALSE(reactions.Add(incomplete));
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, texts::kFunctionAndModuleRequiredTitle);
        EXPECT_EQ(ui.boxes[0].text, texts::kFunctionAndModuleRequired);
    }
    User().ClearChanges();
    CReaction greet = CReactionEditor::Blank(user);
    greet.action = "/msg #pvx hello";
    ASSERT_TRUE(reactions.Add(greet));
    EXPECT_TRUE(User().HasChanges());
    ASSERT_EQ(reactions.Rows().size(), 1u);
    EXPECT_EQ(reactions.Rows()[0].owner, kUserModuleName);
    EXPECT_EQ(reactions.Lines()[0].rfind("Yes\tUser /msg #pvx hello", 0), 0u);

    ui.boxes.clear();
    EXPECT_FALSE(reactions.Update(0, noAction));
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(reactions.SetActive(0, false));
    EXPECT_FALSE(reactions.Rows()[0].active);
    ui.boxAnswers = {MessageResult::Yes};
    EXPECT_TRUE(reactions.Remove(0));
    EXPECT_TRUE(reactions.Rows().empty());
}

TEST_F(ScriptEditorTest, ReactionFunctionsStartFromTheTemplate) {
    CReactionEditor reactions(session->Reactions(), app->Modules(), ui);
    CScriptFunction* made = reactions.NewReactionFunction("OnHello", User().Id());
    ASSERT_TRUE(made);
    EXPECT_EQ(made->Source(), std::string("OnHello") + texts::kNewReactionFunctionTail);
    EXPECT_EQ(reactions.NewReactionFunction("onhello", User().Id()), nullptr);
    EXPECT_EQ(ui.boxes.at(0).text, texts::kReactionFunctionExists);
    EXPECT_EQ(reactions.NewReactionFunction("/msg", User().Id()), nullptr);
    EXPECT_EQ(reactions.NewReactionFunction("Other", 0), nullptr);
    EXPECT_EQ(ui.boxes.size(), 3u);
    // The template compiles as it is.
    ASSERT_TRUE(editor->SelectFunction("OnHello"));
    EXPECT_EQ(editor->Compile(), std::nullopt);
    EXPECT_EQ(Call("OnHello"), CVariable({VariableComponent::Int(1), VariableComponent::Int(0)}));
}

}  // namespace
}  // namespace parlevox
