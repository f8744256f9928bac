#include "ui/qt/QtEventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <algorithm>

#include "platform/Clock.h"

namespace parlevox {

QtEventLoop::QtEventLoop() {
    driver_.setSingleShot(true);
    connect(&driver_, &QTimer::timeout, this, [this] { Iterate(); });
}

QtEventLoop::~QtEventLoop() {
    DetachMailbox();
}

int QtEventLoop::WatchFd(int fd, bool read, bool write, FdCallback callback) {
    int id = watchers_.Watch(fd, read, write, std::move(callback));
    Notifiers& n = notifiers_[id];
    n.read = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    n.write = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    for (QSocketNotifier* notifier : {n.read.get(), n.write.get()})
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            SilenceNotifiers();
            ArmSoon();
        });
    SetNotifiers(id);
    return id;
}

void QtEventLoop::UpdateFd(int watchId, bool read, bool write) {
    if (watchers_.Update(watchId, read, write)) SetNotifiers(watchId);
}

void QtEventLoop::UnwatchFd(int watchId) {
    watchers_.Unwatch(watchId);
    notifiers_.erase(watchId);
}

void QtEventLoop::SetNotifiers(int watchId) {
    auto it = notifiers_.find(watchId);
    if (it == notifiers_.end()) return;
    for (const FdWatchers::Watcher& w : watchers_.All())
        if (w.id == watchId) {
            it->second.read->setEnabled(w.read);
            it->second.write->setEnabled(w.write);
        }
}

void QtEventLoop::SilenceNotifiers() {
    for (auto& [id, n] : notifiers_) {
        n.read->setEnabled(false);
        n.write->setEnabled(false);
    }
}

// A modal dialog opened by a callback runs Qt's events inside this; the
// driver then runs nested iterations, so the connection keeps going while
// the dialog waits, as it would under a native modal loop.
void QtEventLoop::Iterate() {
    SilenceNotifiers();
    watchers_.PollAndDispatch(0);
    ProcessTimersAndMessages();
    for (const FdWatchers::Watcher& w : watchers_.All()) SetNotifiers(w.id);
    Arm();
}

void QtEventLoop::ArmSoon() {
    if (!holding_) driver_.start(0);
}

void QtEventLoop::Arm() {
    int timeout = NextTimeoutMs();
    if (timeout < 0)
        driver_.stop();
    else
        driver_.start(timeout);
}

void QtEventLoop::Wake() {
    // From any thread: the queued call runs on the loop's thread.
    QMetaObject::invokeMethod(this, [this] { ArmSoon(); }, Qt::QueuedConnection);
}

void QtEventLoop::Run() {
    quit_ = false;
    QEventLoop loop;
    running_ = &loop;
    Arm();
    if (!quit_) loop.exec();
    running_ = nullptr;
}

void QtEventLoop::Quit() {
    quit_ = true;
    if (running_) running_->quit();
}

void QtEventLoop::RunOnce(int maxWaitMs) {
    // Qt's own events first (sockets wake us, widgets paint), waiting when
    // there is nothing to do yet; then exactly one iteration of ours.
    driver_.stop();
    int timeout = NextTimeoutMs();
    if (maxWaitMs >= 0 && (timeout < 0 || timeout > maxWaitMs)) timeout = maxWaitMs;
    holding_ = true;  // wake-ups must not start an iteration of their own meanwhile
    if (timeout != 0) {
        QTimer cap;
        cap.setSingleShot(true);
        if (timeout > 0) cap.start(timeout);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    } else {
        QCoreApplication::processEvents();
    }
    holding_ = false;
    Iterate();
}

}  // namespace parlevox
