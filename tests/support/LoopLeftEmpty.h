#pragma once
// Declared in a fixture right after its loop: everything declared later, and
// everything the test body made, is gone by the time this checks that no fd
// watcher, timer or window was left on the loop.
#include <gtest/gtest.h>

#include "platform/EventLoop.h"

namespace parlevox::test {

class LoopLeftEmpty {
public:
    explicit LoopLeftEmpty(EventLoop& loop) : loop_(loop) {}
    LoopLeftEmpty(const LoopLeftEmpty&) = delete;
    LoopLeftEmpty& operator=(const LoopLeftEmpty&) = delete;
    ~LoopLeftEmpty() {
        // Deferred deletions that are already due are part of tearing down.
        for (int i = 0; i < 3; ++i) loop_.RunOnce(0);
        EXPECT_EQ(loop_.WatcherCount(), 0u) << "fd watchers left on the loop";
        EXPECT_EQ(loop_.PendingTimerCount(), 0u) << "timers left on the loop";
        EXPECT_EQ(loop_.TargetCount(), 0u) << "windows left on the loop";
    }

private:
    EventLoop& loop_;
};

}  // namespace parlevox::test
