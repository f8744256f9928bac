#include "installer/SetupUninstall.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "SetupTestKit.h"
#include "installer/SetupSession.h"
#include "installer/UninstallRecord.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

using test::Exists;
using test::ReadWholeFile;
using test::WriteWholeFile;
namespace texts = setup_texts;

class SetupUninstallTest : public testing::Test {
protected:
    void SetUp() override {
        SetupOptions options;
        options.installerPath = dir.File("parlevox-setup");
        options.homeFolder = options.defaultFolder = dir.File("home");
        options.registryFile = registryFile;
        options.applicationsFolder = dir.File("applications");
        test::WriteInstaller(options.installerPath, test::ShippedFiles());
        test::RecordingFrontEnd installing;
        SetupSession session(installing, options);
        session.Start();
        session.Search();
        session.Go(folder);
        ASSERT_EQ(session.ExitCode(), 0);
        Registry store;  // another program's settings in the same file
        store.Load(registryFile);
        store.SetValue("Software\\Other", "Kept", RegistryValue::FromDword(1));
        ASSERT_TRUE(store.Save());
    }

    int Uninstall() { return SetupUninstall(frontEnd, UninstallOptions{folder + "/", registryFile}).Run(); }
    bool Has(const std::string& key) const {
        Registry store;
        store.Load(registryFile);
        return store.OpenKey(key) != nullptr;
    }

    test::TempDir dir;
    const std::string folder = dir.File("Parlevox"), registryFile = dir.File("registry.reg");
    test::RecordingFrontEnd frontEnd;
};

TEST_F(SetupUninstallTest, RemovesWhatWasInstalledAndKeepsTheUsersFiles) {
    for (bool userLog : {false, true}) {
        if (userLog) {
            SetUp();
            WriteWholeFile(folder + "/Logs/#parlevox.log", "a user's log");
        }
        frontEnd.boxes.clear();
        EXPECT_EQ(Uninstall(), 0);
        EXPECT_EQ(frontEnd.boxes[0].text, texts::UninstallQuestion(folder));
        EXPECT_EQ(frontEnd.boxes[1].text, texts::Uninstalled(folder, userLog, true));
        for (const char* gone : {"parlevox", "Tutorial", "Scripts", "Sound", "parlevox-uninstall", "Uninstall.info"})
            EXPECT_FALSE(Exists(folder + "/" + gone)) << gone;
        EXPECT_EQ(Exists(folder + "/Logs/#parlevox.log"), userLog);
        EXPECT_EQ(Exists(folder), userLog);
        EXPECT_FALSE(Exists(dir.File("applications/parlevox.desktop")));
        EXPECT_FALSE(Has(Registry::kApplicationRoot));
        EXPECT_TRUE(Has("Software\\Other"));
    }
}

TEST_F(SetupUninstallTest, NoChangesWithoutYesOrRecord) {
    frontEnd.answers[std::string(texts::kUninstallTitle)] = {MessageResult::No};
    EXPECT_EQ(Uninstall(), 0);
    unlink((folder + "/Uninstall.info").c_str());
    EXPECT_EQ(Uninstall(), 1);
    EXPECT_EQ(frontEnd.Titles().back(), texts::kUninstallErrorTitle);
    EXPECT_TRUE(Exists(folder + "/parlevox"));
    EXPECT_TRUE(Has(Registry::kApplicationRoot));
}

// A record is a file anyone could have edited: it may not reach outside.
TEST_F(SetupUninstallTest, AHostileRecordRemovesNothingOutside) {
    const std::string outside = dir.File("outside");
    ASSERT_TRUE(SafeFile::CreateFolders(outside));
    WriteWholeFile(outside + "/precious", "keep");
    WriteWholeFile(outside + "/parlevox.desktop", "keep");
    ASSERT_EQ(symlink(outside.c_str(), (folder + "/Linked").c_str()), 0);
    UninstallRecord record{folder, "Software", outside + "/parlevox.desktop",
                           {"../outside/precious", outside + "/precious", "Linked/precious", "./parlevox"}};
    ASSERT_TRUE(SafeFile::WriteAtomically(folder + "/Uninstall.info", *record.Format()));

    EXPECT_EQ(Uninstall(), 0);
    EXPECT_EQ(ReadWholeFile(outside + "/precious"), "keep");
    EXPECT_EQ(ReadWholeFile(outside + "/parlevox.desktop"), "keep");
    EXPECT_TRUE(Exists(folder + "/parlevox"));
    EXPECT_EQ(frontEnd.boxes.back().text, texts::Uninstalled(folder, true, false));
    EXPECT_TRUE(Has("Software\\Other"));
}

}  // namespace
}  // namespace parlevox
