#pragma once
// A limit on automatic CTCP answers across all senders. Each sender's own
// flood is the ignore list's business; this keeps many senders on many hosts
// from making the client flood the server and get itself disconnected.
#include <cstdint>
#include <deque>

namespace parlevox {

class CTCPReplyBudget {
public:
    static constexpr int kShortLimit = 4;
    static constexpr uint64_t kShortWindowMs = 2000;
    static constexpr int kLongLimit = 20;
    static constexpr uint64_t kLongWindowMs = 60000;

    // Whether an answer may go out at nowMs (a monotonic tick); when it may,
    // it is counted.
    bool Allow(uint64_t nowMs);

private:
    std::deque<uint64_t> granted_;  // times of the answers within the long window, oldest first
};

}  // namespace parlevox
