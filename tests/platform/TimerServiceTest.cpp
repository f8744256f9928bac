// The timer service on an injected clock: both kinds of timer go through
// the same cases (first firing, period, a late poll, a jump, milliseconds),
// then removal.
#include "platform/TimerService.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"

namespace parlevox {
namespace {

// What fired, and when (milliseconds after the timer was started).
using Firing = std::pair<uint32_t, uint64_t>;

class TimerServiceTest : public ::testing::Test {
protected:
    static constexpr uint64_t kStart = 5'000'000'000;  // far from 0: no unsigned wrap hides a bug

    struct RecordingWindow final : MessageTarget {
        RecordingWindow(EventLoop& loop, TimerServiceTest& test) : MessageTarget(loop), test_(test) {}
        void OnTimer(uint32_t id) override { test_.fired.emplace_back(id, test_.now - kStart); }
        TimerServiceTest& test_;
    };
    struct RecordingRoutine final : TimerRoutine {
        RecordingRoutine(TimerServiceTest& test, uint32_t tag) : test_(test), tag_(tag) {}
        void OnTimerRoutine(uint32_t context) override {
            test_.fired.emplace_back(tag_ + context, test_.now - kStart);
            if (onCall) onCall();
        }
        TimerServiceTest& test_;
        uint32_t tag_;
        std::function<void()> onCall;
    };

    TimerServiceTest() { loop.SetTickSource([this] { return now; }); }

    void PollAt(uint64_t offset) {
        now = kStart + offset;
        loop.RunOnce(0);
    }

    uint64_t now = kStart;
    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
    CTimerService service{loop};
    RecordingWindow window{loop, *this};
    std::vector<Firing> fired;
};

TEST_F(TimerServiceTest, WindowAndCallbackTimersKeepTheirScheduleOnTheMonotonicClock) {
    struct Case {
        const char* name;
        uint32_t interval;
        uint32_t key;  // window timer id, callback context
        std::vector<uint64_t> polls;
        std::vector<uint64_t> firings;
    };
    const Case cases[] = {
        {"first firing one interval later", 5, 1, {1, 4'999, 5'000}, {5'000}},
        {"then every interval", 5, 1, {5'000, 9'999, 10'000, 15'000}, {5'000, 10'000, 15'000}},
        {"a late poll keeps the period", 5, 1, {5'300, 9'999, 10'000}, {5'300, 10'000}},
        {"a jump fires once, then one interval from then", 5, 1, {5'000, 3'600'000, 3'604'999, 3'605'000},
         {5'000, 3'600'000, 3'605'000}},
        {"key 0xFFFF counts milliseconds", 250, CTimerService::kMilliseconds, {249, 250, 499, 500}, {250, 500}},
        {"key 0xFFFE counts seconds", 250, 0xFFFE, {250, 249'999, 250'000}, {250'000}},
    };
    for (const Case& c : cases) {
        for (bool callback : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (callback ? " (callback)" : " (window)"));
            now = kStart;
            fired.clear();
            RecordingRoutine routine(*this, 0);
            if (callback) service.AddCallbackTimer(routine, c.interval, c.key);
            else service.AddWindowTimer(window.Handle(), c.interval, c.key);
            for (uint64_t poll : c.polls) PollAt(poll);
            std::vector<Firing> expected;
            for (uint64_t at : c.firings) expected.emplace_back(c.key, at);
            EXPECT_EQ(fired, expected);
            if (callback) service.RemoveCallbackTimers(routine, c.key);
            else service.RemoveWindowTimers(window.Handle(), c.key);
        }
    }
}

TEST_F(TimerServiceTest, RemovalTakesExactlyTheNamedTimers) {
    RecordingRoutine a(*this, 100), b(*this, 200);
    service.AddWindowTimer(window.Handle(), 1, 1);
    service.AddWindowTimer(window.Handle(), 1, 2);
    service.AddCallbackTimer(a, 1, 7);
    service.AddCallbackTimer(a, 1, 7);
    service.AddCallbackTimer(a, 1, 8);
    service.AddCallbackTimer(b, 1, 7);
    service.RemoveWindowTimers(window.Handle(), 1);
    service.RemoveCallbackTimers(a, 7);
    EXPECT_EQ(service.CallbackTimerCount(), 2u);
    PollAt(1'000);
    std::vector<Firing> expected{{2, 1'000}, {108, 1'000}, {207, 1'000}};
    EXPECT_EQ(fired, expected);

    // A routine that removes its own timer while it runs fires no more.
    b.onCall = [&] { service.RemoveCallbackTimers(b, 7); };
    fired.clear();
    PollAt(2'000);
    PollAt(3'000);
    expected = {{2, 2'000}, {108, 2'000}, {207, 2'000}, {2, 3'000}, {108, 3'000}};
    EXPECT_EQ(fired, expected);
    service.RemoveWindowTimers(window.Handle(), 2);
    service.RemoveCallbackTimers(a, 8);
}

}  // namespace
}  // namespace parlevox
