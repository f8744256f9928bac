// The plug-ins' Qt side: the preferences page installs and uninstalls with
// the display line and icon, and a picture window shows the plug-in's
// pixels and hands it the mouse until the person closes it.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "display/Scheme.h"
#include "modules/ScPlugInTexts.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/SchemeEditing.h"
#include "ui/qt/PlugInPictureWidget.h"
#include "ui/qt/PlugInsPage.h"
#include "ui/qt/PreferencesDialog.h"

namespace parlevox {
namespace {

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

TEST(PlugInsPage, InstallsAndUninstallsWithTheDisplayLine) {
    test::TempDir dir;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
    CScheme scheme;
    CBrimvaleApp app(FrontEnd{loop, ui, audio, status},
                     AppStartOptions{.settingsPath = dir.File("registry.reg"), .programFolder = dir.Path() + "/"});
    SchemeEditing editing(app.Schemes(), ui, app.Store(), nullptr);
    PreferencesContext context{app.Options(), [] {}, app.Idiots(), app.Sounds(), scheme, app.Schemes(), editing};
    context.scPlugIns = &app.ScPlugIns();
    PreferencesDialog dialog(context);  // without DCC options: the page still is where its name says
    dialog.ShowPage(PreferencesDialog::Page::PlugIns);
    ASSERT_EQ(dialog.CurrentPage(), PreferencesDialog::Page::PlugIns);
    auto& page = static_cast<PlugInsPage&>(dialog.PageWidget(PreferencesDialog::Page::PlugIns));

    ui.openAnswers = {std::string(PARLEVOX_TEST_PLUGIN_DIR) + "/Good.ParlevoxPlugIn"};
    page.findChild<QPushButton*>("install")->click();
    ASSERT_EQ(page.List().count(), 1);
    EXPECT_EQ(page.List().item(0)->text(), "Tester / Ada ((c) the tests)");
    EXPECT_FALSE(page.List().item(0)->icon().isNull());

    ui.boxAnswers = {MessageResult::Yes};
    page.findChild<QPushButton*>("uninstall")->click();
    EXPECT_EQ(ui.boxes.back().title, plugin_text::kConfirmUninstallTitle);
    EXPECT_EQ(page.List().count(), 0);
    EXPECT_FALSE(page.findChild<QPushButton*>("uninstall")->isEnabled());
}

TEST(PlugInPictureWidget, ShowsThePixelsAndHandsTheMouseOnUntilClosed) {
    std::unique_ptr<CPlugInPictureWnd> window = CPlugInPictureWnd::Make(1, "Picture", 4, 3);
    uint8_t* pixel = window->Pixels() + 2 * window->BytesPerRow() + 1 * 4;  // (1, 2)
    pixel[0] = 0x30;  // blue
    pixel[1] = 0x20;
    pixel[2] = 0x10;  // red
    std::vector<std::tuple<int32_t, int32_t, int32_t>> events;
    window->SetMouseHandler([&](int32_t event, int32_t x, int32_t y) { events.emplace_back(event, x, y); });
    int closes = 0;
    window->onCloseRequested = [&] { ++closes; };

    auto owned = std::make_unique<PlugInPictureWidget>(*window);
    PlugInPictureWidget& widget = *owned;
    window->SetView(std::move(owned));
    EXPECT_EQ(widget.windowTitle(), "Picture");
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 2), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));

    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_EQ(events, (std::vector<std::tuple<int32_t, int32_t, int32_t>>{{PV_MOUSE_LEFT_DOWN, 2, 1},
                                                                        {PV_MOUSE_LEFT_UP, 2, 1}}));
    window->SetTitle("Renamed");
    EXPECT_EQ(widget.windowTitle(), "Renamed");

    widget.close();
    EXPECT_EQ(closes, 1);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_EQ(events.size(), 2u);
}

}  // namespace
}  // namespace parlevox
