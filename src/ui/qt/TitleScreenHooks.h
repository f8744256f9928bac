#pragma once
// The title screen's half of the start-up hooks for the desktop client: it
// makes, feeds, pumps and closes the TitleScreenWidget. The front end
// derives from it and adds the main window (MakeMainFrame,
// PlaceMainWindow).
//
// The application object is still being made while the title screen is
// pumped, so a window closed then (the main window, by the window manager)
// is not closed at once: the close is held and carried out once start-up
// has returned to the event loop.
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

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
    class CloseHolder : public QObject {
    public:
        bool eventFilter(QObject* watched, QEvent* event) override;
        void Release();
        std::vector<QPointer<QWidget>> held;
    };

    QPointer<TitleScreenWidget> titleScreen_;
    std::unique_ptr<CloseHolder> closeHolder_;
};

}  // namespace parlevox
