// The scheme editor window and the "Schemes" page over a real manager: an
// edit repaints the preview at once and reaches the manager on Apply, the
// keys close the window as OK and Cancel, and the page is greyed exactly
// while an editor window is open.
#include "ui/qt/SchemesWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "display/OutputWnd.h"
#include "display/SchemeFile.h"
#include "display/SchemeManager.h"
#include "display/SoundSystem.h"
#include "irc/Idiots.h"
#include "platform/NullAudioOutput.h"
#include "platform/Registry.h"
#include "settings/OptionsRecord.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/SchemeEditing.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/SchemeEditorWindows.h"
#include "ui/qt/SchemeGraphicsPage.h"
#include "ui/qt/SchemesPage.h"

namespace parlevox {
namespace {

std::vector<uint8_t> Pixels(OutputPaneWidget& preview) {
    const CRawBitmap& image = preview.Pane()->Paint();
    return {image.Pixels().begin(), image.Pixels().end()};
}

class SchemesWindowTest : public testing::Test {
protected:
    SchemesWindowTest() {
        EXPECT_TRUE(schemes.NewScheme(path));
        EXPECT_TRUE(schemes.NewScheme(dir.File("Dawn.ParlevoxScheme")));
    }

    template <typename Widget>
    Widget& Field(QWidget& parent, const char* name) {
        auto* widget = parent.findChild<Widget*>(name);
        if (!widget) throw std::runtime_error(std::string("no field ") + name);
        return *widget;
    }
    std::unique_ptr<SchemesWindow> Open() {
        auto window = std::make_unique<SchemesWindow>(SchemesWindowContext{schemes, ui, {}}, 1);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    CSchemeManager schemes{ui, dir.Path() + "/"};
    std::string path = dir.File("Sunset.ParlevoxScheme");
};

TEST_F(SchemesWindowTest, EditsShowAtOnceAndReachTheManagerOnApply) {
    std::unique_ptr<SchemesWindow> window = Open();
    EXPECT_EQ(window->windowTitle(), "Sunset - Scheme settings");
    EXPECT_TRUE(schemes.Editing());
    window->ShowPage(SchemesWindow::Page::Font);
    const std::vector<uint8_t> before = Pixels(window->Preview());
    Field<QSpinBox>(*window, "fontSize").setValue(28);
    EXPECT_NE(Pixels(window->Preview()), before) << "the preview follows the edit";
    EXPECT_NE(schemes.SchemeAt(1).TextFont().Size(), 28);
    ASSERT_TRUE(window->ApplyButton().isEnabled());
    window->ApplyButton().click();
    EXPECT_EQ(schemes.SchemeAt(1).TextFont().Size(), 28);
    EXPECT_FALSE(window->ApplyButton().isEnabled());

    window->ShowPage(SchemesWindow::Page::Usage);
    QLineEdit& channels = Field<QLineEdit>(*window, "channelsNames");
    channels.setFocus();
    QTest::keyClicks(&channels, "#sunset");
    QTest::keyClick(&channels, Qt::Key_Return);  // the default button: OK
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(schemes.Editing());
    const CScheme written = ReadSchemeFile(path);
    EXPECT_EQ(written.Usage().channels, std::vector<std::string>{"#sunset"});
    EXPECT_EQ(written.TextFont().Size(), 28);
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
}

TEST_F(SchemesWindowTest, EscapeClosesWithoutTheUnappliedChanges) {
    std::unique_ptr<SchemesWindow> window = Open();
    window->ShowPage(SchemesWindow::Page::Graphics);
    Field<QPushButton>(*window, "addFadebox").click();
    EXPECT_EQ(window->GraphicsPage().List().count(), 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(schemes.Editing());
    EXPECT_TRUE(schemes.SchemeAt(1).DrawOrder().empty());
}

TEST_F(SchemesWindowTest, TheGraphicsListFollowsTheDrawOrder) {
    std::unique_ptr<SchemesWindow> window = Open();
    SchemeGraphicsPage& page = window->GraphicsPage();
    CSchemeEditor& editor = window->Editor();
    QListWidget& list = page.List();
    Field<QPushButton>(page, "addImage").click();
    Field<QPushButton>(page, "addHotspot").click();
    Field<QPushButton>(page, "addFadebox").click();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentRow(), 2) << "a new graphic is chosen";
    Field<QPushButton>(page, "graphicUp").click();
    EXPECT_EQ(list.currentRow(), 1);
    ASSERT_NE(editor.FadeboxAt(1), nullptr) << "the fade box now draws below the hot spot";
    EXPECT_TRUE(list.item(1)->text().contains("fade box"));

    // Top, in pixels: the top-left point's y offset, and nothing else.
    Field<QSpinBox>(page, "rect10").setValue(40);
    const AnchoredRect fadeRect = *editor.RectAt(1);
    EXPECT_EQ(fadeRect.topLeft.yOffset, 40);
    EXPECT_EQ(fadeRect.topLeft.xOffset, 0);
    EXPECT_EQ(fadeRect.bottomRight.yShareOfHeight, 100);

    list.setCurrentRow(2);
    Field<QComboBox>(page, "actionKind").setCurrentIndex(static_cast<int>(HotspotActionKind::Command));
    QTest::keyClicks(&Field<QLineEdit>(page, "actionText"), "/join #x");
    EXPECT_EQ(editor.HotspotAction(2).kind, HotspotActionKind::Command);
    EXPECT_EQ(editor.HotspotAction(2).text, "/join #x");
    Field<QPushButton>(page, "removeGraphic").click();
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentRow(), 1) << "the row above is chosen";
    EXPECT_EQ(editor.Scheme().ItemCount(), 2) << "the hot spot took its own items";
}

TEST_F(SchemesWindowTest, ThePageIsGreyedWhileAnEditorIsOpen) {
    Registry registry;
    SchemeEditorWindows windows{SchemesWindowContext{schemes, ui, {}}};
    SchemeEditing editing{schemes, ui, registry, &windows};
    OptionsRecord options;
    NullAudioOutput audio;
    CSoundSystem sounds{audio, {}};
    CIgnoreList idiots{[](const std::string&) {}, [](const std::vector<IgnoreEntry>&) {}};
    PreferencesContext context{options, {}, idiots, sounds, schemes.SchemeAt(0), schemes, editing};
    SchemesPage page{context};
    page.show();
    QListWidget& list = page.List();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), "Sunset");
    EXPECT_EQ(list.item(1)->text(), "Dawn");

    list.setCurrentRow(1);
    Field<QPushButton>(page, "edit").click();
    SchemesWindow* window = windows.WindowFor(2);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Dawn - Scheme settings");
    EXPECT_FALSE(list.isEnabled());
    EXPECT_FALSE(Field<QPushButton>(page, "install").isEnabled());
    EXPECT_TRUE(Field<QLabel>(page, "greyedNote").isEnabled());

    window->reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.isEnabled(); }, 2000));
    EXPECT_EQ(windows.WindowFor(2), nullptr);
    EXPECT_EQ(list.currentRow(), 1);
}

}  // namespace
}  // namespace parlevox
