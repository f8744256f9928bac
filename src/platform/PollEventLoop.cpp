#include "platform/PollEventLoop.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Clock.h"

namespace parlevox {

PollEventLoop::PollEventLoop() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

PollEventLoop::~PollEventLoop() {
    DetachMailbox();
    if (wakeFd_ >= 0) close(wakeFd_);
}

void PollEventLoop::Wake() {
    uint64_t one = 1;
    ssize_t ignored = write(wakeFd_, &one, sizeof one);
    (void)ignored;
}

void PollEventLoop::RunOnce(int maxWaitMs) {
    int timeout = NextTimeoutMs();
    if (maxWaitMs >= 0 && (timeout < 0 || timeout > maxWaitMs)) timeout = maxWaitMs;
    watchers_.PollAndDispatch(timeout, wakeFd_);
    ProcessTimersAndMessages();
}

void PollEventLoop::Run() {
    quit_ = false;
    while (!quit_) RunOnce();
}

}  // namespace parlevox
