#include "platform/PollEventLoop.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Clock.h"

namespace parlevox {

PollEventLoop::PollEventLoop() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

PollEventLoop::~PollEventLoop() {
    if (wakeFd_ >= 0) close(wakeFd_);
}

int PollEventLoop::WatchFd(int fd, bool read, bool write, FdCallback callback) {
    int id = nextWatchId_++;
    watchers_.push_back({id, fd, read, write, std::make_shared<FdCallback>(std::move(callback))});
    return id;
}

void PollEventLoop::UpdateFd(int watchId, bool read, bool write) {
    for (Watcher& w : watchers_)
        if (w.id == watchId) {
            w.read = read;
            w.write = write;
        }
}

void PollEventLoop::UnwatchFd(int watchId) {
    std::erase_if(watchers_, [watchId](const Watcher& w) { return w.id == watchId; });
}

void PollEventLoop::Wake() {
    uint64_t one = 1;
    ssize_t ignored = write(wakeFd_, &one, sizeof one);
    (void)ignored;
}

void PollEventLoop::RunOnce(int maxWaitMs) {
    std::vector<pollfd> fds;
    std::vector<Watcher> polled;
    fds.reserve(watchers_.size() + 1);
    fds.push_back({wakeFd_, POLLIN, 0});
    for (const Watcher& w : watchers_) {
        if (!w.read && !w.write) continue;
        short events = static_cast<short>((w.read ? POLLIN : 0) | (w.write ? POLLOUT : 0));
        fds.push_back({w.fd, events, 0});
        polled.push_back(w);
    }
    int timeout = NextTimeoutMs();
    if (maxWaitMs >= 0 && (timeout < 0 || timeout > maxWaitMs)) timeout = maxWaitMs;
    int ready = poll(fds.data(), fds.size(), timeout);
    if (ready > 0) {
        if (fds[0].revents & POLLIN) {
            uint64_t count;
            ssize_t ignored = read(wakeFd_, &count, sizeof count);
            (void)ignored;
        }
        for (size_t i = 0; i < polled.size(); ++i) {
            short revents = fds[i + 1].revents;
            if (!revents) continue;
            // A callback may have removed this watcher (or others) already.
            int id = polled[i].id;
            if (std::none_of(watchers_.begin(), watchers_.end(), [id](const Watcher& w) { return w.id == id; }))
                continue;
            FdReadiness readiness;
            readiness.readable = revents & POLLIN;
            readiness.writable = revents & POLLOUT;
            readiness.error = revents & (POLLERR | POLLHUP | POLLNVAL);
            auto callback = polled[i].callback;  // keeps it alive while it runs
            (*callback)(readiness);
        }
    }
    ProcessTimersAndMessages();
}

void PollEventLoop::Run() {
    quit_ = false;
    while (!quit_) RunOnce();
}

bool PollEventLoop::RunUntil(const std::function<bool()>& done, uint64_t timeoutMs) {
    uint64_t deadline = Clock::TickCount() + timeoutMs;
    quit_ = false;
    while (!done()) {
        uint64_t now = Clock::TickCount();
        if (now >= deadline || quit_) return done();
        RunOnce(static_cast<int>(std::min<uint64_t>(deadline - now, 50)));
    }
    return true;
}

}  // namespace parlevox
