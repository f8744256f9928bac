#include "irc/ProblemLineLimiter.h"

namespace parlevox {

bool ProblemLineLimiter::Allow(uint64_t nowMs, int& heldBack) {
    if (!started_ || nowMs - windowStart_ >= kWindowMs) {
        started_ = true;
        windowStart_ = nowMs;
        shown_ = 0;
    }
    if (shown_ >= kPerWindow) {
        ++heldBack_;
        return false;
    }
    ++shown_;
    heldBack = heldBack_;
    heldBack_ = 0;
    return true;
}

}  // namespace parlevox
