// The self-extracting installer as a user on a server runs it: a text-mode
// install into an empty folder, the client started from there with the
// settings it shipped, and an upgrade over it that keeps the user's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "dcc/DccOptions.h"
#include "platform/Registry.h"
#include "settings/DccOptionsStore.h"
#include "settings/OptionsRecord.h"
#include "settings/UserMenuStore.h"
#include "support/ChildProcess.h"
#include "support/NgircdServer.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

#ifdef PARLEVOX_INSTALLER_PATH
namespace fs = std::filesystem;

class InstallerTest : public ::testing::Test {
protected:
    std::string Folder() const { return home_.Path() + "/Parlevox"; }
    std::string RegistryFile() const { return home_.Path() + "/config/registry.reg"; }
    std::vector<std::string> Environment() const {
        return {"HOME=" + home_.Path(), "XDG_CONFIG_HOME=" + home_.Path() + "/config",
                "XDG_DATA_HOME=" + home_.Path() + "/data", "PARLEVOX_REGISTRY=" + RegistryFile(),
                "PARLEVOX_HOME=", "PARLEVOX_DATA_DIR=", "QT_QPA_PLATFORM=offscreen"};
    }
    // The whole text-mode run; its output is kept for the assertions.
    int Install() {
        ChildProcess setup({PARLEVOX_INSTALLER_PATH, "--text", "--folder", Folder()}, Environment());
        setup.CloseInput();
        const int status = setup.Wait(180000);
        output_ = setup.Output();
        return status;
    }
    void LoadSettings(Registry& registry) const { ASSERT_TRUE(registry.Load(RegistryFile())); }

    TempDir home_;
    std::string output_;
};

TEST_F(InstallerTest, InstallsAWorkingClientWithTheShippedSettings) {
    ASSERT_EQ(Install(), 0) << output_;
    EXPECT_NE(output_.find("Installation complete"), std::string::npos) << output_;
    for (const char* file : {"parlevox", "parlevox-headless", "MajorChannels.dat", "Servers.List",
                             "Scripts/Sample.ParlevoxModule", "Schemes/Night.ParlevoxScheme",
                             "Plug-ins/JpegViewer.ParlevoxDCCPlugIn", "Tutorial/Changing"})
        EXPECT_TRUE(fs::exists(Folder() + "/" + file)) << file;
    EXPECT_FALSE(fs::exists(Folder() + "/Parlevox.reg")) << "the settings file is removed once applied";
    EXPECT_TRUE(fs::exists(home_.Path() + "/data/applications/parlevox.desktop"));

    Registry registry;
    LoadSettings(registry);
    const CUserMenus menus = LoadUserMenus(registry);
    ASSERT_EQ(menus.Items(MenuKind::Both).size(), 4u);
    EXPECT_EQ(menus.Items(MenuKind::Both)[2].action, "/kick %sC% %sN%");
    EXPECT_TRUE(menus.Items(MenuKind::Both)[2].confirm);
    EXPECT_EQ(menus.Additions(MenuKind::Both).addUser, 1);
    const DccOptions dcc = LoadDccOptions(registry);
    ASSERT_EQ(dcc.fileTypes.size(), 5u);
    EXPECT_EQ(dcc.fileTypes[4].pattern, "JPEG");
    EXPECT_EQ(dcc.fileTypes[4].plugIn, "JPEG viewer");
    OptionsRecord options;
    options.Load(registry);
    EXPECT_EQ(options.colours.values[10], 12);
    EXPECT_EQ(registry.GetProfileString("Sounds", "Folder"), "Sound\\\\");

    // The headless client from the folder: the shipped module's "/break"
    // alias marks it away.
    NgircdServer server;
    ASSERT_TRUE(server.Started());
    ChildProcess headless({Folder() + "/parlevox-headless", "--server", "127.0.0.1:" + std::to_string(server.Port()),
                           "--nick", "ada"},
                          Environment());
    ASSERT_TRUE(headless.WaitForOutput("Connection successful.", 60000)) << headless.Output();
    headless.WriteInput("/break\n");
    EXPECT_TRUE(headless.WaitForOutput("marked as being away", 30000)) << headless.Output();
    headless.CloseInput();
    EXPECT_EQ(headless.Wait(30000), 0);
#ifdef PARLEVOX_GUI_PATH
    // The desktop client loads the shipped plug-in and module without a box.
    ChildProcess desktop({Folder() + "/parlevox"}, [&] {
        auto environment = Environment();
        environment.push_back("PARLEVOX_EXIT_AFTER_START=1");
        return environment;
    }());
    EXPECT_EQ(desktop.Wait(90000), 0) << desktop.Output();
#endif
}

TEST_F(InstallerTest, AnUpgradeKeepsTheUsersSettingsAfterTheStopLine) {
    ASSERT_EQ(Install(), 0) << output_;
    {
        Registry registry;
        LoadSettings(registry);
        registry.WriteProfileInt("Colours", "Colour1", 7);                      // after "!"
        registry.WriteProfileString("Misc", "Double-click command", "/whois %sN%");
        registry.WriteProfileInt("Scheme manager", "Count", 0);                 // before "!"
        ASSERT_TRUE(registry.Save());
    }
    ASSERT_EQ(Install(), 0) << output_;
    EXPECT_NE(output_.find("Installing over existing"), std::string::npos) << output_;
    Registry registry;
    LoadSettings(registry);
    EXPECT_EQ(registry.GetProfileInt("Colours", "Colour1", 0), 7);
    EXPECT_EQ(registry.GetProfileString("Misc", "Double-click command"), "/whois %sN%");
    EXPECT_EQ(registry.GetProfileInt("Scheme manager", "Count", 0), 2);
}
#endif

}  // namespace
}  // namespace parlevox::test
