#include "platform/TimerService.h"

#include <algorithm>
#include <limits>

#include "platform/EventLoop.h"

namespace parlevox {

CTimerService::CTimerService(EventLoop& loop) : MessageTarget(loop) {}

uint32_t CTimerService::IntervalMs(uint32_t interval, uint32_t unitKey) {
    if (unitKey == kMilliseconds) return interval;
    const uint64_t ms = uint64_t{interval} * 1000;
    return static_cast<uint32_t>(std::min<uint64_t>(ms, std::numeric_limits<uint32_t>::max()));
}

void CTimerService::AddWindowTimer(WindowHandle window, uint32_t interval, uint32_t id) {
    Loop().SetTimer(window, id, IntervalMs(interval, id));
}

void CTimerService::RemoveWindowTimers(WindowHandle window, uint32_t id) {
    Loop().KillTimer(window, id);
}

void CTimerService::AddCallbackTimer(TimerRoutine& routine, uint32_t interval, uint32_t context) {
    while (nextTimerId_ == 0 || callbacks_.contains(nextTimerId_)) ++nextTimerId_;
    const uint32_t timerId = nextTimerId_++;
    callbacks_.emplace(timerId, Callback{&routine, context});
    SetTimer(timerId, IntervalMs(interval, context));
}

void CTimerService::RemoveCallbackTimers(const TimerRoutine& routine, uint32_t context) {
    for (auto it = callbacks_.begin(); it != callbacks_.end();) {
        if (it->second.routine == &routine && it->second.context == context) {
            KillTimer(it->first);
            it = callbacks_.erase(it);
        } else {
            ++it;
        }
    }
}

// A routine may add or remove timers, its own included, while it runs.
void CTimerService::OnTimer(uint32_t timerId) {
    auto it = callbacks_.find(timerId);
    if (it == callbacks_.end()) return;
    const Callback callback = it->second;
    callback.routine->OnTimerRoutine(callback.context);
}

}  // namespace parlevox
