#include "ui/SchemeEditing.h"

#include <gtest/gtest.h>

#include "display/SchemeFile.h"
#include "display/SchemeManagerTexts.h"
#include "platform/Registry.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

struct RecordingOpener : SchemeEditorOpener {
    void OpenSchemeEditor(int index) override { opened.push_back(index); }
    std::vector<int> opened;
};

class SchemeEditingTest : public ::testing::Test {
protected:
    std::string InstallGeneral() {
        CScheme general;
        general.SetBackground(0x123456);
        const std::string path = dir.File("General.ParlevoxScheme");
        WriteSchemeFile(path, general);
        EXPECT_TRUE(schemes.Install(path));
        return path;
    }

    ScriptedUserInterface ui;
    TempDir dir;
    Registry registry;
    CSchemeManager schemes{ui, dir.Path() + "/"};
    RecordingOpener opener;
    SchemeEditing editing{schemes, ui, registry, &opener};
};

TEST_F(SchemeEditingTest, TheInstallHintIsShownOnce) {
    ui.openAnswers = {std::nullopt, std::nullopt};
    EXPECT_EQ(editing.Install(), -1);
    EXPECT_EQ(editing.Install(), -1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("Installing a new scheme is usually fairly safe", 0), 0u);
    ASSERT_EQ(ui.openDialogs.size(), 2u);
    EXPECT_EQ(ui.openDialogs[0].title, "Install");
    EXPECT_EQ(ui.openDialogs[0].filter, texts::kSchemeFilter);
}

TEST_F(SchemeEditingTest, AGeneralSchemeAsksAndACopyIsNarrowedBeforeItIsSaved) {
    InstallGeneral();
    ui.choiceAnswers = {SchemeEditing::kCopyCurrent};
    ui.saveAnswers = {dir.File("Mine.Par")};
    ASSERT_TRUE(editing.EditSchemeForWindow("#linux"));
    ASSERT_EQ(ui.choices.size(), 1u);
    EXPECT_EQ(ui.choices[0].title, "Edit scheme");
    EXPECT_EQ(ui.saveDialogs.at(0).title, "Save New Scheme As");
    ASSERT_EQ(schemes.Count(), 3);
    EXPECT_EQ(schemes.PathAt(2), "Mine.ParlevoxScheme");
    EXPECT_EQ(opener.opened, std::vector<int>{2});
    // The file itself is narrowed: a cancelled editor leaves no general copy.
    const CScheme saved = ReadSchemeFile(dir.File("Mine.ParlevoxScheme"));
    EXPECT_EQ(saved.Usage().channels, std::vector<std::string>{"#linux"});
    EXPECT_TRUE(saved.Usage().privateChats.empty());
    EXPECT_EQ(saved.Background(), 0x123456u);
    EXPECT_EQ(schemes.IndexForWindow({SchemeWindow::Kind::Channel, "#c", "irc.example.net"}), 1)
        << "the other channels keep the general scheme";

    // Now the channel has a scheme of its own: straight to the editor.
    ASSERT_TRUE(editing.EditSchemeForWindow("#linux", "irc.example.net"));
    EXPECT_EQ(ui.choices.size(), 1u);
    EXPECT_EQ(opener.opened, (std::vector<int>{2, 2}));
}

TEST_F(SchemeEditingTest, ChoicesOfTheEditSchemeQuestion) {
    struct Case {
        std::optional<int> choice;
        std::optional<std::string> savePath;
        bool opened;
        int count;
        uint32_t background;  // of the entry opened
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, false, 2, 0},
        {SchemeEditing::kMakeBlank, std::nullopt, false, 2, 0},
        {SchemeEditing::kMakeBlank, "Blank", true, 3, CScheme::kDefaultBackground},
        {SchemeEditing::kEditExisting, std::nullopt, true, 2, 0x123456},
    };
    for (const Case& c : cases) {
        ScriptedUserInterface caseUi;
        TempDir caseDir;
        CSchemeManager caseSchemes{caseUi, caseDir.Path() + "/"};
        CScheme general;
        general.SetBackground(0x123456);
        WriteSchemeFile(caseDir.File("G.ParlevoxScheme"), general);
        ASSERT_TRUE(caseSchemes.Install(caseDir.File("G.ParlevoxScheme")));
        RecordingOpener caseOpener;
        SchemeEditing caseEditing{caseSchemes, caseUi, registry, &caseOpener};
        caseUi.choiceAnswers = {c.choice};
        if (c.savePath) caseUi.saveAnswers = {caseDir.File(*c.savePath)};
        EXPECT_EQ(caseEditing.EditSchemeForWindow("bob"), c.opened);
        EXPECT_EQ(caseSchemes.Count(), c.count);
        if (!c.opened) continue;
        ASSERT_EQ(caseOpener.opened.size(), 1u);
        EXPECT_EQ(caseSchemes.SchemeAt(caseOpener.opened[0]).Background(), c.background);
    }
}

}  // namespace
}  // namespace parlevox::test
