#pragma once
// The title screen window: frameless, 600 x 420, centred, showing the
// loader model's picture. Loading runs on the GUI thread, so the loading
// code calls Pump() between its steps; while the event loop runs (a box
// opened during loading, or after start-up while the ring drains) a timer
// drives the steps instead. Every fourth look at the ring a dialog or message box of
// the process that has come up is raised in front, once, and the loading
// time is then not saved. After CloseTitleScreen the ring drains, the
// window goes, finished() is emitted and the widget deletes itself later.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "display/LoaderWindow.h"

namespace parlevox {

class TitleScreenWidget : public QWidget {
    Q_OBJECT

public:
    using Now = std::function<uint64_t()>;  // milliseconds; Clock::TickCount when empty

    TitleScreenWidget(CLoaderWindow::InstalledCounts installed, CLoaderWindow::LoadingTimeSaver saver, Now now = {});
    ~TitleScreenWidget() override;

    CLoaderWindow& Model() { return *model_; }

    // Shows the window centred and waits (briefly) until it is on screen.
    void ShowCentred();
    void SetStatus(const std::string& text);
    void AddIcon(TitleIcon icon);
    void NoMoreIcons() { model_->NoMoreIcons(); }
    // Runs a due step and lets the window paint; never waits.
    void Pump();
    // The ring drains, then the window goes.
    void RequestClose();
    bool IsFinished() const { return finished_; }

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Tick();
    void RaisePopups();
    void FinishIfReady();

    Now now_;
    std::unique_ptr<CLoaderWindow> model_;
    QTimer timer_;
    std::vector<QPointer<QWidget>> raised_;
    int ticks_ = 0;
    bool finished_ = false;
};

}  // namespace parlevox
