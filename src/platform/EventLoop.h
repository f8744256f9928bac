#pragma once
// The loop that runs the whole core on one thread: posted and sent window
// messages, window timers, file-descriptor watchers, deferred deletion, and
// tasks posted from other threads. The order of one iteration is written in
// docs/ARCHITECTURE.md; PollEventLoop and the Qt loop share this base so
// that both keep it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/FdWatchers.h"
#include "platform/WindowMessage.h"

namespace parlevox {

class MessageTarget;

// Lets other threads hand work to the loop's thread even after the loop is
// gone (the work is then dropped).
class LoopMailbox;

class EventLoop {
public:
    using FdCallback = std::function<void(FdReadiness)>;
    using Task = std::function<void()>;

    EventLoop();
    virtual ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // --- targets
    WindowHandle Register(MessageTarget* target);
    void Unregister(WindowHandle handle);
    MessageTarget* Find(WindowHandle handle) const;
    bool IsWindow(WindowHandle handle) const { return Find(handle) != nullptr; }

    // Queues a message; false when the handle names no window.
    bool PostMessage(WindowHandle handle, WindowMessage message);
    // Delivers at once and returns the target's answer (0 without a window).
    intptr_t SendMessage(WindowHandle handle, WindowMessage& message);
    intptr_t SendMessage(WindowHandle handle, WindowMessage&& message) { return SendMessage(handle, message); }

    // --- timers (repeating, like window timers; setting an id again restarts it)
    // A timer keeps its period: the next firing is one interval after the
    // due time, unless that has passed too (the machine slept, a handler ran
    // long); then it fires once and the next is one interval from now.
    void SetTimer(WindowHandle handle, uint32_t timerId, uint32_t intervalMs);
    void KillTimer(WindowHandle handle, uint32_t timerId);
    // A task run once after delayMs on the loop's thread.
    void SingleShot(uint32_t delayMs, Task task);
    // Destroys the object delayMs later, outside whatever callback asked.
    template <typename T>
    void DeleteLater(std::unique_ptr<T> object, uint32_t delayMs = 0) {
        std::shared_ptr<T> holder(std::move(object));
        SingleShot(delayMs, [holder]() mutable { holder.reset(); });
    }

    // --- descriptors
    virtual int WatchFd(int fd, bool read, bool write, FdCallback callback) = 0;
    virtual void UpdateFd(int watchId, bool read, bool write) = 0;
    virtual void UnwatchFd(int watchId) = 0;
    virtual size_t WatcherCount() const = 0;

    // --- other threads
    // Safe from any thread; the task runs on the loop's thread.
    void PostFromThread(Task task);
    std::shared_ptr<LoopMailbox> Mailbox() const { return mailbox_; }

    // --- running
    virtual void Run() = 0;
    // Runs iterations until the predicate holds or timeoutMs passes; true if it held.
    bool RunUntil(const std::function<bool()>& done, uint64_t timeoutMs);
    virtual void Quit() = 0;
    // One iteration: ready descriptors, then due timers, posted messages
    // and thread tasks. Waits at most maxWaitMs (-1: as long as needed).
    virtual void RunOnce(int maxWaitMs = -1) = 0;

    // The timers' clock: Clock::TickCount unless tests and benchmarks give
    // one of their own (set it before starting timers).
    void SetTickSource(std::function<uint64_t()> tickSource);
    uint64_t TickNow() const { return tickSource_(); }

    // Counts for the "nothing left open" checks of tests.
    size_t PendingTimerCount() const { return timers_.size(); }
    size_t TargetCount() const { return targets_.size(); }

protected:
    // Threads stop reaching the loop. Every final loop class calls it first
    // in its destructor: a thread that delivered after the derived part was
    // gone would call its Wake.
    void DetachMailbox();
    // Milliseconds until the earliest timer, 0 if work is waiting, -1 if none.
    int NextTimeoutMs() const;
    // Steps 3-5 of an iteration: due timers, posted messages, thread tasks.
    void ProcessTimersAndMessages();
    // Called by PostFromThread after queueing: wake the waiting thread.
    virtual void Wake() = 0;
    // A message was posted or a timer started on the loop's own thread.
    virtual void WorkAdded() {}
    bool HasPostedWork() const;

    bool quit_ = false;  // Quit was asked

private:
    friend class LoopMailbox;
    struct Timer {
        WindowHandle handle = 0;  // 0 for a single-shot task
        uint32_t timerId = 0;
        uint32_t intervalMs = 0;
        Task task;
    };
    struct Posted {
        WindowHandle handle;
        WindowMessage message;
    };
    using TimerKey = std::pair<uint64_t, uint64_t>;  // due time, start order

    void Schedule(uint64_t dueMs, Timer timer, uint64_t sequence);
    void RunDueTimers();
    void DeliverPosted();
    void RunThreadTasks();
    void QueueFromThread(Task task);

    std::unordered_map<WindowHandle, MessageTarget*> targets_;
    WindowHandle nextHandle_ = 1;
    std::deque<Posted> posted_;
    std::map<TimerKey, Timer> timers_;
    std::map<std::pair<WindowHandle, uint32_t>, TimerKey> windowTimers_;
    uint64_t nextSequence_ = 1;
    std::function<uint64_t()> tickSource_;

    mutable std::mutex threadMutex_;
    std::vector<Task> threadTasks_;
    bool threadTasksWaiting_ = false;
    std::shared_ptr<LoopMailbox> mailbox_;
};

class LoopMailbox {
public:
    // Queues the task if the loop still exists; false otherwise.
    bool Deliver(EventLoop::Task task);

private:
    friend class EventLoop;
    std::mutex mutex_;
    EventLoop* loop_ = nullptr;
};

}  // namespace parlevox
