// The application object over a real settings file: what start-up hands
// down, and what shutdown writes (or, for the headless client, does not).
#include "settings/BrimvaleApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "modules/Reaction.h"
#include "platform/DataFolder.h"

#include "platform/NullAudioOutput.h"
#include "settings/SettingsSection.h"
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

// Records what the application asks of its front end, with what the
// application has made by then.
class RecordingHooks final : public StartupHooks {
public:
    void ShowTitleScreen(CLoaderWindow::InstalledCounts installed, CLoaderWindow::LoadingTimeSaver saver) override {
        calls.push_back("ShowTitleScreen modules=" + std::to_string(installed.modules));
        saveLoadingTime = std::move(saver);
    }
    void TitleStatus(const std::string& text) override { calls.push_back("TitleStatus " + text); }
    void NoMoreIcons() override { calls.push_back("NoMoreIcons"); }
    void MakeMainFrame(CBrimvaleApp& app) override {
        calls.push_back("MakeMainFrame");
        nickWhenFrameMade = app.Network().Window().Settings().logon.nick;
    }
    void PlaceMainWindow(const OptionsRecord::Positions& positions) override {
        calls.push_back("PlaceMainWindow left=" + std::to_string(positions.left));
    }
    void CloseTitleScreen() override { calls.push_back("CloseTitleScreen"); }
    void Pump() override { ++pumps; }
    void TakingDown(ShutdownStep step, CBrimvaleApp& app) override {
        static const char* const names[] = {"Options", "NetworkControl", "VariableStore"};
        calls.push_back(std::string("TakingDown ") + names[static_cast<int>(step)] + " name1=" +
                        SettingsSection(app.Store(), "Nicknames").ReadText("Name1"));
    }

    std::vector<std::string> calls;
    std::string nickWhenFrameMade = "unset";
    CLoaderWindow::LoadingTimeSaver saveLoadingTime;
    int pumps = 0;
};

class BrimvaleAppTest : public testing::Test {
protected:
    std::unique_ptr<CBrimvaleApp> Start(bool save, StartupHooks* hooks = nullptr, std::string modulesFolder = {},
                                        std::string schemesFolder = {}) {
        AppStartOptions options;
        options.schemesFolder = std::move(schemesFolder);
        options.settingsPath = dir.File("registry.reg");
        options.programFolder = dir.Path() + "/";
        options.saveSettings = save;
        options.modulesFolder = std::move(modulesFolder);
        return std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status, hooks}, options);
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

const std::string kWithModulesAndPositions =
    kSettings + "\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Modules]\n\"Count\"=dword:00000002\n"
                "\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Positions]\n\"Left\"=dword:00000021\n";

TEST_F(BrimvaleAppTest, StartUpShowsTheTitleScreenThenLoadsInOrderAndClosesIt) {
    test::WriteWholeFile(dir.File("registry.reg"), kWithModulesAndPositions);
    RecordingHooks hooks;
    auto app = Start(true, &hooks);
    ASSERT_TRUE(app->Started());
    const std::vector<std::string> expected = {
        "ShowTitleScreen modules=2",
        "MakeMainFrame",
        "TitleStatus Loading settings...",
        "NoMoreIcons",
        "TitleStatus Initialising parser...",
        "TitleStatus Initialising major channels...",
        "PlaceMainWindow left=33",
        "CloseTitleScreen",
    };
    EXPECT_EQ(hooks.calls, expected);
    EXPECT_EQ(hooks.nickWhenFrameMade, "") << "the options record loads after the main frame is made";
    EXPECT_EQ(app->Network().Window().Settings().logon.nick, "ann");
    EXPECT_GE(hooks.pumps, 6) << "the title screen is pumped between the steps";

    ASSERT_TRUE(hooks.saveLoadingTime);
    hooks.saveLoadingTime(4321);
    EXPECT_EQ(SettingsSection(app->Store(), "misc").ReadInt("Loading time", 0), 4321);
    app.reset();
    hooks.saveLoadingTime(99);  // the title screen outlived the application: nothing happens
    EXPECT_NE(test::ReadWholeFile(dir.File("registry.reg")).find("\"Loading time\"=dword:000010e1"),
              std::string::npos);
}

TEST_F(BrimvaleAppTest, TheFirstStartInstallsUserAndTheSampleWithItsReactionsAndLaterOnesKeepTheList) {
    for (int start = 0; start < 2; ++start) {
        auto app = Start(true, nullptr, DataFolder::ModulesPath());
        ASSERT_TRUE(app->Started());
        ASSERT_EQ(app->Modules().Modules().size(), 2u) << start;
        EXPECT_EQ(app->Modules().Modules()[0].module->Name(), "User");
        const CScriptModule* sample = app->Modules().FindByName("Sample");
        ASSERT_TRUE(sample);
        EXPECT_EQ(app->Modules().Paths()[1], dir.File("Sample.ParlevoxModule"));
        ASSERT_EQ(app->ReactionTexts().size(), 2u);
        for (const std::string& text : app->ReactionTexts())
            EXPECT_EQ(CReaction::FromText(text).reaction->owner, sample->Id());
        // Its menu item joined the menu for a user in a channel, once.
        const std::vector<MenuItem>& both = app->Menus().Items(MenuKind::Both);
        auto owned = [&](const MenuItem& item) { return item.owner == sample->Id(); };
        EXPECT_EQ(std::count_if(both.begin(), both.end(), owned), 1) << start;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(BrimvaleAppTest, TheFirstStartInstallsTheSampleSchemesAndARemovedOneStaysRemoved) {
    const SchemeWindow channel{SchemeWindow::Kind::Channel, "#linux", "irc.example.net"};
    const SchemeWindow chat{SchemeWindow::Kind::PrivateChat, "bob", "irc.example.net"};
    {
        auto app = Start(true, nullptr, {}, DataFolder::SchemesPath());
        CSchemeManager& schemes = app->Schemes();
        ASSERT_EQ(schemes.Paths(), (std::vector<std::string>{"Calm.ParlevoxScheme", "Night.ParlevoxScheme"}));
        EXPECT_EQ(schemes.IndexForWindow(channel), 1);
        EXPECT_EQ(schemes.IndexForWindow(chat), 2);
        schemes.Remove(2);
    }
    auto app = Start(true, nullptr, {}, DataFolder::SchemesPath());
    EXPECT_EQ(app->Schemes().Paths(), std::vector<std::string>{"Calm.ParlevoxScheme"});
    EXPECT_EQ(app->Schemes().IndexForWindow(chat), 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(BrimvaleAppTest, ShutdownSavesTheOptionsBeforeTakingDownTheNetworkAndTheVariables) {
    test::WriteWholeFile(dir.File("registry.reg"), kSettings);
    RecordingHooks hooks;
    {
        auto app = Start(true, &hooks);
        hooks.calls.clear();
        app->Options().nicknames[0].name = "cyd";
    }
    const std::vector<std::string> expected = {
        "TakingDown Options name1=ann",
        "TakingDown NetworkControl name1=cyd",
        "TakingDown VariableStore name1=cyd",
    };
    EXPECT_EQ(hooks.calls, expected);
}

TEST_F(BrimvaleAppTest, AFailedMoveCallsNoHookAndTheHeadlessClientSavesNoLoadingTime) {
    const std::string former = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Software Amberlode\\Brimvale]\n\"Big\"=\"" +
                               std::string(2000, 'x') + "\"\n";
    test::WriteWholeFile(dir.File("registry.reg"), former);
    RecordingHooks hooks;
    Start(true, &hooks).reset();
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(hooks.pumps, 0);

    test::WriteWholeFile(dir.File("registry.reg"), kSettings);
    auto app = Start(false, &hooks);
    EXPECT_FALSE(hooks.saveLoadingTime) << "nothing to save with when settings are not written";
}

// The category file: the program folder's copy before the shipped one; a
// damaged or missing one is reported under its title and start-up goes on
// with what was read.
TEST_F(BrimvaleAppTest, StartUpReadsTheCategoryFileAndReportsDamageWithoutStopping) {
    const std::string shipped = test::ReadWholeFile(PARLEVOX_MAJOR_CHANNELS_FILE);
    const size_t tree = shipped.find("{MAIN\\");
    ASSERT_NE(tree, std::string::npos);
    std::string damaged = shipped;
    damaged[tree] = 'X';
    struct Case {
        const char* name;
        std::optional<std::string> own;  // the program folder's copy
        std::string shippedFile;
        const char* problem;  // nullptr: no box
        const char* root;
        bool icons;
    };
    const Case cases[] = {
        {"shipped only", std::nullopt, PARLEVOX_MAJOR_CHANNELS_FILE, nullptr, "MAIN", true},
        {"own copy first", damaged, PARLEVOX_MAJOR_CHANNELS_FILE, majorchannels_text::kTreeCorrupt, "", true},
        {"truncated own copy", shipped.substr(0, tree + 20), "", majorchannels_text::kReadError, "MAIN", true},
        {"shipped copy missing", std::nullopt, dir.File("nowhere.dat"), majorchannels_text::kReadError, "", false},
        {"none shipped, none found", std::nullopt, "", nullptr, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(dir.File(majorchannels_text::kFileName).c_str());
        if (c.own) test::WriteWholeFile(dir.File(majorchannels_text::kFileName), *c.own);
        ui.boxes.clear();
        RecordingHooks hooks;
        AppStartOptions options;
        options.settingsPath = dir.File("registry.reg");
        options.programFolder = dir.Path() + "/";
        options.majorChannelsFile = c.shippedFile;
        CBrimvaleApp app(FrontEnd{loop, ui, audio, status, &hooks}, options);
        ASSERT_TRUE(app.Started());
        EXPECT_EQ(hooks.calls.back(), "CloseTitleScreen") << "start-up went on";
        ASSERT_EQ(ui.boxes.size(), c.problem ? 1u : 0u);
        if (c.problem) {
            EXPECT_EQ(ui.boxes[0].title, "Channel category error");
            EXPECT_EQ(ui.boxes[0].text, c.problem);
            EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(app.MajorChannels().Root().name, c.root);
        EXPECT_EQ(app.MajorChannels().Icons().empty(), !c.icons);
    }
}

}  // namespace
}  // namespace parlevox
