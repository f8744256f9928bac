#include "platform/FdWatchers.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace parlevox {

int FdWatchers::Watch(int fd, bool read, bool write, Callback callback) {
    int id = nextId_++;
    watchers_.push_back({id, fd, read, write, std::make_shared<Callback>(std::move(callback))});
    return id;
}

bool FdWatchers::Update(int watchId, bool read, bool write) {
    for (Watcher& w : watchers_)
        if (w.id == watchId) {
            w.read = read;
            w.write = write;
            return true;
        }
    return false;
}

void FdWatchers::Unwatch(int watchId) {
    std::erase_if(watchers_, [watchId](const Watcher& w) { return w.id == watchId; });
}

bool FdWatchers::Contains(int watchId) const {
    return std::any_of(watchers_.begin(), watchers_.end(), [watchId](const Watcher& w) { return w.id == watchId; });
}

bool FdWatchers::PollAndDispatch(int timeoutMs, int wakeFd) {
    std::vector<pollfd> fds;
    std::vector<Watcher> polled;
    fds.reserve(watchers_.size() + 1);
    if (wakeFd >= 0) fds.push_back({wakeFd, POLLIN, 0});
    const size_t first = fds.size();
    for (const Watcher& w : watchers_) {
        if (!w.read && !w.write) continue;
        short events = static_cast<short>((w.read ? POLLIN : 0) | (w.write ? POLLOUT : 0));
        fds.push_back({w.fd, events, 0});
        polled.push_back(w);
    }
    int ready = poll(fds.data(), fds.size(), timeoutMs);
    if (ready <= 0) return false;
    if (wakeFd >= 0 && (fds[0].revents & POLLIN)) {
        uint64_t count;
        ssize_t ignored = read(wakeFd, &count, sizeof count);
        (void)ignored;
    }
    for (size_t i = 0; i < polled.size(); ++i) {
        short revents = fds[first + i].revents;
        if (!revents || !Contains(polled[i].id)) continue;  // removed by an earlier callback
        FdReadiness readiness;
        readiness.readable = revents & POLLIN;
        readiness.writable = revents & POLLOUT;
        readiness.error = revents & (POLLERR | POLLHUP | POLLNVAL);
        auto callback = polled[i].callback;  // keeps it alive while it runs
        (*callback)(readiness);
    }
    return true;
}

}  // namespace parlevox
