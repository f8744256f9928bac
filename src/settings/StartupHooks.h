#pragma once
// What the application object asks of its front end while it starts up and
// shuts down. The desktop client shows the title screen and the main window
// through these; the headless client passes none and gets the no-ops.
// Start-up calls them in this order:
//
//   ShowTitleScreen, MakeMainFrame, TitleStatus("Loading settings..."),
//   AddTitleIcon (any number), NoMoreIcons, TitleStatus("Initialising
//   parser..."), TitleStatus("Initialising major channels..."),
//   PlaceMainWindow, CloseTitleScreen
//
// with Pump between the steps so that the title screen keeps moving.
// Everything runs on the one thread; a hook may open a box.
#include <string>

#include "display/LoaderWindow.h"
#include "settings/OptionsRecord.h"

namespace parlevox {

class CBrimvaleApp;

// The parts shutdown takes down, in its order.
enum class ShutdownStep { Options, NetworkControl, VariableStore };

class StartupHooks {
public:
    virtual ~StartupHooks() = default;

    // The saver writes "misc"/"Loading time"; it does nothing once the
    // application object has gone.
    virtual void ShowTitleScreen(CLoaderWindow::InstalledCounts /*installed*/,
                                 CLoaderWindow::LoadingTimeSaver /*saver*/) {}
    virtual void TitleStatus(const std::string& /*text*/) {}
    virtual void AddTitleIcon(TitleIcon /*icon*/) {}
    virtual void NoMoreIcons() {}
    // The main window, hidden; the network control exists already.
    virtual void MakeMainFrame(CBrimvaleApp& /*app*/) {}
    // Place without changing the stacking order, show restored, paint.
    virtual void PlaceMainWindow(const OptionsRecord::Positions& /*positions*/) {}
    // The title screen drains its ring and then goes.
    virtual void CloseTitleScreen() {}
    // Between loading steps: run what the title screen has due.
    virtual void Pump() {}

    // Shutdown is about to take this part down.
    virtual void TakingDown(ShutdownStep /*step*/, CBrimvaleApp& /*app*/) {}
};

}  // namespace parlevox
