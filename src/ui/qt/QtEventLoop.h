#pragma once
// The core's loop on Qt's: one iteration runs whenever a watched descriptor
// turns ready, a timer falls due or work is posted, and does exactly what
// an iteration of the poll loop does (descriptors polled and called back in
// registration order, then due timers, posted messages and thread tasks),
// so both pass the same loop tests. Socket notifiers only wake it: they are
// switched off while an iteration is pending and on again after it, so a
// descriptor that stays ready cannot make Qt spin.
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/EventLoop.h"
#include "platform/FdWatchers.h"

class QEventLoop;
class QSocketNotifier;

namespace parlevox {

class QtEventLoop final : public QObject, public EventLoop {
    Q_OBJECT

public:
    // Needs a QCoreApplication; runs on the thread that makes it.
    QtEventLoop();
    ~QtEventLoop() override;

    int WatchFd(int fd, bool read, bool write, FdCallback callback) override;
    void UpdateFd(int watchId, bool read, bool write) override;
    void UnwatchFd(int watchId) override;
    size_t WatcherCount() const override { return watchers_.Count(); }

    // Runs Qt's event handling (dialogs, painting, input) until Quit.
    void Run() override;
    void Quit() override;
    void RunOnce(int maxWaitMs = -1) override;

protected:
    void Wake() override;
    void WorkAdded() override { ArmSoon(); }

private:
    struct Notifiers {
        std::unique_ptr<QSocketNotifier> read;
        std::unique_ptr<QSocketNotifier> write;
    };

    void Iterate();
    void ArmSoon();
    void Arm();
    void SetNotifiers(int watchId);
    void SilenceNotifiers();

    FdWatchers watchers_;
    std::map<int, Notifiers> notifiers_;  // by watch id
    QTimer driver_;
    QEventLoop* running_ = nullptr;
    bool holding_ = false;  // RunOnce is handling Qt's events
};

}  // namespace parlevox
