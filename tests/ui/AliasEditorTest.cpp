// Aliases over a real session: the generated source byte for byte, the
// name rules, the compile message, the question before losing changes,
// and an alias run as a "/" command with its parameters.
#include "ui/AliasEditor.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "modules/MenuTexts.h"
#include "modules/ModuleTexts.h"
#include "support/OfflineSession.h"

namespace parlevox {
namespace {

using namespace menu_text;

struct RecordingOutput final : CommandOutput {
    void AddLine(std::string_view text) override { lines.push_back(StripControlCodes(text)); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class AliasEditorTest : public ::testing::Test, protected test::OfflineSession {
protected:
    AliasEditorTest() : aliases(app->Modules(), session->Scripts().Calls(), ui) {}
    CScriptModule& User() { return *app->Modules().FindByName("User"); }

    CAliasEditor aliases;
};

TEST_F(AliasEditorTest, TheSourceIsGeneratedExactly) {
    const std::string head =
        "// This is an automatically-generated alias\r\n// If you modify it in Editor, DELETE THESE 2 LINES.\r\n";
    struct Case {
        const char* lines;
        std::string source;
    };
    const Case cases[] = {
        {"/msg %sA1% %sA3%", head + "Hi <sA1,sA2,sA3 >\r\n{\r\n/msg %sA1% %sA3%\r\n}"},
        {"/join #x\r\n/part #y\r\n", head + "Hi <>\r\n{\r\n/join #x\r\n/part #y\r\n}"},
        {"/echo %sA12% %sA0% %sB9% %SA9% %sA", head + "Hi <sA1 >\r\n{\r\n/echo %sA12% %sA0% %sB9% %SA9% %sA\r\n}"},
        {"", head + "Hi <>\r\n{\r\n\r\n}"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CAliasEditor::GenerateSource("Hi", c.lines), c.source) << c.lines;
        std::string kept = c.lines;
        if (kept.ends_with("\r\n")) kept.resize(kept.size() - 2);
        EXPECT_EQ(CAliasEditor::LinesOf(c.source), kept) << "the editor shows the lines again";
    }
}

TEST_F(AliasEditorTest, AnAliasRunsAsACommandWithItsParameters) {
    ASSERT_TRUE(aliases.Set("Relay", "/echo to %sA1%: %sA3%\r\n/echo (via %sA2% in %sC%)"));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(aliases.Aliases(), std::vector<std::string>{"Relay"});
    EXPECT_TRUE(User().HasChanges());

    RecordingOutput output;
    session->Commands().Run("/relay bob ann hello there", "#den", "", output);
    EXPECT_EQ(output.lines, (std::vector<std::string>{"to bob: hello there", "(via ann in #den)"}));

    // Set again: the same function, new lines.
    ASSERT_TRUE(aliases.Set("Relay", "/echo only %sA1%"));
    output.lines.clear();
    session->Commands().Run("/Relay bob", "", "", output);
    EXPECT_EQ(output.lines, std::vector<std::string>{"only bob"});
    EXPECT_EQ(aliases.AliasLines(), "/echo only %sA1%");

    ASSERT_TRUE(aliases.Rename("Tell"));
    output.lines.clear();
    session->Commands().Run("/tell ann", "", "", output);
    EXPECT_EQ(output.lines, std::vector<std::string>{"only ann"});
    EXPECT_EQ(User().FindFunction("Relay"), nullptr);

    ui.boxAnswers.push_back(MessageResult::Yes);
    ASSERT_TRUE(aliases.Delete());
    EXPECT_TRUE(aliases.Aliases().empty());
}

TEST_F(AliasEditorTest, ALineWithoutASlashFailsWithTheAliasMessage) {
    EXPECT_FALSE(aliases.Set("Oops", "/echo fine\r\nhello there"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, module_text::kCompileErrorTitle);
    EXPECT_EQ(ui.boxes[0].text, kAliasCompileFailed);
    ASSERT_NE(User().FindFunction("Oops"), nullptr);
    EXPECT_EQ(User().FindFunction("Oops")->Tree(), nullptr);
}

TEST_F(AliasEditorTest, NamesFollowTheRules) {
    User().AddFunction(std::make_unique<CScriptFunction>("Taken"));
    ASSERT_TRUE(aliases.Set("Mine", "/echo x"));
    struct Case {
        std::string name;
        const char* title;  // nullptr: accepted
        const char* text;
    };
    const Case cases[] = {
        {"", kNameRequiredTitle, kNameRequired},
        {"Taken", kInvalidNameTitle, kNameInUse},
        {"TAKEN", kInvalidNameTitle, kNameInUse},
        {"lower", kInvalidNameTitle, kNameCharacters},
        {"9Lives", kInvalidNameTitle, kNameCharacters},
        {"Two Words", kInvalidNameTitle, kNameCharacters},
        {"Bad\x01", kInvalidNameTitle, kNameCharacters},
        {std::string("Nul\0l", 5), kInvalidNameTitle, kNameCharacters},
        {"\xDF" "ig", kInvalidNameTitle, kNameCharacters},  // sharp s has no upper case
        {"Times\xD7", kInvalidNameTitle, kNameCharacters},  // the multiplication sign is no letter
        {"Mine", nullptr, nullptr},                          // its own alias: set again
        {"\xC9t\xE9" "2", nullptr, nullptr},                 // accented capital first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        EXPECT_EQ(aliases.Set(c.name, "/echo x"), c.title == nullptr);
        if (!c.title) {
            EXPECT_TRUE(ui.boxes.empty());
            continue;
        }
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, c.title);
        EXPECT_EQ(ui.boxes[0].text, c.text);
    }
    // Every byte, first and later: ASCII by the letter and digit rules;
    // none of the others may get past the rules unnoticed.
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        for (const std::string& name : {std::string(1, c), "Q" + std::string(1, c)}) {
            ui.boxes.clear();
            const bool first = name.size() == 1;
            const bool made = aliases.CheckName(name, nullptr);
            if (byte < 128) EXPECT_EQ(made, first ? std::isupper(byte) != 0 : std::isalnum(byte) != 0) << byte;
            EXPECT_EQ(ui.boxes.size(), made ? 0u : 1u) << byte;
        }
    }
}

TEST_F(AliasEditorTest, LeavingUnsetChangesAsksFirst) {
    CScriptModule* other = app->Modules().Create("Other", "", "", std::nullopt, home.File("Other.ParlevoxModule"));
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(aliases.Set("One", "/echo 1"));
    ASSERT_TRUE(aliases.Set("Two", "/echo 2"));
    ASSERT_TRUE(aliases.SelectAlias("One"));
    ui.boxes.clear();
    aliases.SetChanged(true);
    struct Case {
        const char* what;
        std::function<bool()> leave;
    };
    const Case cases[] = {
        {"alias", [&] { return aliases.SelectAlias("Two"); }},
        {"alias", [&] { return aliases.StartNew(); }},
        {"window", [&] { return aliases.MayCloseWindow(); }},
        {"module", [&] { return aliases.SelectModule(other->Id()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.boxes.clear();
        ui.boxAnswers.push_back(MessageResult::No);
        EXPECT_FALSE(c.leave());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, "Confirmation");
        EXPECT_EQ(ui.boxes[0].text, "You have made changes to this alias. Switching to a different " +
                                        std::string(c.what) +
                                        ", without first clicking Set, will lose these changes.\n\nAre you sure "
                                        "you want to lose your changes?");
        EXPECT_EQ(aliases.Alias(), "One");
    }
    ui.boxAnswers.push_back(MessageResult::Yes);
    EXPECT_TRUE(aliases.SelectAlias("Two"));
    EXPECT_EQ(aliases.Alias(), "Two");
    ui.boxes.clear();
    EXPECT_TRUE(aliases.SelectAlias("One")) << "nothing changed now: no question";
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace parlevox
