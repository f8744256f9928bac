// The notify list through the application object and a real settings
// file: a lost nick ends the load with its box, the user's nicks come back
// after a restart without "NickServ", and the headless client writes none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "settings/SettingsSection.h"
#include "settings/StrictListMessages.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

class NotifyListStoreTest : public testing::Test {
protected:
    std::unique_ptr<CBrimvaleApp> Start(bool save, const test::TempDir& home) {
        return std::make_unique<CBrimvaleApp>(FrontEnd {loop, ui, audio, status},
                                              AppStartOptions {home.File("registry.reg"), home.Path() + "/", save});
    }

    test::TempDir dir;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
};

TEST_F(NotifyListStoreTest, ANickLostFromTheStoreEndsTheLoadWithItsBoxAndKeepsTheNicksBefore) {
    test::WriteWholeFile(dir.File("registry.reg"),
                         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Notify]\n"
                         "\"Count\"=dword:00000004\n\"00000000\"=\"ann\"\n\"00000001\"=\"bob\"\n"
                         "\"00000003\"=\"dee\"\n");
    auto app = Start(true, dir);
    EXPECT_EQ(app->Notify().Nicks(), (std::vector<std::string> {"ann", "bob"}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, StrictListMessageFor("Notify"));
    EXPECT_EQ(ui.boxes[0].text,
              "There was a problem loading notify settings from the registry - some of the nicks you had on notify "
              "appear to have been lost from the list.");
}

TEST_F(NotifyListStoreTest, TheUsersNicksSurviveARestartOnlyWhenSettingsAreSaved) {
    struct Case {
        const char* description;
        bool save;
        std::vector<std::string> afterRestart;
    };
    const Case cases[] = {{"the desktop client", true, {"bob", "Ada"}}, {"the headless client", false, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        test::TempDir home;
        {
            auto app = Start(c.save, home);
            app->Notify().Add("bob");
            app->Notify().Add("cy");
            app->Notify().Add("Ada");
            app->Notify().Remove("CY");
        }
        auto app = Start(c.save, home);
        EXPECT_EQ(app->Notify().Nicks(), c.afterRestart);
        EXPECT_EQ(SettingsSection(app->Store(), "Notify").ReadInt("Count", -1), c.save ? 2 : -1)
            << "NickServ is neither stored nor counted";
        EXPECT_TRUE(ui.boxes.empty());
    }
}

}  // namespace
}  // namespace parlevox
