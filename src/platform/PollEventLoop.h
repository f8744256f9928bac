#pragma once
// The poll(2) loop used by the headless client and the tests.
#include <vector>

#include "platform/EventLoop.h"

namespace parlevox {

class PollEventLoop final : public EventLoop {
public:
    PollEventLoop();
    ~PollEventLoop() override;

    int WatchFd(int fd, bool read, bool write, FdCallback callback) override;
    void UpdateFd(int watchId, bool read, bool write) override;
    void UnwatchFd(int watchId) override;

    void Run() override;
    bool RunUntil(const std::function<bool()>& done, uint64_t timeoutMs) override;
    void Quit() override { quit_ = true; }

    // One iteration; waits at most maxWaitMs (-1: as long as needed).
    void RunOnce(int maxWaitMs = -1);
    size_t WatcherCount() const { return watchers_.size(); }

protected:
    void Wake() override;

private:
    struct Watcher {
        int id;
        int fd;
        bool read;
        bool write;
        std::shared_ptr<FdCallback> callback;
    };

    std::vector<Watcher> watchers_;  // in order of registration
    int nextWatchId_ = 1;
    int wakeFd_ = -1;
    bool quit_ = false;
};

}  // namespace parlevox
