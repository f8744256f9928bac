#pragma once
// Lines from the server that cannot be read are shown in the status window,
// but a hostile server can send thousands a second: a few are shown each
// minute, and the next one shown says how many were held back.
#include <cstdint>

namespace parlevox {

class ProblemLineLimiter {
public:
    static constexpr int kPerWindow = 5;
    static constexpr uint64_t kWindowMs = 60000;

    // Whether a line may be shown at nowMs; when it may, heldBack gets the
    // number of lines held back since the last one shown.
    bool Allow(uint64_t nowMs, int& heldBack);

private:
    bool started_ = false;
    uint64_t windowStart_ = 0;
    int shown_ = 0;
    int heldBack_ = 0;
};

}  // namespace parlevox
