// Script text windows through the command lines a script would run, over a
// real offline session.
#include "ui/TextWindow.h"

#include <gtest/gtest.h>

#include "commands/TextWindowTexts.h"
#include "modules/ModuleTexts.h"
#include "support/OfflineSession.h"
#include "ui/ChatWindows.h"
#include "ui/ScriptEditor.h"

namespace parlevox {
namespace {

class TextWindowTest : public ::testing::Test, protected test::OfflineSession {
protected:
    void Run(const std::string& line) { session->Commands().Run(line, "", "", status); }
    const std::vector<std::string>& Lines(const std::string& name) { return views.lines["~CTextWindow:" + name]; }
};

TEST_F(TextWindowTest, AScriptOpensWritesAndClosesItsWindow) {
    Run("/WndTextNew log Build_log - keep");
    CTextWindow* window = session->Windows().FindText("LOG");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Caption(), "Build log");
    EXPECT_EQ(window->SchemeTarget().KindName(), "CTextWindow:log");
    Run("/WndTextWrite log compiling  3 files");
    EXPECT_EQ(Lines("log"), std::vector<std::string>{"compiling  3 files"});

    Run("/WndTextNew Log Second_title - clear");
    EXPECT_EQ(views.opened["~CTextWindow:log"], 1) << "the open window is reused";
    EXPECT_EQ(window->Caption(), "Second title");

    Run("/WndTextClose log");
    Run("/WndTextWrite log too late");
    Run("/WndTextClose log");
    ASSERT_GE(statusLines.size(), 2u);
    EXPECT_EQ(statusLines[statusLines.size() - 2], texts::kNoWindowToWrite);
    EXPECT_EQ(statusLines.back(), texts::kNoWindowToClose);
    EXPECT_EQ(Lines("log").size(), 1u);
}

TEST_F(TextWindowTest, BadWordsAndTheWindowCapAreRefusedWithTheirReason) {
    struct Case {
        const char* line;
        const char* problem;
    };
    const Case cases[] = {
        {"/WndTextNew log title - sometimes", texts::kTextWindowLastWord},
        {"/WndTextNew aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa t - keep", texts::kTextWindowName},
    };
    for (const Case& c : cases) {
        Run(c.line);
        EXPECT_EQ(statusLines.back(), c.problem) << c.line;
    }
    for (int i = 0; i < 256; ++i) Run("/WndTextNew w" + std::to_string(i) + " t - keep");
    const size_t before = statusLines.size();
    Run("/WndTextNew one_more t - keep");
    ASSERT_EQ(statusLines.size(), before + 1);
    EXPECT_EQ(statusLines.back(), texts::kTooManyTextWindows);
    EXPECT_FALSE(session->Windows().FindText("one_more"));
}

TEST_F(TextWindowTest, TypedLinesGoToTheInputFunction) {
    CScriptEditor editor(app->Modules(), session->Scripts().Calls(), ui);
    ASSERT_TRUE(editor.NewFunction("Answer"));
    CScriptModule& user = *editor.Module();
    editor.Function()->Locals().Add("sLine", user.NextVariableId());
    editor.SetSource("Answer<sLine>\r\n{\r\n/WndTextWrite chat you said %sLine%\r\n/WndTextClose chat\r\n}\r\n");
    ASSERT_EQ(editor.Compile(), std::nullopt);
    Run("/WndTextNew chat Chat Answer keep");
    CTextWindow* window = session->Windows().FindText("chat");
    ASSERT_TRUE(window);
    window->Type("hello there");
    EXPECT_EQ(Lines("chat"), std::vector<std::string>{"you said hello there"});
    EXPECT_FALSE(session->Windows().FindText("chat")) << "closed from its own input function";
    loop.RunOnce();
    EXPECT_EQ(session->Windows().Count(), 0u);

    Run("/WndTextNew other Other Missing keep");
    session->Windows().FindText("other")->Type("x");
    EXPECT_EQ(Lines("other").back(), "This window's input function Missing doesn't exist.");
}

}  // namespace
}  // namespace parlevox
