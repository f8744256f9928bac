// "/run" and the scripts' Run in a whole offline session: both reach the
// application's run permission list, whose additions are in the settings
// and allow the program after a restart.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "modules/ModuleTexts.h"
#include "settings/OwnerLists.h"
#include "settings/SettingsSection.h"
#include "support/OfflineSession.h"

namespace parlevox {
namespace {

struct Lines final : CommandOutput {
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class RunProgramSessionTest : public ::testing::Test, protected test::OfflineSession {
protected:
    RunProgramSessionTest() : OfflineSession(/*saveSettings=*/true) {
        const std::string path = home.File("record");
        test::WriteWholeFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '<%s>' \"$a\"; done > \"$0.tmp\" && "
                                   "mv \"$0.tmp\" \"$0.out\"\n");
        chmod(path.c_str(), 0755);
        recorder = std::filesystem::canonical(path).string();
    }

    std::string Recorded() {
        const std::string out = recorder + ".out";
        for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::string text = test::ReadWholeFile(out);
        std::filesystem::remove(out);
        return text;
    }

    void Restart() {
        session.reset();
        app.reset();  // the last save writes the file
        app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{home.File("settings.reg"), home.Path(), true});
        session = std::make_unique<CChatSession>(*app, status, views);
    }

    std::string recorder;
    Lines lines;
};

TEST_F(RunProgramSessionTest, AScriptsRunAsksAndYesIsSavedSoThatTypedRunsStartAtOnceAfterARestart) {
    CScriptModule& user = *app->Modules().FindByName(module_text::kUserModuleName);
    auto function = std::make_unique<CScriptFunction>("Launch");
    function->SetSource("Launch<>\r\n  {\r\n  Run<\"" + recorder + "\", \"\\\"a b\\\" c\">;\r\n  }\r\n");
    CScriptFunction& added = user.AddFunction(std::move(function));
    ASSERT_FALSE(session->Scripts().Calls().Compile(user, added));

    ui.boxAnswers = {MessageResult::Yes};
    ScriptRunContext context{lines, ""};
    session->Scripts().Calls().CallByName("Launch", CVariable(), context);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].defaultButton, 3);
    EXPECT_EQ(Recorded(), "<a b><c>");
    SettingsSection stored(app->Store(), AllowRunListLayout().section);
    EXPECT_EQ(stored.ReadInt("Count", 0), 1);
    EXPECT_EQ(stored.ReadText("00000000Pathname"), recorder);

    Restart();
    session->Commands().Run("/run " + recorder + " x \"y z\"", "", "", lines);
    EXPECT_EQ(Recorded(), "<x><y z>");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(lines.lines.empty()) << lines.lines.front();
}

}  // namespace
}  // namespace parlevox
