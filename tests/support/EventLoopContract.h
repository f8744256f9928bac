#pragma once
// The rules of one loop iteration, as docs/ARCHITECTURE.md states them: one
// suite that every EventLoop must pass (instantiated per loop type).
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/MessageTarget.h"
#include "platform/EventLoop.h"
#include "support/LoopLeftEmpty.h"

namespace parlevox::test {

inline constexpr uint64_t kLoopWatchdogMs = 2000;

// Records what reaches it as "name:id" or "name:timer<id>".
class LoopRecorder final : public MessageTarget {
public:
    LoopRecorder(EventLoop& loop, std::vector<std::string>& log, std::string name)
        : MessageTarget(loop), log_(log), name_(std::move(name)) {}
    intptr_t OnMessage(WindowMessage& m) override {
        log_.push_back(name_ + ":" + std::to_string(m.id) + (m.text.empty() ? "" : "=" + m.text));
        if (onMessage) onMessage(m);
        return static_cast<intptr_t>(m.id) * 2;
    }
    void OnTimer(uint32_t id) override {
        log_.push_back(name_ + ":timer" + std::to_string(id));
        if (onTimer) onTimer(id);
    }
    std::function<void(WindowMessage&)> onMessage;
    std::function<void(uint32_t)> onTimer;

private:
    std::vector<std::string>& log_;
    std::string name_;
};

template <typename Loop>
class EventLoopContract : public testing::Test {
protected:
    Loop loop;
    test::LoopLeftEmpty loopCheck{loop};
};
TYPED_TEST_SUITE_P(EventLoopContract);

TYPED_TEST_P(EventLoopContract, PostedMessagesArriveInOrderAndDeadTargetsAreSkipped) {
    std::vector<std::string> log;
    LoopRecorder a(this->loop, log, "a");
    auto b = std::make_unique<LoopRecorder>(this->loop, log, "b");
    WindowHandle bHandle = b->Handle();
    EXPECT_TRUE(this->loop.PostMessage(a.Handle(), WindowMessage(1)));
    EXPECT_TRUE(this->loop.PostMessage(bHandle, WindowMessage(2)));
    EXPECT_TRUE(this->loop.PostMessage(a.Handle(), WindowMessage(3, std::string("line"))));
    b.reset();  // its queued message must be dropped, not delivered to freed memory
    EXPECT_FALSE(this->loop.PostMessage(bHandle, WindowMessage(4)));
    EXPECT_FALSE(this->loop.IsWindow(bHandle));
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:3=line"}));
}

TYPED_TEST_P(EventLoopContract, SendDeliversAtOnceAndAnswers) {
    std::vector<std::string> log;
    LoopRecorder a(this->loop, log, "a");
    EXPECT_EQ(this->loop.SendMessage(a.Handle(), WindowMessage(21)), 42);
    EXPECT_EQ(this->loop.SendMessage(a.Handle() + 1000, WindowMessage(21)), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:21"}));
}

TYPED_TEST_P(EventLoopContract, HandlesAreNeverReused) {
    std::vector<std::string> log;
    WindowHandle first;
    {
        LoopRecorder a(this->loop, log, "a");
        first = a.Handle();
    }
    LoopRecorder b(this->loop, log, "b");
    EXPECT_NE(b.Handle(), first);
    EXPECT_FALSE(this->loop.IsWindow(first));
}

TYPED_TEST_P(EventLoopContract, MessagesPostedDuringDeliveryWaitForTheNextIteration) {
    std::vector<std::string> log;
    LoopRecorder a(this->loop, log, "a");
    a.onMessage = [&, this](WindowMessage& m) {
        if (m.id < 3) this->loop.PostMessage(a.Handle(), WindowMessage(m.id + 1));
    };
    this->loop.PostMessage(a.Handle(), WindowMessage(1));
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1"}));
    this->loop.RunOnce(0);
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:2", "a:3"}));
}

TYPED_TEST_P(EventLoopContract, TimersDueTogetherFireInStartOrder) {
    std::vector<std::string> log;
    LoopRecorder a(this->loop, log, "a");
    LoopRecorder b(this->loop, log, "b");
    b.SetTimer(7, 0);
    a.SetTimer(5, 0);
    b.SetTimer(6, 0);
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"b:timer7", "a:timer5", "b:timer6"}));
}

TYPED_TEST_P(EventLoopContract, WindowTimersRepeatUntilKilledOrTheTargetGoes) {
    std::vector<std::string> log;
    auto a = std::make_unique<LoopRecorder>(this->loop, log, "a");
    int fired = 0;
    a->onTimer = [&, this](uint32_t) { ++fired; };
    a->SetTimer(1, 1);
    ASSERT_TRUE(this->loop.RunUntil([&] { return fired >= 3; }, kLoopWatchdogMs));
    a->KillTimer(1);
    EXPECT_EQ(this->loop.PendingTimerCount(), 0u);
    a->SetTimer(2, 1);
    a.reset();
    EXPECT_EQ(this->loop.PendingTimerCount(), 0u);
}

TYPED_TEST_P(EventLoopContract, SettingATimerAgainRestartsIt) {
    std::vector<std::string> log;
    LoopRecorder a(this->loop, log, "a");
    a.SetTimer(1, 60'000);
    a.SetTimer(1, 0);
    EXPECT_EQ(this->loop.PendingTimerCount(), 1u);
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:timer1"}));
    a.KillTimer(1);
}

TYPED_TEST_P(EventLoopContract, ATimerStartedByATimerWaitsForTheNextIteration) {
    int runs = 0;
    std::function<void()> again = [&] {
        if (++runs < 2) this->loop.SingleShot(0, again);
    };
    this->loop.SingleShot(0, again);
    this->loop.RunOnce(0);
    EXPECT_EQ(runs, 1);
    this->loop.RunOnce(0);
    EXPECT_EQ(runs, 2);
}

TYPED_TEST_P(EventLoopContract, DeleteLaterDestroysOutsideTheCallerAfterTheDelay) {
    auto alive = std::make_shared<bool>(true);
    struct Flag {
        std::shared_ptr<bool> alive;
        ~Flag() {
            if (alive) *alive = false;
        }
    };
    auto flag = std::make_unique<Flag>();
    flag->alive = alive;
    this->loop.DeleteLater(std::move(flag), 10);
    EXPECT_TRUE(*alive);
    this->loop.RunOnce(0);
    EXPECT_TRUE(*alive);  // 10 ms have not passed yet
    ASSERT_TRUE(this->loop.RunUntil([&] { return !*alive; }, kLoopWatchdogMs));
}

TYPED_TEST_P(EventLoopContract, TasksFromOtherThreadsRunOnTheLoopThread) {
    std::thread::id ranOn;
    bool done = false;
    std::thread worker([&] {
        this->loop.PostFromThread([&] {
            ranOn = std::this_thread::get_id();
            done = true;
        });
    });
    ASSERT_TRUE(this->loop.RunUntil([&] { return done; }, kLoopWatchdogMs));
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TYPED_TEST_P(EventLoopContract, AMailboxOutlivingItsLoopDropsTheTask) {
    std::shared_ptr<LoopMailbox> mailbox;
    {
        TypeParam gone;
        mailbox = gone.Mailbox();
        EXPECT_TRUE(mailbox->Deliver([] {}));
    }
    EXPECT_FALSE(mailbox->Deliver([] { ADD_FAILURE() << "ran after the loop was gone"; }));
}

TYPED_TEST_P(EventLoopContract, WatchersFireInRegistrationOrderAndRemovalTakesEffectAtOnce) {
    int first[2], second[2];
    ASSERT_EQ(pipe(first), 0);
    ASSERT_EQ(pipe(second), 0);
    std::vector<std::string> log;
    int secondWatch = 0;
    int firstWatch = this->loop.WatchFd(first[0], true, false, [&, this](FdReadiness r) {
        log.push_back(r.readable ? "first" : "first?");
        this->loop.UnwatchFd(secondWatch);  // the second must not run in this iteration
    });
    secondWatch = this->loop.WatchFd(second[0], true, false, [&, this](FdReadiness) { log.push_back("second"); });
    ASSERT_EQ(write(first[1], "x", 1), 1);
    ASSERT_EQ(write(second[1], "x", 1), 1);
    this->loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    this->loop.UnwatchFd(firstWatch);
    EXPECT_EQ(this->loop.WatcherCount(), 0u);
    for (int fd : {first[0], first[1], second[0], second[1]}) close(fd);
}

REGISTER_TYPED_TEST_SUITE_P(EventLoopContract,
                            PostedMessagesArriveInOrderAndDeadTargetsAreSkipped,
                            SendDeliversAtOnceAndAnswers,
                            HandlesAreNeverReused,
                            MessagesPostedDuringDeliveryWaitForTheNextIteration,
                            TimersDueTogetherFireInStartOrder,
                            WindowTimersRepeatUntilKilledOrTheTargetGoes,
                            SettingATimerAgainRestartsIt,
                            ATimerStartedByATimerWaitsForTheNextIteration,
                            DeleteLaterDestroysOutsideTheCallerAfterTheDelay,
                            TasksFromOtherThreadsRunOnTheLoopThread,
                            AMailboxOutlivingItsLoopDropsTheTask,
                            WatchersFireInRegistrationOrderAndRemovalTakesEffectAtOnce);

}  // namespace parlevox::test
