#include "display/SchemeManager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "display/SchemeFile.h"
#include "display/SchemeManagerTexts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

struct CountingPane : SchemeListener {
    void SchemeChanged() override { ++changes; }
    int changes = 0;
};

CScheme SchemeFor(std::vector<std::string> channels, WindowsColour background,
                  std::vector<std::string> servers = {"*"}) {
    CScheme scheme;
    SchemeUsage usage;
    usage.channels = std::move(channels);
    usage.privateChats.clear();
    usage.builtInWindows.clear();
    usage.servers = std::move(servers);
    scheme.SetUsage(usage);
    scheme.SetBackground(background);
    return scheme;
}

SchemeWindow Channel(std::string name, std::string server = "irc.example.net") {
    return {SchemeWindow::Kind::Channel, std::move(name), std::move(server)};
}

class SchemeManagerTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const CScheme& scheme) {
        const std::string path = dir.File(name);
        WriteSchemeFile(path, scheme);
        return path;
    }
    WindowsColour BackgroundFor(const SchemeWindow& window) {
        return schemes.SchemeForWindow(window).Background();
    }

    ScriptedUserInterface ui;
    TempDir dir;
    CSchemeManager schemes{ui, dir.Path() + "/"};
    CountingPane pane;
};

TEST_F(SchemeManagerTest, LaterEntriesWinAndMovingChangesTheWinner) {
    schemes.RegisterPane(pane);
    const std::string general = Write("General.ParlevoxScheme", SchemeFor({"*"}, 0x111111));
    const std::string linux = Write("Linux.ParlevoxScheme", SchemeFor({"#linux", "#debian"}, 0x222222));
    const std::string elsewhere = Write("Elsewhere.ParlevoxScheme", SchemeFor({"*"}, 0x333333, {"*.other.org"}));
    EXPECT_EQ(BackgroundFor(Channel("#linux")), CScheme::kDefaultBackground) << "nothing installed";
    ASSERT_TRUE(schemes.Install(general));
    ASSERT_TRUE(schemes.Install(linux));
    ASSERT_TRUE(schemes.Install(elsewhere));
    EXPECT_EQ(pane.changes, 3);
    EXPECT_EQ(BackgroundFor(Channel("#LINUX")), 0x222222u) << "patterns match without case";
    EXPECT_EQ(BackgroundFor(Channel("#c++")), 0x111111u);
    EXPECT_EQ(BackgroundFor(Channel("#c++", "hub.other.org")), 0x333333u);
    EXPECT_EQ(BackgroundFor({SchemeWindow::Kind::PrivateChat, "bob", "irc.example.net"}),
              CScheme::kDefaultBackground)
        << "no installed scheme has a private-chat list";

    ASSERT_TRUE(schemes.MoveUp(2));  // the #linux scheme goes before the general one
    EXPECT_EQ(BackgroundFor(Channel("#linux")), 0x111111u) << "the remembered choice was dropped";
    EXPECT_EQ(pane.changes, 4);
    EXPECT_FALSE(schemes.MoveUp(1));
    EXPECT_FALSE(schemes.MoveDown(3));
    EXPECT_EQ(schemes.DisplayName(1), "Linux");

    schemes.Remove(2);
    EXPECT_EQ(schemes.Count(), 3);
    EXPECT_EQ(BackgroundFor(Channel("#c++")), CScheme::kDefaultBackground) << "the general scheme went";
    EXPECT_EQ(BackgroundFor(Channel("#debian")), 0x222222u);
    EXPECT_EQ(pane.changes, 5);
    EXPECT_TRUE(schemes.Dirty());
    schemes.UnregisterPane(pane);
}

TEST_F(SchemeManagerTest, LoadingReportsLostFilesAndStopsAtAnEmptyPath) {
    const std::string kept = Write("Kept.ParlevoxScheme", SchemeFor({"#a"}, 0x010203));
    const std::string outside = dir.File("sub/Outside.ParlevoxScheme");
    WriteSchemeFile(outside, SchemeFor({"#b"}, 0x040506));
    schemes.LoadInstalled({"Kept.ParlevoxScheme", "Gone.ParlevoxScheme", outside, "", "Kept.ParlevoxScheme"});
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, std::string(texts::kProblemLoadingScheme) + "Gone.ParlevoxScheme: Error loading scheme file");
    EXPECT_EQ(ui.boxes[1].text, texts::kSchemesLost);
    EXPECT_TRUE(schemes.Dirty());
    EXPECT_EQ(schemes.Paths(), (std::vector<std::string>{"Kept.ParlevoxScheme", "sub/Outside.ParlevoxScheme"}))
        << "paths inside the program folder are kept relative";
    EXPECT_EQ(BackgroundFor(Channel("#b")), 0x040506u);

    CSchemeManager clean{ui, dir.File("sub/")};
    clean.LoadInstalled({"Outside.ParlevoxScheme", kept});
    EXPECT_FALSE(clean.Dirty()) << "a list that loads whole is not written back";
    EXPECT_EQ(clean.Paths(), (std::vector<std::string>{"Outside.ParlevoxScheme", kept}))
        << "paths outside the program folder are kept as they are";
}

TEST_F(SchemeManagerTest, InstallRefusesDuplicatesAndAFullList) {
    const std::string path = Write("One.ParlevoxScheme", CScheme());
    ASSERT_TRUE(schemes.Install(path));
    EXPECT_FALSE(schemes.Install(path));
    EXPECT_EQ(ui.boxes.back().text, texts::kSchemeAlreadyInstalled);
    for (int i = 2; i < CSchemeManager::kMaxSchemes; ++i)
        ASSERT_TRUE(schemes.NewScheme(dir.File("n" + std::to_string(i) + ".ParlevoxScheme")));
    EXPECT_EQ(schemes.Count(), CSchemeManager::kMaxSchemes);
    EXPECT_FALSE(schemes.NewScheme(dir.File("extra.ParlevoxScheme")));
    EXPECT_EQ(ui.boxes.back().text, texts::kSchemeListFull);
}

TEST_F(SchemeManagerTest, EditorProtocolReplacesTellsAndWrites) {
    const std::string path = Write("Edit.ParlevoxScheme", SchemeFor({"#x"}, 0x0000FF));
    ASSERT_TRUE(schemes.Install(path));
    schemes.RegisterPane(pane);
    std::unique_ptr<CScheme> copy = schemes.BeginEdit(1);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(schemes.Editing());
    EXPECT_EQ(schemes.EditorTitle(1), "Edit - Scheme settings");
    copy->SetBackground(0x00FF00);
    std::unique_ptr<CScheme> next = schemes.ApplyEdit(1, *copy);
    EXPECT_EQ(BackgroundFor(Channel("#x")), 0x00FF00u);
    EXPECT_EQ(pane.changes, 1);
    EXPECT_EQ(ReadSchemeFile(path).Background(), 0x0000FFu) << "Apply does not write the file";
    next->SetBackground(0xFF0000);
    EXPECT_TRUE(schemes.EndEdit(1, *next));
    EXPECT_FALSE(schemes.Editing());
    EXPECT_EQ(pane.changes, 2);
    EXPECT_EQ(ReadSchemeFile(path).Background(), 0xFF0000u);

    EXPECT_EQ(schemes.BeginEdit(0), nullptr) << "the built-in scheme is never edited";
    schemes.Remove(5);
    EXPECT_EQ(schemes.Count(), 2);
    EXPECT_EQ(ui.boxes.size(), 2u) << "bad indices are internal errors";
    schemes.UnregisterPane(pane);
}

// The installer lists its schemes as "Schemes\\X" under the program folder.
TEST_F(SchemeManagerTest, ASchemeListedRelativeToTheProgramFolderIsEditedThere) {
    std::filesystem::create_directory(dir.File("Schemes"));
    Write("Schemes/Calm.ParlevoxScheme", SchemeFor({"#x"}, 0x0000FF));
    schemes.LoadInstalled({"Schemes\\Calm.ParlevoxScheme"});
    ASSERT_EQ(schemes.Count(), 2);
    EXPECT_EQ(schemes.DisplayName(1), "Calm");
    std::unique_ptr<CScheme> copy = schemes.BeginEdit(1);
    ASSERT_TRUE(copy);
    copy->SetBackground(0x00FF00);
    EXPECT_TRUE(schemes.EndEdit(1, *copy));
    EXPECT_EQ(ReadSchemeFile(dir.File("Schemes/Calm.ParlevoxScheme")).Background(), 0x00FF00u);
    EXPECT_EQ(schemes.Paths(), std::vector<std::string>{"Schemes\\Calm.ParlevoxScheme"});
}

TEST(SchemeManagerNames, DisplayNamesAndTheExtensionRule) {
    struct Case {
        const char* path;
        const char* display;
        const char* completed;
    };
    const Case cases[] = {
        {"Calm.ParlevoxScheme", "Calm", "Calm.ParlevoxScheme"},
        {"/srv/shared/b/Night.ParlevoxScheme", "Night", "/srv/shared/b/Night.ParlevoxScheme"},
        {"C:\\Schemes\\Old.ParlevoxScheme", "Old", "C:\\Schemes\\Old.ParlevoxScheme"},
        {"twice.ParlevoxScheme.ParlevoxScheme", "twice.ParlevoxScheme", "twice.ParlevoxScheme.ParlevoxScheme"},
        {".ParlevoxScheme", "", ".ParlevoxScheme"},
        {"noextension", "noextension", "noextension"},
        {"cut.Par", "cut.Par", "cut.ParlevoxScheme"},
        {".Par", ".Par", ".ParlevoxScheme"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSchemeManager::DisplayNameOf(c.path), c.display) << c.path;
        EXPECT_EQ(CSchemeManager::CompleteExtension(c.path), c.completed) << c.path;
    }
}

TEST(SchemeManagerNames, WindowIdsNarrowUsage) {
    struct Case {
        const char* id;
        SchemeWindow::Kind kind;
        std::vector<std::string> channels, chats, builtIn;
    };
    const Case cases[] = {
        {"#linux", SchemeWindow::Kind::Channel, {"#linux"}, {}, {}},
        {"bob", SchemeWindow::Kind::PrivateChat, {}, {"bob"}, {}},
        {"~CControlBarWnd", SchemeWindow::Kind::ControlBar, {}, {}, {"CControlBarWnd"}},
        {"~CTextWindow:log", SchemeWindow::Kind::TextWindow, {}, {}, {"CTextWindow:log"}},
    };
    for (const Case& c : cases) {
        CScheme scheme;
        SchemeUsage usage = scheme.Usage();
        usage.servers = {"*.example.net"};
        scheme.SetUsage(usage);
        CSchemeManager::NarrowUsage(scheme, c.id);
        EXPECT_EQ(CSchemeManager::WindowOfId(c.id).kind, c.kind) << c.id;
        EXPECT_EQ(scheme.Usage().channels, c.channels) << c.id;
        EXPECT_EQ(scheme.Usage().privateChats, c.chats) << c.id;
        EXPECT_EQ(scheme.Usage().builtInWindows, c.builtIn) << c.id;
        EXPECT_EQ(scheme.Usage().servers, std::vector<std::string>{"*.example.net"}) << "the server list stays";
        EXPECT_FALSE(CSchemeManager::IsGeneral(scheme));
    }
}

}  // namespace
}  // namespace parlevox::test
