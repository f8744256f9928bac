#include "irc/CTCPReplyBudget.h"

#include <cstddef>

namespace parlevox {

bool CTCPReplyBudget::Allow(uint64_t nowMs) {
    auto within = [nowMs](uint64_t when, uint64_t window) { return nowMs < when + window; };
    while (!granted_.empty() && !within(granted_.front(), kLongWindowMs)) granted_.pop_front();
    if (granted_.size() >= static_cast<size_t>(kLongLimit)) return false;
    int recent = 0;
    for (auto it = granted_.rbegin(); it != granted_.rend() && within(*it, kShortWindowMs); ++it) ++recent;
    if (recent >= kShortLimit) return false;
    granted_.push_back(nowMs);
    return true;
}

}  // namespace parlevox
