#pragma once
// What the desktop shows of the notify list: the lag at the right of the
// switch bar ("Lag %is", red from 10 s, nothing while not connected),
// renewed every second and on each reply, and the notify window, opened in
// the main window by the control bar's "Notify list" button.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

#include "ui/qt/NotifyWindowWidget.h"

namespace parlevox {

class CNotifyWatch;
class CNotifyWindow;
class MainFrameWidget;

class NotifyDisplay final : public QObject {
    Q_OBJECT

public:
    static constexpr int kLagRefreshMs = 1000;

    // All three outlive this.
    NotifyDisplay(MainFrameWidget& frame, CNotifyWatch& watch, CNotifyWindow& window, QObject* parent = nullptr);
    ~NotifyDisplay() override;

    // Opens the notify window, or brings it to the front.
    void OpenWindow();
    NotifyWindowWidget* Window() const { return widget_; }
    void UpdateLag();

private:
    void OpenQuery(const std::string& nick);

    MainFrameWidget& frame_;
    CNotifyWatch& watch_;
    CNotifyWindow& window_;
    std::function<void(const std::string&)> openQuery_;  // the window's own, before this one's
    QPointer<NotifyWindowWidget> widget_;
    QTimer lagTimer_;
};

}  // namespace parlevox
