// The timer service with many script timers: 10,000 active timers, none due,
// and the loop polled every 100 ms. A poll must look at the earliest timer
// only, so its cost does not grow with the count; the counters give the
// nanoseconds of one poll and what ten polls a second take of one core.
// Each poll is a whole loop iteration, the zero-timeout poll(2) included.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"
#include "platform/TimerService.h"

namespace parlevox {
namespace {

constexpr double kPollsPerSecond = 10;  // 100 ms granularity

struct CountingWindow final : MessageTarget {
    using MessageTarget::MessageTarget;
    void OnTimer(uint32_t) override { ++fired; }
    uint64_t fired = 0;
};

struct CountingRoutine final : TimerRoutine {
    void OnTimerRoutine(uint32_t) override { ++fired; }
    uint64_t fired = 0;
};

void ReportPollCost(benchmark::State& state, std::chrono::steady_clock::duration spent) {
    const double nsPerPoll = std::chrono::duration<double, std::nano>(spent).count() / double(state.iterations());
    state.counters["ns_per_poll"] = nsPerPoll;
    state.counters["core_pct_at_10_polls_per_s"] = nsPerPoll * kPollsPerSecond / 1e9 * 100;
}

// Half window timers, half callback timers, due between one and two hours
// from now.
void BM_PollWithIdleTimers(benchmark::State& state) {
    PollEventLoop loop;
    CTimerService service(loop);
    CountingWindow window(loop);
    CountingRoutine routine;
    const auto count = static_cast<uint32_t>(state.range(0));
    for (uint32_t i = 0; i < count; ++i) {
        if (i % 2) service.AddWindowTimer(window.Handle(), 3600 + i % 3600, i + 1);
        else service.AddCallbackTimer(routine, 3600 + i % 3600, i);
    }
    const auto begin = std::chrono::steady_clock::now();
    for (auto _ : state) loop.RunOnce(0);
    ReportPollCost(state, std::chrono::steady_clock::now() - begin);
    if (window.fired + routine.fired != 0) state.SkipWithError("a timer fired");
    for (uint32_t i = 0; i < count; ++i) {
        if (i % 2) service.RemoveWindowTimers(window.Handle(), i + 1);
    }
    for (uint32_t i = 0; i < count; i += 2) service.RemoveCallbackTimers(routine, i);
}
BENCHMARK(BM_PollWithIdleTimers)->Arg(0)->Arg(10'000);

// The same 10,000 timers on a clock that moves 1 ms per poll, so that every
// poll fires and reschedules exactly one of them (10 s intervals, staggered).
void BM_PollFiringOneOfManyTimers(benchmark::State& state) {
    uint64_t now = 1'000'000;
    PollEventLoop loop;
    loop.SetTickSource([&now] { return now; });
    CTimerService service(loop);
    CountingWindow window(loop);
    constexpr uint32_t kCount = 10'000;
    for (uint32_t i = 0; i < kCount; ++i) {
        service.AddWindowTimer(window.Handle(), 10, i + 1);
        ++now;
    }
    const auto begin = std::chrono::steady_clock::now();
    for (auto _ : state) {
        ++now;
        loop.RunOnce(0);
    }
    ReportPollCost(state, std::chrono::steady_clock::now() - begin);
    state.counters["fired_per_poll"] = double(window.fired) / double(state.iterations());
}
BENCHMARK(BM_PollFiringOneOfManyTimers);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
