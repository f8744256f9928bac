#include "ui/qt/NotifyDisplay.h"

#include "irc/NotifyWatch.h"
#include "ui/NotifyWindow.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/NotifyWindowWidget.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {

NotifyDisplay::NotifyDisplay(MainFrameWidget& frame, CNotifyWatch& watch, CNotifyWindow& window, QObject* parent)
    : QObject(parent), frame_(frame), watch_(watch), window_(window), openQuery_(window.onOpenQuery) {
    watch_.onLagMeasured = [this] { UpdateLag(); };
    window_.onOpenQuery = [this](const std::string& nick) { OpenQuery(nick); };
    lagTimer_.setInterval(kLagRefreshMs);
    connect(&lagTimer_, &QTimer::timeout, this, &NotifyDisplay::UpdateLag);
    lagTimer_.start();
    UpdateLag();
}

// The widget goes first: it leaves the window it shows.
NotifyDisplay::~NotifyDisplay() {
    delete widget_.data();
    watch_.onLagMeasured = {};
    window_.onOpenQuery = openQuery_;
}

void NotifyDisplay::OpenWindow() {
    if (!widget_) {
        widget_ = new NotifyWindowWidget(window_);
        widget_->setAttribute(Qt::WA_DeleteOnClose);
        frame_.AddWindow(widget_);
    }
    frame_.Activate(widget_);
}

void NotifyDisplay::UpdateLag() {
    SwitchBar& bar = frame_.Switches();
    if (std::optional<int> seconds = watch_.ShownLagSeconds())
        bar.SetLag(*seconds, CNotifyWatch::IsLate(*seconds));
    else
        bar.ClearLag();
}

// A query that is open already comes to the front.
void NotifyDisplay::OpenQuery(const std::string& nick) {
    if (openQuery_) openQuery_(nick);
    if (ChatWindowWidget* query = frame_.FindWindow(nick)) frame_.Activate(query);
}

}  // namespace parlevox
