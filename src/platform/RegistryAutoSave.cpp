#include "platform/RegistryAutoSave.h"

#include <algorithm>

#include "platform/Clock.h"

namespace parlevox {

RegistryAutoSave::RegistryAutoSave(EventLoop& loop, Registry& registry, AutoSaveTiming timing)
    : MessageTarget(loop), registry_(registry), timing_(timing) {
    registry_.SetChangeListener([this] { OnChange(); });
    // Changes made before the saver existed are saved like new ones.
    if (registry_.Modified()) OnChange();
}

RegistryAutoSave::~RegistryAutoSave() {
    registry_.SetChangeListener({});
    registry_.SaveIfModified();
}

bool RegistryAutoSave::SaveNow() {
    if (armed_) KillTimer(kTimerId);
    armed_ = false;
    if (registry_.SaveIfModified()) return true;
    ++failedSaves_;
    Arm(Clock::TickCount() + timing_.retryMs);
    return false;
}

void RegistryAutoSave::OnChange() {
    const uint64_t now = Clock::TickCount();
    if (!armed_) firstChangeMs_ = now;
    // The timer is not restarted for every write: it checks the due time
    // when it fires and waits again if a later change moved it.
    uint64_t due = std::min(now + timing_.quietMs, firstChangeMs_ + timing_.longestMs);
    if (!armed_) Arm(due);
    dueMs_ = std::max(dueMs_, due);
}

void RegistryAutoSave::Arm(uint64_t dueMs) {
    const uint64_t now = Clock::TickCount();
    dueMs_ = dueMs;
    armed_ = true;
    SetTimer(kTimerId, static_cast<uint32_t>(dueMs > now ? dueMs - now : 1));
}

void RegistryAutoSave::OnTimer(uint32_t timerId) {
    if (timerId != kTimerId) return;
    const uint64_t now = Clock::TickCount();
    if (now < dueMs_) {
        SetTimer(kTimerId, static_cast<uint32_t>(dueMs_ - now));
        return;
    }
    SaveNow();
}

}  // namespace parlevox
