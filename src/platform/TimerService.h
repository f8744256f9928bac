#pragma once
// The client's timer service: window timers (the window's OnTimer gets the
// id) and callback timers (a routine is called with its context). It keeps
// no schedule of its own: both kinds are window timers of the loop, which
// holds them ordered by due time on the 64-bit monotonic clock, so a poll
// looks at the earliest one only, a timer that fell far behind fires once,
// and a window's timers end with the window.
#include <cstdint>
#include <unordered_map>

#include "platform/MessageTarget.h"

namespace parlevox {

// What a callback timer calls. An owner removes its timers before it goes.
class TimerRoutine {
public:
    virtual ~TimerRoutine() = default;
    virtual void OnTimerRoutine(uint32_t context) = 0;
};

class CTimerService final : private MessageTarget {
public:
    // The id (window timers) or context (callback timers) whose interval is
    // in milliseconds; every other one counts seconds.
    static constexpr uint32_t kMilliseconds = 0xFFFF;

    explicit CTimerService(EventLoop& loop);

    // Setting the same window and id again restarts the timer.
    void AddWindowTimer(WindowHandle window, uint32_t interval, uint32_t id);
    void RemoveWindowTimers(WindowHandle window, uint32_t id);

    // The same routine and context may run several timers.
    void AddCallbackTimer(TimerRoutine& routine, uint32_t interval, uint32_t context);
    void RemoveCallbackTimers(const TimerRoutine& routine, uint32_t context);
    size_t CallbackTimerCount() const { return callbacks_.size(); }

    // The loop's interval: seconds times 1000 (at most 2^32 - 1), or the
    // interval itself for the milliseconds key.
    static uint32_t IntervalMs(uint32_t interval, uint32_t unitKey);

private:
    struct Callback {
        TimerRoutine* routine;
        uint32_t context;
    };
    void OnTimer(uint32_t timerId) override;

    std::unordered_map<uint32_t, Callback> callbacks_;  // by this window's timer id
    uint32_t nextTimerId_ = 1;
};

}  // namespace parlevox
