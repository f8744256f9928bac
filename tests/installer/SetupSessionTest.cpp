#include "installer/SetupSession.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "SetupTestKit.h"
#include "installer/InstallFolder.h"
#include "installer/UninstallRecord.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

using test::Exists;
using test::ReadWholeFile;
using test::WriteWholeFile;
namespace texts = setup_texts;
using Titles = std::vector<std::string>;

class SetupSessionTest : public testing::Test {
protected:
    void SetUp() override {
        mkdir(dir.File("home").c_str(), 0755);
        test::WriteInstaller(Options().installerPath, test::ShippedFiles());
    }

    SetupOptions Options() const {
        SetupOptions options;
        options.installerPath = dir.File("parlevox-setup");
        options.homeFolder = dir.File("home");
        options.defaultFolder = dir.File("home/.local/share/parlevox");
        options.registryFile = dir.File("config/registry.reg");
        options.applicationsFolder = dir.File("applications");
        return options;
    }

    SetupSession& Begin(SetupOptions options) {
        frontEnd.boxes.clear();
        session.emplace(frontEnd, std::move(options));
        if (session->Start()) session->Search();
        return *session;
    }
    SetupSession& Install(const std::string& folderText, SetupOptions options) {
        Begin(std::move(options)).Go(folderText);
        return *session;
    }
    SetupSession& Install(const std::string& folderText) { return Install(folderText, Options()); }

    std::optional<uint32_t> Setting(const std::string& section, const std::string& name) const {
        Registry store;
        store.Load(Options().registryFile);
        std::optional<RegistryValue> value = store.GetValue(std::string(Registry::kApplicationRoot) + "\\" + section, name);
        return value ? value->AsDword() : std::nullopt;
    }

    test::TempDir dir;
    test::RecordingFrontEnd frontEnd;
    std::optional<SetupSession> session;
};

TEST_F(SetupSessionTest, FreshInstallUnpacksAppliesAndRecords) {
    const std::string folder = dir.File("Parlevox");
    Begin(Options());
    ASSERT_EQ(frontEnd.folders.back(), std::make_pair(Options().defaultFolder + "/", true));
    session->Go(folder);

    EXPECT_EQ(session->ExitCode(), 0);
    EXPECT_EQ(frontEnd.Titles(), (Titles{std::string(texts::kAddToMenuTitle), std::string(texts::kCompleteTitle)}));
    EXPECT_EQ(frontEnd.boxes.back().text, texts::Complete(true, true, folder));
    EXPECT_EQ(frontEnd.done, frontEnd.total);
    for (const char* subfolder : InstallFolder::kSubfolders)
        EXPECT_TRUE(Exists(folder + "/" + InstallFolder::ToFileSystemPath(subfolder))) << subfolder;
    EXPECT_EQ(ReadWholeFile(folder + "/Scripts/Sample.ParlevoxModule"), std::string(5000, 'm'));
    EXPECT_EQ(test::ModeOf(folder + "/parlevox"), 0755u);
    EXPECT_EQ(test::ModeOf(folder + "/MajorChannels.dat"), 0644u);
    EXPECT_FALSE(Exists(folder + "/Parlevox.reg"));
    EXPECT_EQ(Setting("Modules", "Count"), 1u);
    EXPECT_EQ(Setting("Colours", "Colour1"), 5u);
    EXPECT_NE(ReadWholeFile(dir.File("applications/parlevox.desktop")).find("\nExec=\"" + folder + "/parlevox\"\n"),
              std::string::npos);
    EXPECT_EQ(ReadWholeFile(folder + "/parlevox-uninstall"), test::kImage);
    EXPECT_EQ(test::ModeOf(folder + "/parlevox-uninstall"), 0755u);
    std::optional<UninstallRecord> record = UninstallRecord::Parse(ReadWholeFile(folder + "/Uninstall.info"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->folder, folder);
    EXPECT_EQ(record->menuEntry, dir.File("applications/parlevox.desktop"));
    EXPECT_EQ(record->files, (Titles{"parlevox", "MajorChannels.dat", "Tutorial/IRC/intro.html",
                                     "Scripts/Sample.ParlevoxModule", "parlevox-uninstall"}));
}

TEST_F(SetupSessionTest, UpgradeKeepsTheSettingsAfterTheBang) {
    const std::string folder = Options().defaultFolder;
    ASSERT_TRUE(SafeFile::CreateFolders(folder));
    WriteWholeFile(folder + "/MajorChannels.dat", "old");
    WriteWholeFile(folder + "/parlevox", "old client");
    // A damaged settings file: its unreadable lines are dropped, the rest kept.
    ASSERT_TRUE(SafeFile::WriteAtomically(Options().registryFile,
                                          "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Colours]\n"
                                          "\"Colour1\"=dword:00000009\n\"broken\n[unfinished\n"));
    frontEnd.answers[std::string(texts::kInstallingOverTitle)] = {MessageResult::No};
    Begin(Options());  // stopping at the first question changes nothing
    EXPECT_EQ(frontEnd.folders.back(), std::make_pair(folder, false));
    EXPECT_TRUE(session->Finished());
    EXPECT_EQ(session->ExitCode(), 0);
    EXPECT_FALSE(Exists(folder + "/Sound"));

    Install(folder);
    EXPECT_TRUE(session->Upgrade());
    EXPECT_EQ(session->ExitCode(), 0);
    EXPECT_EQ(frontEnd.Titles()[1], texts::kFolderExistsTitle);  // asked in every upgrade
    EXPECT_EQ(Setting("Colours", "Colour1"), 9u);
    EXPECT_EQ(Setting("Modules", "Count"), 1u);
    EXPECT_EQ(ReadWholeFile(folder + "/parlevox"), test::kClientScript);
}

TEST_F(SetupSessionTest, RefusedFoldersReturnToTheBox) {
    WriteWholeFile(dir.File("a-file"), "x");
    mkdir(dir.File("read-only").c_str(), 0555);
    const std::string cases[] = {dir.File("a-file"), dir.File("missing/Parlevox"),
                                 dir.File(std::string(600 - dir.Path().size() - 1, 'p')),  // 600 characters
                                 dir.File(std::string(300, 'p')), "/", dir.File("read-only/Parlevox")};
    for (const std::string& text : cases) {
        if (text.find("read-only") != std::string::npos && geteuid() == 0) continue;  // root writes anyway
        Install(text);
        EXPECT_FALSE(session->Finished()) << text;
        ASSERT_EQ(frontEnd.Titles(), Titles{std::string(texts::kInvalidFolderTitle)}) << text;
        EXPECT_EQ(frontEnd.boxes[0].text, texts::InvalidFolder(Options().defaultFolder));
        EXPECT_EQ(frontEnd.folders.back(), std::make_pair(text, true));
    }
}

TEST_F(SetupSessionTest, AnExistingFolderIsInstalledIntoOnlyAfterYes) {
    const std::string folder = dir.File("existing");
    mkdir(folder.c_str(), 0755);
    frontEnd.answers[std::string(texts::kFolderExistsTitle)] = {MessageResult::No};
    Install(folder);
    EXPECT_EQ(frontEnd.Titles(), Titles{std::string(texts::kFolderExistsTitle)});
    EXPECT_EQ(frontEnd.folders.back(), std::make_pair(folder, true));
    EXPECT_FALSE(Exists(folder + "/parlevox"));
    session->Go(folder);
    EXPECT_EQ(session->ExitCode(), 0);
    EXPECT_TRUE(Exists(folder + "/parlevox"));
}

TEST_F(SetupSessionTest, TrailingSeparatorsAndTildeInstallToTheSamePlace) {
    for (const char* text : {"~/Parlevox", "~/Parlevox/", "~/Parlevox\\"}) {
        test::TempDir home;
        SetupOptions options = Options();
        options.homeFolder = home.Path();
        EXPECT_EQ(Install(text, options).Folder(), home.File("Parlevox")) << text;
        EXPECT_TRUE(Exists(home.File("Parlevox/Tutorial/IRC/intro.html"))) << text;
    }
}

// The installer file is damaged after its directory was read: No ends the
// install, Yes after the file is whole again goes on.
TEST_F(SetupSessionTest, DamagedBlocksAskToRetry) {
    const std::string installer = Options().installerPath, whole = ReadWholeFile(installer);
    const size_t block = std::string(test::kImage).size();
    const std::pair<std::string, std::string_view> cases[] = {
        {whole.substr(0, block + 3), texts::kReadingError},
        {whole.substr(0, block + 6) + std::string(8, '\xff') + whole.substr(block + 14), texts::kDecompressionError},
    };
    for (const auto& [damaged, question] : cases) {
        for (bool retry : {false, true}) {
            WriteWholeFile(installer, whole);
            Begin(Options());
            WriteWholeFile(installer, damaged);
            frontEnd.answers[std::string(texts::kExtractionErrorTitle)] = {retry ? MessageResult::Yes : MessageResult::No};
            frontEnd.onMessage = [&, retry] { if (retry) WriteWholeFile(installer, whole); };
            test::TempDir target;
            session->Go(target.File("Parlevox"));
            ASSERT_FALSE(frontEnd.boxes.empty());
            EXPECT_EQ(frontEnd.boxes[0].text, question);
            EXPECT_EQ(session->ExitCode(), retry ? 0 : 1) << question << " retry " << retry;
        }
    }
}

TEST_F(SetupSessionTest, DamagedDirectoryIsASetupError) {
    const std::string whole = ReadWholeFile(Options().installerPath);
    WriteWholeFile(Options().installerPath, whole.substr(0, whole.size() - 1));  // "en", not "end"
    Begin(Options());
    EXPECT_EQ(session->ExitCode(), 1);
    ASSERT_EQ(frontEnd.Titles(), Titles{std::string(texts::kSetupErrorTitle)});
    EXPECT_EQ(frontEnd.boxes[0].text, texts::DirectoryError());
}

TEST_F(SetupSessionTest, SettingsFailureEndsTheInstall) {
    WriteWholeFile(dir.File("not-a-folder"), "x");
    const std::pair<std::string, std::string> cases[] = {
        {"[HKEY_USERS\\Software\\x]\r\n", Options().registryFile},       // another root
        {test::kSettings, dir.File("not-a-folder/registry.reg")},  // the store cannot be read or written
    };
    for (const auto& [settings, registryFile] : cases) {
        test::WriteInstaller(Options().installerPath, test::ShippedFiles(settings));
        SetupOptions options = Options();
        options.registryFile = registryFile;
        test::TempDir target;
        EXPECT_EQ(Install(target.File("Parlevox"), options).ExitCode(), 1) << registryFile;
        EXPECT_EQ(frontEnd.Titles(), Titles{std::string(texts::kRegistryErrorTitle)}) << registryFile;
    }
}

TEST_F(SetupSessionTest, StartsTheClientWhenAsked) {
    for (bool program : {true, false}) {
        std::vector<test::ArchivedFile> files = test::ShippedFiles();
        if (!program) files[0].bytes = "plain text";
        test::WriteInstaller(Options().installerPath, files);
        frontEnd.answers[std::string(texts::kCompleteTitle)] = {MessageResult::Yes};
        test::TempDir target;
        const std::string folder = target.File("Parlevox");
        EXPECT_EQ(Install(folder).ExitCode(), 0);
        EXPECT_EQ(frontEnd.Titles().back(), program ? texts::kCompleteTitle : texts::kLoadFailureTitle);
        // The script writes into its working folder.
        for (int i = 0; program && i < 200 && !Exists(folder + "/started.txt"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(Exists(folder + "/started.txt"), program);
    }
}

}  // namespace
}  // namespace parlevox
