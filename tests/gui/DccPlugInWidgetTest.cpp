// A DCC plug-in's window widget over a real core window, and the
// preferences' plug-in list over a real plug-in built by the tests.
#include <gtest/gtest.h>
#include <dlfcn.h>

#include <QApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "dcc/DCCPlugInWnd.h"
#include "dcc/DCCPlugIns.h"
#include "display/BitmapResource.h"
#include "display/Scheme.h"
#include "display/SchemeManager.h"
#include "display/SoundSystem.h"
#include "irc/Idiots.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "settings/OptionsRecord.h"
#include "support/ScriptedUserInterface.h"
#include "ui/SchemeEditing.h"
#include "ui/qt/DccPlugInWidget.h"
#include "ui/qt/PreferencesDialog.h"
#include "ui/qt/PreferencesPage.h"

namespace parlevox {
namespace {

TEST(DccPlugInWidgetTest, ShowsTheStripThePictureAndTheProgressAndReportsTheMouse) {
    std::unique_ptr<CDCCPlugInWnd> window = CDCCPlugInWnd::Make(10, 10, true, true, {}, nullptr);
    std::vector<int> buttons;
    std::vector<std::array<int, 3>> events;
    int closeRequests = 0;
    window->onButton = [&](CDCCPlugInWnd::Button button) { buttons.push_back(button); };
    window->onPictureMouse = [&](int event, int x, int y) { events.push_back({event, x, y}); };
    window->onCloseRequested = [&] { ++closeRequests; };
    // The plug-in's fourth byte may hold anything.
    uint8_t* pixel = window->Pixels() + 3 * window->BytesPerRow() + 2 * 4;
    pixel[0] = 0x10, pixel[1] = 0x20, pixel[2] = 0x30, pixel[3] = 0x77;
    auto owned = std::make_unique<DccPlugInWidget>(*window);
    DccPlugInWidget& widget = *owned;
    QStringList captions;
    QObject::connect(&widget, &ChatWindowWidget::buttonCaptionChanged, [&](const QString& c) { captions << c; });
    window->SetView(std::move(owned));
    widget.show();

    const int bar = widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(widget.size(), QSize(126, 19 + 10 + bar)) << "as wide as the three buttons";
    EXPECT_EQ(widget.windowTitle(), "Should be nick and filename");
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(2, 19 + 3), qRgb(0x30, 0x20, 0x10));
    const BgrColour strip = BitmapResource::Load("BV-DCC")->PixelColour(60, 9);
    EXPECT_EQ(shown.pixel(60, 9), qRgb(strip.red, strip.green, strip.blue));

    window->Attach("bob", "dcc/pic.jpg", 4096);
    window->SetProgress(2048);
    EXPECT_EQ(widget.windowTitle(), "pic.jpg - bob");
    ASSERT_TRUE(widget.Bar());
    EXPECT_EQ(widget.Bar()->maximum(), 4);
    EXPECT_EQ(widget.Bar()->value(), 2);
    EXPECT_EQ(captions.back(), "50% pic.jpg - bob");

    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(100, 9));
    EXPECT_EQ(buttons, std::vector<int> {CDCCPlugInWnd::kClose});
    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(3, 23));
    EXPECT_EQ(events, (std::vector<std::array<int, 3>> {{2, 3, 4}, {3, 3, 4}}));
    widget.close();
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(widget.isVisible()) << "closing only asks";
}

std::string TestViewer() {
    return std::string(PARLEVOX_TEST_DCC_PLUGINS_DIR) + "TestViewer.ParlevoxDCCPlugIn";
}

class DccPlugInPageTest : public testing::Test {
protected:
    DccPlugInPageTest() {
        context.dcc = &dcc;
        context.dccChanged = [] {};
        context.dccPlugIns = &plugIns;
        dialog = std::make_unique<PreferencesDialog>(context);
    }
    template <typename Widget>
    Widget& Field(const char* name) {
        auto* widget = dialog->PageWidget(PreferencesDialog::Page::Dcc).findChild<Widget*>(name);
        if (!widget) throw std::runtime_error(std::string("no child ") + name);
        return *widget;
    }
    std::string PlugInLog() const {
        void* library = dlopen(TestViewer().c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (!library) return {};
        std::string log = reinterpret_cast<const char* (*)()>(dlsym(library, "TestLog"))();
        dlclose(library);
        return log;
    }

    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    DccOptions dcc;
    int saves = 0;
    CDCCPlugIns plugIns {{loop, ui, dcc, nullptr, [this] { ++saves; }}};
    CIgnoreList idiots {[](const std::string&) {}, [](const std::vector<IgnoreEntry>&) {}};
    OptionsRecord options;
    NullAudioOutput audio;
    CSoundSystem sounds {audio, {}};
    CScheme scheme;
    CSchemeManager schemes {ui, "/nonexistent/"};
    Registry registry;
    SchemeEditing schemeEditing {schemes, ui, registry, nullptr};
    PreferencesContext context {options, [] {}, idiots, sounds, scheme, schemes, schemeEditing};
    std::unique_ptr<PreferencesDialog> dialog;
};

TEST_F(DccPlugInPageTest, PlugInsAreInstalledSetUpAndRemovedFromThePage) {
    dialog->show();
    auto& list = Field<QListWidget>("plugIns");
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(Field<QPushButton>("removePlugIn").isEnabled());
    ui.openAnswers = {TestViewer()};
    Field<QPushButton>("installPlugIn").click();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), "Test viewer");
    EXPECT_EQ(Field<QListWidget>("fileTypes").count(), 3) << "GIF and JPG joined the table";
    EXPECT_EQ(saves, 1);

    // A new entry handed to a plug-in names the installed one.
    dcc.fileTypes.push_back({"PNG", dcc_action::kSave, "dcc/", "", ""});
    dialog->hide();
    dialog->show();
    Field<QListWidget>("fileTypes").setCurrentRow(3);
    Field<QRadioButton>("action2").click();
    EXPECT_EQ(dcc.fileTypes[3].plugIn, "Test viewer");

    Field<QPushButton>("setupPlugIn").click();
    EXPECT_NE(PlugInLog().find("Setup\n"), std::string::npos);
    ui.boxAnswers = {MessageResult::Yes};
    Field<QPushButton>("removePlugIn").click();
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(plugIns.PlugIns().empty());
    for (const DccFileType& type : dcc.fileTypes) EXPECT_EQ(type.action, dcc_action::kSave) << type.pattern;
    dialog->hide();
}

}  // namespace
}  // namespace parlevox
