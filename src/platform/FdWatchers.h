#pragma once
// The descriptors a loop watches, polled and dispatched in the order they
// were registered. A callback may remove any watcher, itself included; a
// removed watcher gets no further call, not even in the current round.
#include <functional>
#include <memory>
#include <vector>

namespace parlevox {

// What a watched descriptor is ready for.
struct FdReadiness {
    bool readable = false;
    bool writable = false;
    bool error = false;  // POLLERR, POLLHUP or POLLNVAL
};

class FdWatchers {
public:
    using Callback = std::function<void(FdReadiness)>;

    struct Watcher {
        int id;
        int fd;
        bool read;
        bool write;
        std::shared_ptr<Callback> callback;
    };

    int Watch(int fd, bool read, bool write, Callback callback);
    // False when no watcher has the id.
    bool Update(int watchId, bool read, bool write);
    void Unwatch(int watchId);
    size_t Count() const { return watchers_.size(); }
    const std::vector<Watcher>& All() const { return watchers_; }

    // Polls every watcher (and wakeFd for reading, when >= 0, drained when
    // ready) for at most timeoutMs (-1: no limit) and calls back the ready
    // ones. Returns whether anything was ready.
    bool PollAndDispatch(int timeoutMs, int wakeFd = -1);

private:
    bool Contains(int watchId) const;

    std::vector<Watcher> watchers_;
    int nextId_ = 1;
};

}  // namespace parlevox
