#include "platform/Shell.h"

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <thread>
#include <utility>

#include "platform/EventLoop.h"

extern char** environ;

namespace parlevox {
namespace {

constexpr uint32_t kPollMs = 100;  // only without pidfd support

Shell::Opener& CurrentOpener() {
    static Shell::Opener opener;
    return opener;
}

EventLoop*& CurrentLoop() {
    static EventLoop* loop = nullptr;
    return loop;
}

void ReapInBackground(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

// One running xdg-open. Whoever drops the last reference before the child
// was reaped (the loop going away, say) leaves it to a background reaper,
// so no zombie is ever left.
class ChildWatch {
public:
    ChildWatch(EventLoop& loop, pid_t pid, Shell::Failed failed)
        : loop_(loop), pid_(pid), failed_(std::move(failed)) {}
    ~ChildWatch() {
        if (pidfd_ >= 0) close(pidfd_);
        if (pid_ > 0) ReapInBackground(pid_);
    }
    ChildWatch(const ChildWatch&) = delete;
    ChildWatch& operator=(const ChildWatch&) = delete;

    static void Start(EventLoop& loop, pid_t pid, Shell::Failed failed) {
        auto watch = std::make_shared<ChildWatch>(loop, pid, std::move(failed));
        watch->pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (watch->pidfd_ >= 0) {
            // The pidfd turns readable when the child exits.
            watch->watchId_ = loop.WatchFd(watch->pidfd_, true, false, [watch](FdReadiness) {
                std::shared_ptr<ChildWatch> keep = watch;  // outlives the unwatch inside Poll
                keep->Poll();
            });
        } else {
            PollLater(watch);
        }
    }

private:
    static void PollLater(const std::shared_ptr<ChildWatch>& watch) {
        watch->loop_.SingleShot(kPollMs, [watch] {
            if (!watch->Poll()) PollLater(watch);
        });
    }

    // True once the child has been reaped.
    bool Poll() {
        int status = 0;
        pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == 0 || (done < 0 && errno == EINTR)) return false;
        pid_ = 0;
        if (watchId_) loop_.UnwatchFd(std::exchange(watchId_, 0));
        const bool worked = done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!worked && failed_) std::exchange(failed_, nullptr)();
        return true;
    }

    EventLoop& loop_;
    pid_t pid_;
    Shell::Failed failed_;
    int pidfd_ = -1;
    int watchId_ = 0;
};

}  // namespace

bool Shell::Open(const std::string& target, Failed failed) {
    if (target.empty() || target.front() == '-') return false;
    const Opener& opener = CurrentOpener();
    return opener ? opener(target) : SpawnXdgOpen(target, std::move(failed));
}

void Shell::SetOpener(Opener opener) {
    CurrentOpener() = std::move(opener);
}

void Shell::SetLoop(EventLoop* loop) {
    CurrentLoop() = loop;
}

bool Shell::Start(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (program.empty() || posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    if (EventLoop* loop = CurrentLoop())
        ChildWatch::Start(*loop, child, {});
    else
        ReapInBackground(child);
    return true;
}

bool Shell::SpawnXdgOpen(const std::string& target, Failed failed) {
    std::string program = "xdg-open";
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    if (EventLoop* loop = CurrentLoop())
        ChildWatch::Start(*loop, child, std::move(failed));
    else
        ReapInBackground(child);
    return true;
}

}  // namespace parlevox
