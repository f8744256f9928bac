// The "SC Plug-ins" list: loading drops what fails and writes the list back,
// install shows the safety hint once and goes through the file dialog,
// uninstall asks first; and the application shows each plug-in's icon.
#include "settings/ScPlugInList.h"

#include <fmt/printf.h>
#include <gtest/gtest.h>

#include "irc/ConnectionState.h"
#include "modules/ScPlugInTexts.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "script/SystemVariables.h"
#include "settings/BrimvaleApp.h"
#include "settings/OwnerLists.h"
#include "settings/SettingsList.h"
#include "settings/SettingsSection.h"
#include "settings/StrictListMessages.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace plugin_text;

const std::string kGood = std::string(PARLEVOX_TEST_PLUGIN_DIR) + "/Good.ParlevoxPlugIn";
const std::string kGone = "/nonexistent/Gone.ParlevoxPlugIn";

class ScPlugInListTest : public testing::Test {
protected:
    std::vector<std::string> Stored() { return LoadTextList(registry, ScPlugInListLayout()); }
    int StoredCount() { return SettingsSection(registry, "SC Plug-ins").ReadInt("Count", -1); }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : ui.boxes) texts.push_back(box.text);
        return texts;
    }

    Registry registry;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    ConnectionState connection;
    SystemVariables variables{connection};
    ScPlugInList list{registry, ui, loop, variables, true};
};

TEST_F(ScPlugInListTest, LoadingDropsWhatFailsAndWritesTheListBack) {
    SaveTextList(registry, ScPlugInListLayout(), {kGone, kGood});
    list.Load();
    EXPECT_EQ(list.DisplayLines(), std::vector<std::string>{"Tester / Ada ((c) the tests)"});
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{fmt::sprintf(kFailedToLoad, kGone), kDroppedFromList}));
    EXPECT_EQ(Stored(), std::vector<std::string>{kGood});
}

TEST_F(ScPlugInListTest, AnEmptyEntryEndsTheListWithItsMessage) {
    SettingsSection section(registry, "SC Plug-ins");
    section.WriteInt("Count", 2);
    section.WriteText("00000000", kGood);
    list.Load();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string(StrictListMessageFor("SC Plug-ins"))});
    EXPECT_EQ(BoxTexts()[0],
              "There was a problem loading plug-in settings from the registry - some of the plug-ins that were  "
              "installed appear to have been lost.");
    EXPECT_EQ(StoredCount(), 1);
}

TEST_F(ScPlugInListTest, InstallWarnsOnceAndUninstallAsksFirst) {
    ui.openAnswers = {kGood, std::nullopt};
    EXPECT_TRUE(list.Install());
    EXPECT_FALSE(list.Install());  // cancelled
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, kInstallHintTitle);
    ASSERT_EQ(ui.openDialogs.size(), 2u);
    EXPECT_EQ(ui.openDialogs[0].filter, "Parlevox plug-ins (*.ParlevoxPlugIn)|*.ParlevoxPlugIn||");
    EXPECT_EQ(Stored(), std::vector<std::string>{kGood});

    // Its settings live under its name.
    const PvScHost& table = list.Host().PlugIns()[0]->HostTable();
    table.setSettingString(table.context, "Greeting", "hi");
    EXPECT_EQ(SettingsSection(registry, "Plug-in Tester").ReadText("Greeting"), "hi");

    ui.boxAnswers = {MessageResult::No, MessageResult::Yes};
    EXPECT_FALSE(list.Uninstall(0));
    EXPECT_EQ(Stored(), std::vector<std::string>{kGood});
    EXPECT_TRUE(list.Uninstall(0));
    EXPECT_EQ(ui.boxes.back().title, kConfirmUninstallTitle);
    EXPECT_EQ(ui.boxes.back().text, kConfirmUninstall);
    EXPECT_TRUE(list.DisplayLines().empty());
    EXPECT_EQ(StoredCount(), 0);
}

class IconHooks final : public StartupHooks {
public:
    void AddTitleIcon(TitleIcon icon) override { icons.push_back(std::move(icon)); }
    std::vector<TitleIcon> icons;
};

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

TEST(ScPlugInStartUp, TheApplicationLoadsThePlugInsAndShowsTheirIcons) {
    test::TempDir dir;
    {
        Registry registry;
        registry.Load(dir.File("settings.reg"));
        SaveTextList(registry, ScPlugInListLayout(), {kGood});
        ASSERT_TRUE(registry.Save());
    }
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
    IconHooks hooks;
    AppStartOptions options;
    options.settingsPath = dir.File("settings.reg");
    options.programFolder = dir.Path() + "/";
    options.saveSettings = false;
    CBrimvaleApp app(FrontEnd{loop, ui, audio, status, &hooks}, options);
    ASSERT_EQ(app.ScPlugIns().Host().PlugIns().size(), 1u);
    const TitleIcon& last = hooks.icons.back();
    EXPECT_EQ(last.name + "|" + last.text1 + "|" + last.text2, "Tester|Ada|(c) the tests");
    EXPECT_EQ(last.icon.PixelColour(0, 0), (BgrColour{0, 0, 255}));
}

}  // namespace
}  // namespace parlevox
