#pragma once
// The poll(2) loop used by the headless client and the tests.
#include "platform/EventLoop.h"
#include "platform/FdWatchers.h"

namespace parlevox {

class PollEventLoop final : public EventLoop {
public:
    PollEventLoop();
    ~PollEventLoop() override;

    int WatchFd(int fd, bool read, bool write, FdCallback callback) override {
        return watchers_.Watch(fd, read, write, std::move(callback));
    }
    void UpdateFd(int watchId, bool read, bool write) override { watchers_.Update(watchId, read, write); }
    void UnwatchFd(int watchId) override { watchers_.Unwatch(watchId); }
    size_t WatcherCount() const override { return watchers_.Count(); }

    void Run() override;
    void Quit() override { quit_ = true; }
    void RunOnce(int maxWaitMs = -1) override;

protected:
    void Wake() override;

private:
    FdWatchers watchers_;
    int wakeFd_ = -1;
};

}  // namespace parlevox
