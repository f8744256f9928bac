// The application object over a real settings file: what start-up hands
// down, and what shutdown writes (or, for the headless client, does not).
#include "settings/BrimvaleApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

const std::string kSettings =
    "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Nicknames]\n\"Name1\"=\"ann\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Colours]\n\"Colour15\"=dword:00000004\n";

class BrimvaleAppTest : public testing::Test {
protected:
    std::unique_ptr<CBrimvaleApp> Start(bool save) {
        AppStartOptions options;
        options.settingsPath = dir.File("registry.reg");
        options.programFolder = dir.Path() + "/";
        options.saveSettings = save;
        return std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status}, options);
    }

    test::TempDir dir;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
};

TEST_F(BrimvaleAppTest, StartUpHandsTheSettingsDownAndShutdownSavesOnlyWhenAsked) {
    for (bool save : {true, false}) {
        test::WriteWholeFile(dir.File("registry.reg"), kSettings);
        {
            auto app = Start(save);
            ASSERT_TRUE(app->Started());
            EXPECT_EQ(app->Network().Window().Settings().logon.nick, "ann");
            EXPECT_EQ(app->Network().Window().Settings().colours.Code(14), "\x03" "4");
            app->Options().nicknames[0].name = "bob";
            app->OptionsChanged();
            EXPECT_EQ(app->Network().Window().Settings().logon.nick, "bob") << "changes are handed down";
        }
        const std::string file = test::ReadWholeFile(dir.File("registry.reg"));
        EXPECT_EQ(file.find("\"Name1\"=\"bob\"") != std::string::npos, save) << file;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(BrimvaleAppTest, AFailedMoveOfTheFormerSettingsStartsNothingAndWritesNothing) {
    const std::string former = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Software Amberlode\\Brimvale]\n\"Big\"=\"" +
                               std::string(2000, 'x') + "\"\n";
    test::WriteWholeFile(dir.File("registry.reg"), former);
    {
        auto app = Start(true);
        EXPECT_FALSE(app->Started());
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Error!");
    EXPECT_EQ(test::ReadWholeFile(dir.File("registry.reg")), former);
}

}  // namespace
}  // namespace parlevox
