#include "platform/EventLoop.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/MessageTarget.h"

namespace parlevox {

EventLoop::EventLoop() : mailbox_(std::make_shared<LoopMailbox>()) {
    mailbox_->loop_ = this;
    SetTickSource({});
}

void EventLoop::SetTickSource(std::function<uint64_t()> tickSource) {
    tickSource_ = tickSource ? std::move(tickSource) : [] { return Clock::TickCount(); };
}

EventLoop::~EventLoop() {
    DetachMailbox();
}

void EventLoop::DetachMailbox() {
    std::lock_guard<std::mutex> lock(mailbox_->mutex_);
    mailbox_->loop_ = nullptr;
}

WindowHandle EventLoop::Register(MessageTarget* target) {
    WindowHandle handle = nextHandle_++;
    targets_.emplace(handle, target);
    return handle;
}

void EventLoop::Unregister(WindowHandle handle) {
    targets_.erase(handle);
    for (auto it = windowTimers_.lower_bound({handle, 0}); it != windowTimers_.end() && it->first.first == handle;) {
        timers_.erase(it->second);
        it = windowTimers_.erase(it);
    }
}

MessageTarget* EventLoop::Find(WindowHandle handle) const {
    auto it = targets_.find(handle);
    return it == targets_.end() ? nullptr : it->second;
}

bool EventLoop::PostMessage(WindowHandle handle, WindowMessage message) {
    if (!IsWindow(handle)) return false;
    posted_.push_back({handle, std::move(message)});
    WorkAdded();
    return true;
}

intptr_t EventLoop::SendMessage(WindowHandle handle, WindowMessage& message) {
    MessageTarget* target = Find(handle);
    return target ? target->OnMessage(message) : 0;
}

void EventLoop::Schedule(uint64_t dueMs, Timer timer, uint64_t sequence) {
    TimerKey key{dueMs, sequence};
    if (timer.handle != 0) windowTimers_[{timer.handle, timer.timerId}] = key;
    timers_.emplace(key, std::move(timer));
    WorkAdded();
}

void EventLoop::SetTimer(WindowHandle handle, uint32_t timerId, uint32_t intervalMs) {
    if (!IsWindow(handle)) return;
    KillTimer(handle, timerId);
    Timer timer;
    timer.handle = handle;
    timer.timerId = timerId;
    timer.intervalMs = intervalMs;
    Schedule(TickNow() + intervalMs, std::move(timer), nextSequence_++);
}

void EventLoop::KillTimer(WindowHandle handle, uint32_t timerId) {
    auto it = windowTimers_.find({handle, timerId});
    if (it == windowTimers_.end()) return;
    timers_.erase(it->second);
    windowTimers_.erase(it);
}

void EventLoop::SingleShot(uint32_t delayMs, Task task) {
    Timer timer;
    timer.task = std::move(task);
    Schedule(TickNow() + delayMs, std::move(timer), nextSequence_++);
}

void EventLoop::PostFromThread(Task task) {
    QueueFromThread(std::move(task));
}

void EventLoop::QueueFromThread(Task task) {
    {
        std::lock_guard<std::mutex> lock(threadMutex_);
        threadTasks_.push_back(std::move(task));
        threadTasksWaiting_ = true;
    }
    Wake();
}

bool LoopMailbox::Deliver(EventLoop::Task task) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!loop_) return false;
    loop_->QueueFromThread(std::move(task));
    return true;
}

bool EventLoop::HasPostedWork() const {
    if (!posted_.empty()) return true;
    std::lock_guard<std::mutex> lock(threadMutex_);
    return threadTasksWaiting_;
}

bool EventLoop::RunUntil(const std::function<bool()>& done, uint64_t timeoutMs) {
    uint64_t deadline = Clock::TickCount() + timeoutMs;
    quit_ = false;
    while (!done()) {
        uint64_t now = Clock::TickCount();
        if (now >= deadline || quit_) return done();
        RunOnce(static_cast<int>(std::min<uint64_t>(deadline - now, 50)));
    }
    return true;
}

int EventLoop::NextTimeoutMs() const {
    if (HasPostedWork()) return 0;
    if (timers_.empty()) return -1;
    uint64_t now = TickNow();
    uint64_t due = timers_.begin()->first.first;
    return due <= now ? 0 : static_cast<int>(std::min<uint64_t>(due - now, 60'000));
}

void EventLoop::ProcessTimersAndMessages() {
    RunDueTimers();
    DeliverPosted();
    RunThreadTasks();
}

void EventLoop::RunDueTimers() {
    // Only timers started before this step run now; a timer set by a timer
    // waits for the next iteration even when it is already due.
    const uint64_t now = TickNow();
    const uint64_t sequenceLimit = nextSequence_;
    while (!timers_.empty()) {
        auto it = timers_.begin();
        while (it != timers_.end() && it->first.second >= sequenceLimit) ++it;
        if (it == timers_.end() || it->first.first > now) break;
        const uint64_t due = it->first.first;
        Timer timer = std::move(it->second);
        timers_.erase(it);
        if (timer.handle == 0) {
            timer.task();
            continue;
        }
        windowTimers_.erase({timer.handle, timer.timerId});
        MessageTarget* target = Find(timer.handle);
        if (!target) continue;
        const uint32_t timerId = timer.timerId;
        const uint64_t interval = std::max<uint32_t>(timer.intervalMs, 1);
        const uint64_t next = due + interval > now ? due + interval : now + interval;
        Schedule(next, std::move(timer), nextSequence_++);
        target->OnTimer(timerId);
    }
}

void EventLoop::DeliverPosted() {
    // Messages posted while delivering wait for the next iteration, so a
    // flood of posts cannot starve sockets and timers.
    size_t count = posted_.size();
    for (size_t i = 0; i < count && !posted_.empty(); ++i) {
        Posted item = std::move(posted_.front());
        posted_.pop_front();
        if (MessageTarget* target = Find(item.handle)) target->OnMessage(item.message);
    }
}

void EventLoop::RunThreadTasks() {
    std::vector<Task> tasks;
    {
        std::lock_guard<std::mutex> lock(threadMutex_);
        if (!threadTasksWaiting_) return;
        tasks.swap(threadTasks_);
        threadTasksWaiting_ = false;
    }
    for (Task& task : tasks) task();
}

}  // namespace parlevox
