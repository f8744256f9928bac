#include "support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

namespace parlevox::test {
namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
    // The given entries replace inherited ones of the same name.
    std::vector<std::string> envStrings = env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('=') + 1);
        bool overridden = false;
        for (const auto& given : env) overridden |= given.rfind(name, 0) == 0;
        if (!overridden) envStrings.push_back(entry);
    }
    std::vector<char*> envp, args;
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStrings = argv;
    for (auto& a : argStrings) args.push_back(a.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    pid_t pid;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    inFd_ = in[1];
    outFd_ = out[0];
    fcntl(outFd_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (inFd_ >= 0) close(inFd_);
    if (outFd_ >= 0) close(outFd_);
}

void ChildProcess::ReadAvailable(int waitMs) {
    pollfd fd{outFd_, POLLIN, 0};
    if (poll(&fd, 1, waitMs) <= 0) return;
    char buffer[4096];
    ssize_t got;
    while ((got = read(outFd_, buffer, sizeof buffer)) > 0) output_.append(buffer, static_cast<size_t>(got));
}

bool ChildProcess::WaitForOutput(const std::string& text, int timeoutMs) {
    int64_t deadline = NowMs() + timeoutMs;
    while (output_.find(text) == std::string::npos) {
        int64_t left = deadline - NowMs();
        if (left <= 0) return false;
        ReadAvailable(static_cast<int>(std::min<int64_t>(left, 100)));
    }
    return true;
}

void ChildProcess::WriteInput(const std::string& bytes) {
    if (inFd_ >= 0) {
        ssize_t ignored = write(inFd_, bytes.data(), bytes.size());
        (void)ignored;
    }
}

void ChildProcess::CloseInput() {
    if (inFd_ >= 0) close(inFd_);
    inFd_ = -1;
}

void ChildProcess::Signal(int signalNumber) {
    if (pid_ > 0) kill(pid_, signalNumber);
}

int ChildProcess::Wait(int timeoutMs) {
    int64_t deadline = NowMs() + timeoutMs;
    while (pid_ > 0) {
        int status;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            ReadAvailable(0);
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (NowMs() >= deadline) break;
        ReadAvailable(20);
    }
    return -1;
}

}  // namespace parlevox::test
