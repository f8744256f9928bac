#pragma once
// The title screen's half of the start-up hooks for the desktop client: it
// makes, feeds, pumps and closes the TitleScreenWidget. The front end
// derives from it and adds the main window (MakeMainFrame,
// PlaceMainWindow).
#include <QPointer>

#include "settings/StartupHooks.h"
#include "ui/qt/TitleScreenWidget.h"

namespace parlevox {

class TitleScreenHooks : public StartupHooks {
public:
    ~TitleScreenHooks() override;

    void ShowTitleScreen(CLoaderWindow::InstalledCounts installed, CLoaderWindow::LoadingTimeSaver saver) override;
    void TitleStatus(const std::string& text) override;
    void AddTitleIcon(TitleIcon icon) override;
    void NoMoreIcons() override;
    void CloseTitleScreen() override;
    void Pump() override;

    // Null once the title screen has gone (it deletes itself after
    // finished()); connect to finished() to learn when.
    TitleScreenWidget* TitleScreen() const { return titleScreen_; }

private:
    QPointer<TitleScreenWidget> titleScreen_;
};

}  // namespace parlevox
