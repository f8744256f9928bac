// The rules of one loop iteration, as docs/ARCHITECTURE.md states them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"

namespace parlevox {
namespace {

constexpr uint64_t kWatchdogMs = 2000;

// Records what reaches it as "name:id" or "name:timer<id>".
class Recorder final : public MessageTarget {
public:
    Recorder(EventLoop& loop, std::vector<std::string>& log, std::string name)
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

class EventLoopTest : public testing::Test {
protected:
    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
};

TEST_F(EventLoopTest, PostedMessagesArriveInOrderAndDeadTargetsAreSkipped) {
    std::vector<std::string> log;
    Recorder a(loop, log, "a");
    auto b = std::make_unique<Recorder>(loop, log, "b");
    WindowHandle bHandle = b->Handle();
    EXPECT_TRUE(loop.PostMessage(a.Handle(), WindowMessage(1)));
    EXPECT_TRUE(loop.PostMessage(bHandle, WindowMessage(2)));
    EXPECT_TRUE(loop.PostMessage(a.Handle(), WindowMessage(3, std::string("line"))));
    b.reset();  // its queued message must be dropped, not delivered to freed memory
    EXPECT_FALSE(loop.PostMessage(bHandle, WindowMessage(4)));
    EXPECT_FALSE(loop.IsWindow(bHandle));
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:3=line"}));
}

TEST_F(EventLoopTest, SendDeliversAtOnceAndAnswers) {
    std::vector<std::string> log;
    Recorder a(loop, log, "a");
    EXPECT_EQ(loop.SendMessage(a.Handle(), WindowMessage(21)), 42);
    EXPECT_EQ(loop.SendMessage(a.Handle() + 1000, WindowMessage(21)), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:21"}));
}

TEST_F(EventLoopTest, HandlesAreNeverReused) {
    std::vector<std::string> log;
    WindowHandle first;
    {
        Recorder a(loop, log, "a");
        first = a.Handle();
    }
    Recorder b(loop, log, "b");
    EXPECT_NE(b.Handle(), first);
    EXPECT_FALSE(loop.IsWindow(first));
}

TEST_F(EventLoopTest, MessagesPostedDuringDeliveryWaitForTheNextIteration) {
    std::vector<std::string> log;
    Recorder a(loop, log, "a");
    a.onMessage = [&](WindowMessage& m) {
        if (m.id < 3) loop.PostMessage(a.Handle(), WindowMessage(m.id + 1));
    };
    loop.PostMessage(a.Handle(), WindowMessage(1));
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1"}));
    loop.RunOnce(0);
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:2", "a:3"}));
}

TEST_F(EventLoopTest, TimersDueTogetherFireInStartOrder) {
    std::vector<std::string> log;
    Recorder a(loop, log, "a");
    Recorder b(loop, log, "b");
    b.SetTimer(7, 0);
    a.SetTimer(5, 0);
    b.SetTimer(6, 0);
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"b:timer7", "a:timer5", "b:timer6"}));
}

TEST_F(EventLoopTest, WindowTimersRepeatUntilKilledOrTheTargetGoes) {
    std::vector<std::string> log;
    auto a = std::make_unique<Recorder>(loop, log, "a");
    int fired = 0;
    a->onTimer = [&](uint32_t) { ++fired; };
    a->SetTimer(1, 1);
    ASSERT_TRUE(loop.RunUntil([&] { return fired >= 3; }, kWatchdogMs));
    a->KillTimer(1);
    EXPECT_EQ(loop.PendingTimerCount(), 0u);
    a->SetTimer(2, 1);
    a.reset();
    EXPECT_EQ(loop.PendingTimerCount(), 0u);
}

TEST_F(EventLoopTest, SettingATimerAgainRestartsIt) {
    std::vector<std::string> log;
    Recorder a(loop, log, "a");
    a.SetTimer(1, 60'000);
    a.SetTimer(1, 0);
    EXPECT_EQ(loop.PendingTimerCount(), 1u);
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:timer1"}));
    a.KillTimer(1);
}

TEST_F(EventLoopTest, ATimerStartedByATimerWaitsForTheNextIteration) {
    int runs = 0;
    std::function<void()> again = [&] {
        if (++runs < 2) loop.SingleShot(0, again);
    };
    loop.SingleShot(0, again);
    loop.RunOnce(0);
    EXPECT_EQ(runs, 1);
    loop.RunOnce(0);
    EXPECT_EQ(runs, 2);
}

TEST_F(EventLoopTest, DeleteLaterDestroysOutsideTheCallerAfterTheDelay) {
    auto alive = std::make_shared<bool>(true);
    struct Flag {
        std::shared_ptr<bool> alive;
        ~Flag() {
            if (alive) *alive = false;
        }
    };
    auto flag = std::make_unique<Flag>();
    flag->alive = alive;
    loop.DeleteLater(std::move(flag), 10);
    EXPECT_TRUE(*alive);
    loop.RunOnce(0);
    EXPECT_TRUE(*alive);  // 10 ms have not passed yet
    ASSERT_TRUE(loop.RunUntil([&] { return !*alive; }, kWatchdogMs));
}

TEST_F(EventLoopTest, TasksFromOtherThreadsRunOnTheLoopThread) {
    std::thread::id ranOn;
    bool done = false;
    std::thread worker([&] {
        loop.PostFromThread([&] {
            ranOn = std::this_thread::get_id();
            done = true;
        });
    });
    ASSERT_TRUE(loop.RunUntil([&] { return done; }, kWatchdogMs));
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(EventLoopTest, AMailboxOutlivingItsLoopDropsTheTask) {
    std::shared_ptr<LoopMailbox> mailbox;
    {
        PollEventLoop gone;
        mailbox = gone.Mailbox();
        EXPECT_TRUE(mailbox->Deliver([] {}));
    }
    EXPECT_FALSE(mailbox->Deliver([] { ADD_FAILURE() << "ran after the loop was gone"; }));
}

TEST_F(EventLoopTest, WatchersFireInRegistrationOrderAndRemovalTakesEffectAtOnce) {
    int first[2], second[2];
    ASSERT_EQ(pipe(first), 0);
    ASSERT_EQ(pipe(second), 0);
    std::vector<std::string> log;
    int secondWatch = 0;
    int firstWatch = loop.WatchFd(first[0], true, false, [&](FdReadiness r) {
        log.push_back(r.readable ? "first" : "first?");
        loop.UnwatchFd(secondWatch);  // the second must not run in this iteration
    });
    secondWatch = loop.WatchFd(second[0], true, false, [&](FdReadiness) { log.push_back("second"); });
    ASSERT_EQ(write(first[1], "x", 1), 1);
    ASSERT_EQ(write(second[1], "x", 1), 1);
    loop.RunOnce(0);
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    loop.UnwatchFd(firstWatch);
    EXPECT_EQ(loop.WatcherCount(), 0u);
    for (int fd : {first[0], first[1], second[0], second[1]}) close(fd);
}

}  // namespace
}  // namespace parlevox
