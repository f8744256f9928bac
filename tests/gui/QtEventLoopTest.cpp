// The Qt loop keeps the same rules as the poll loop, and under Run (Qt's own
// event handling) its socket notifiers and posted work drive the iterations.
#include <unistd.h>

#include <thread>

#include "support/EventLoopContract.h"
#include "ui/qt/QtEventLoop.h"

namespace parlevox::test {

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, EventLoopContract, QtEventLoop);

TEST(QtEventLoopTest, UnderRunAReadyDescriptorAndAPostedMessageEachGetAnIteration) {
    QtEventLoop loop;
    std::vector<std::string> log;
    LoopRecorder target(loop, log, "t");
    target.onMessage = [&](WindowMessage&) { loop.Quit(); };
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    int watch = loop.WatchFd(fds[0], true, false, [&](FdReadiness ready) {
        char c;
        if (ready.readable && read(fds[0], &c, 1) == 1) loop.PostMessage(target.Handle(), WindowMessage(9));
    });
    bool timedOut = false;
    loop.SingleShot(kLoopWatchdogMs, [&] {
        timedOut = true;
        loop.Quit();
    });
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_EQ(write(fds[1], "x", 1), 1);
    });
    loop.Run();
    writer.join();
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(log, (std::vector<std::string>{"t:9"}));
    loop.UnwatchFd(watch);
    close(fds[0]);
    close(fds[1]);
}

}  // namespace parlevox::test
