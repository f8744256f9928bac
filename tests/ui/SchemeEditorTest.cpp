// The scheme editor over a real manager and scheme file: removals keep
// every hot spot pointing at the same items, pictures land where the hot
// spot is, nothing is left behind in the item list, usage survives its
// text form, and Apply, OK and Cancel reach the manager and the file.
#include "ui/SchemeEditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/SchemeFile.h"
#include "display/SchemeManager.h"
#include "support/BmpFile.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

constexpr HotspotLook kNormal = HotspotLook::Normal;
constexpr HotspotLook kMouseOver = HotspotLook::MouseOver;
constexpr HotspotLook kPressed = HotspotLook::Pressed;

class SchemeEditorTest : public testing::Test {
protected:
    SchemeEditorTest() {
        EXPECT_TRUE(schemes.NewScheme(path));
        editor = std::make_unique<CSchemeEditor>(schemes, 1, ui);
    }

    const CScheme& Scheme() const { return editor->Scheme(); }
    std::string NameAt(int position) const { return position < 0 ? "(none)" : Scheme().Item(position)->Name(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        test::WriteWholeFile(dir.File(name), bytes);
        return dir.File(name);
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    CSchemeManager schemes{ui, dir.Path() + "/"};
    std::string path = dir.File("Sunset.ParlevoxScheme");
    std::unique_ptr<CSchemeEditor> editor;
};

TEST_F(SchemeEditorTest, RemovalsKeepEveryHotspotOnItsOwnItems) {
    editor->AddImage();
    const int first = editor->AddHotspot();
    const int second = editor->AddHotspot();
    const std::string firstName = editor->HotspotAt(first)->Name();
    const std::string secondName = editor->HotspotAt(second)->Name();
    // The second hot spot borrows the first one's normal picture; the first
    // one's new action lies after both of them in the item list.
    editor->HotspotAt(second)->SetImageRef(kPressed, editor->HotspotAt(first)->ImageRef(kNormal));
    editor->SetHotspotAction(first, HotspotActionKind::Command, "/join #sunset");
    const int items = Scheme().ItemCount();

    auto expectSecondIntact = [&](int row) {
        const CSchemeHotspot* hotspot = editor->HotspotAt(row);
        ASSERT_NE(hotspot, nullptr);
        EXPECT_EQ(hotspot->Name(), secondName);
        EXPECT_EQ(NameAt(hotspot->ImageRef(kNormal)), secondName + "N");
        EXPECT_EQ(NameAt(hotspot->ImageRef(kMouseOver)), secondName + "O");
        EXPECT_EQ(NameAt(hotspot->ImageRef(kPressed)), firstName + "N");
        EXPECT_EQ(NameAt(hotspot->ActionRef()), secondName + "A");
    };
    editor->RemoveGraphic(first);
    // The hot spot, its mouse-over and pressed pictures and its action; the
    // borrowed picture stays.
    EXPECT_EQ(Scheme().ItemCount(), items - 4);
    expectSecondIntact(1);
    editor->RemoveGraphic(0);  // an item below all of them
    EXPECT_EQ(Scheme().ItemCount(), items - 5);
    expectSecondIntact(0);
    // Its items go, the borrowed one too; its own pressed picture, which it
    // stopped using above, is no longer its to take.
    editor->RemoveGraphic(0);
    ASSERT_EQ(Scheme().ItemCount(), 1);
    EXPECT_EQ(NameAt(0), secondName + "D");
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
}

TEST_F(SchemeEditorTest, PicturesLandWhereTheHotspotIs) {
    // 3 x 2 pixels, rows of 12 bytes.
    const std::string bmp = Write("three.bmp", test::MakeBmp({3, 2, 24, 0, {}, std::string(24, '\x40')}));
    const int row = editor->AddHotspot();
    ui.choiceAnswers = {0, 0};
    ui.openAnswers = {bmp, bmp};
    ASSERT_TRUE(editor->ImportImage(row, kNormal));
    EXPECT_EQ(ui.choices.front().title, "Open scheme image");
    EXPECT_EQ(editor->RectAt(row), FixedRect(0, 0, 3, 2)) << "a fixed-size hot spot takes the picture's size";

    editor->SetRect(row, FixedRect(10, 20, 13, 22));
    ASSERT_TRUE(editor->ImportImage(row, kMouseOver));
    EXPECT_EQ(editor->HotspotImage(row, kMouseOver)->Rect(), FixedRect(10, 20, 13, 22));

    // A failed import into a picture the hot spot did not have leaves no item.
    editor->HotspotAt(row)->SetImageRef(kPressed, CSchemeHotspot::kNone);
    const int items = Scheme().ItemCount();
    EXPECT_FALSE(editor->ImportImage(row, kPressed, ImageSource::TransparencyBitmap, bmp));
    EXPECT_EQ(ui.boxes.back().title, "Invalid BMP file");
    EXPECT_EQ(Scheme().ItemCount(), items);
    EXPECT_EQ(editor->HotspotImage(row, kPressed), nullptr);
}

TEST_F(SchemeEditorTest, SoundsAndActionsLeaveNothingBehind) {
    const std::string wave = Write("ding.wav", "RIFF\x24\0\0\0WAVEfmt ");
    const int first = editor->AddHotspot();
    const int second = editor->AddHotspot();
    const int items = Scheme().ItemCount();
    ASSERT_TRUE(editor->SetHotspotSound(first, 0, wave));
    ASSERT_TRUE(editor->SetHotspotSound(second, 2, wave));
    EXPECT_EQ(Scheme().ItemCount(), items + 1) << "one sound item for the same file";
    EXPECT_EQ(editor->HotspotSoundName(second, 2), "ding.wav");
    editor->ClearHotspotSound(first, 0);
    EXPECT_EQ(editor->HotspotSoundName(second, 2), "ding.wav");
    editor->ClearHotspotSound(second, 2);
    EXPECT_EQ(Scheme().ItemCount(), items);

    editor->SetHotspotAction(first, HotspotActionKind::Command, "/join #sunset");
    editor->SetHotspotAction(first, HotspotActionKind::Command, "/join #dawn");
    EXPECT_EQ(Scheme().ItemCount(), items);
    const HotspotActionText action = editor->HotspotAction(first);
    EXPECT_EQ(action.kind, HotspotActionKind::Command);
    EXPECT_EQ(action.text, "/join #dawn");
    EXPECT_EQ(NameAt(editor->HotspotAt(second)->ActionRef()), editor->HotspotAt(second)->Name() + "A");
    editor->SetHotspotAction(first, HotspotActionKind::None, {});
    EXPECT_EQ(Scheme().ItemCount(), items - 1);
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
}

TEST_F(SchemeEditorTest, UsageListsSurviveTheirTextForm) {
    struct Row {
        std::vector<std::string> list;
        UsageListText text;
    };
    const Row rows[] = {
        {{"*"}, {true, ""}},
        {{"#sunset", "#dawn"}, {false, "#sunset #dawn"}},
        {{}, {false, ""}},
        {{"*", "#dawn"}, {false, "* #dawn"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CSchemeEditor::TextOf(row.list), row.text) << row.text.names;
        EXPECT_EQ(CSchemeEditor::ListOf(row.text), row.list) << row.text.names;
    }
    editor->SetUsageTexts({{false, "  #sunset   #dawn "}, {false, ""}, {true, "ignored"}, {false, "*.example.net"}});
    const SchemeUsage& usage = Scheme().Usage();
    EXPECT_EQ(usage.channels, (std::vector<std::string>{"#sunset", "#dawn"}));
    EXPECT_TRUE(usage.privateChats.empty());
    EXPECT_EQ(usage.builtInWindows, std::vector<std::string>{"*"});
    EXPECT_EQ(editor->UsageTexts().servers, (UsageListText{false, "*.example.net"}));
}

TEST_F(SchemeEditorTest, ApplyPutsTheCopyInPlaceAndOkWritesIt) {
    const WindowsColour applied = RgbColour(1, 2, 3), later = RgbColour(4, 5, 6);
    EXPECT_TRUE(schemes.Editing());
    EXPECT_EQ(editor->Title(), "Sunset - Scheme settings");
    editor->SetColour(4, applied);
    EXPECT_NE(schemes.SchemeAt(1).Colours()[4], applied) << "not before Apply";
    editor->Apply();
    EXPECT_EQ(schemes.SchemeAt(1).Colours()[4], applied);
    EXPECT_NE(ReadSchemeFile(path).Colours()[4], applied) << "Apply does not write";
    editor->SetColour(5, later);
    EXPECT_EQ(editor->Scheme().Colours()[4], applied) << "editing goes on from the applied copy";
    ASSERT_TRUE(editor->Ok());
    EXPECT_FALSE(schemes.Editing());
    const CScheme written = ReadSchemeFile(path);
    EXPECT_EQ(written.Colours()[4], applied);
    EXPECT_EQ(written.Colours()[5], later);
}

TEST_F(SchemeEditorTest, CancelDropsOnlyWhatWasNotApplied) {
    const WindowsColour original = schemes.SchemeAt(1).Colours()[4];
    for (bool apply : {false, true}) {
        SCOPED_TRACE(apply);
        editor.reset();  // the one before ends its edit first
        editor = std::make_unique<CSchemeEditor>(schemes, 1, ui);
        editor->SetColour(4, RgbColour(7, 7, 7));
        if (apply) editor->Apply();
        editor->SetColour(5, RgbColour(9, 9, 9));
        editor->Cancel();
        EXPECT_FALSE(schemes.Editing());
        const WindowsColour kept = apply ? RgbColour(7, 7, 7) : original;
        EXPECT_EQ(schemes.SchemeAt(1).Colours()[4], kept);
        EXPECT_EQ(ReadSchemeFile(path).Colours()[4], kept) << "what Apply put in place is written";
        EXPECT_NE(schemes.SchemeAt(1).Colours()[5], RgbColour(9, 9, 9));
    }
}

}  // namespace
}  // namespace parlevox
