// The application object starting up under the desktop's title screen.
#include "ui/qt/TitleScreenHooks.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWindow>
#include <memory>

#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "settings/SettingsSection.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

class FrameHooks final : public TitleScreenHooks {
public:
    void MakeMainFrame(CBrimvaleApp&) override {
        titleShownBeforeFrame = TitleScreen() && TitleScreen()->isVisible();
        mainWindow = std::make_unique<QWidget>();
    }
    // The person closes the main window as soon as it shows.
    void PlaceMainWindow(const OptionsRecord::Positions&) override {
        statusWhenPlaced = TitleScreen() ? TitleScreen()->Model().Status() : "";
        mainWindow->show();
        QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
    }
    bool titleShownBeforeFrame = false;
    std::string statusWhenPlaced;
    std::unique_ptr<QWidget> mainWindow;
};

TEST(TitleScreenHooksTest, TheTitleScreenShowsThroughStartUpAndGoesAfterwardsAndACloseOfTheMainWindowWaits) {
    test::TempDir dir;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
    FrameHooks hooks;
    AppStartOptions options;
    options.settingsPath = dir.File("registry.reg");
    options.programFolder = dir.Path() + "/";
    {
        CBrimvaleApp app(FrontEnd{loop, ui, audio, status, &hooks}, options);
        ASSERT_TRUE(app.Started());
        EXPECT_TRUE(hooks.titleShownBeforeFrame);
        EXPECT_EQ(hooks.statusWhenPlaced, "Initialising major channels...");
        EXPECT_TRUE(hooks.mainWindow->isVisible()) << "a close during start-up waits for the event loop";
        // The "User" module is always there: the screen shows its icon, then goes.
        QElapsedTimer waited;
        waited.start();
        while (hooks.TitleScreen() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(hooks.TitleScreen(), nullptr);
        EXPECT_GE(SettingsSection(app.Store(), "misc").ReadInt("Loading time", -1), 0);
        EXPECT_FALSE(hooks.mainWindow->isVisible());
    }
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace parlevox
