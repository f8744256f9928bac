#pragma once
// What every node evaluation checks: the Pause key (which aborts the
// running function) and the time since the outermost script call began
// (after 5 seconds the long-running hint shows, once per run). Asking the
// display server for the key on every node would cost more than the node,
// so the key and the clock are looked at every kNodesPerPoll evaluations,
// and the key no more often than every kPausePollMs: a looping script still
// stops well within a tenth of a second of the key being held.
#include <cstdint>
#include <functional>

namespace parlevox {

class ScriptWatchdog {
public:
    static constexpr uint32_t kNodesPerPoll = 1024;
    static constexpr uint64_t kPausePollMs = 5;
    static constexpr uint64_t kHintAfterMs = 5000;
    static constexpr uint64_t kHintDeferMs = 3'600'000;

    struct Sources {
        std::function<uint64_t()> now;       // milliseconds
        std::function<bool()> pauseDown;     // the Pause key
        std::function<void()> showLongRunningHint;
    };

    explicit ScriptWatchdog(Sources sources);
    // The system's clock, Pause key and a hint that shows nothing.
    ScriptWatchdog();

    // The outermost script call of a run begins.
    void RunStarts();
    // Before each node; throws CScriptError "User aborted script with
    // Pause key." when the key is held.
    void Node() {
        if (++nodes_ >= kNodesPerPoll) Poll();
    }
    // Checks at once (a node that waits, such as a call out).
    void Poll();

private:
    Sources sources_;
    uint32_t nodes_ = 0;
    uint64_t runStart_ = 0;
    uint64_t lastPause_ = 0;
};

}  // namespace parlevox
