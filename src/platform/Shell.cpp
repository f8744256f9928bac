#include "platform/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace parlevox {
namespace {

Shell::Opener& CurrentOpener() {
    static Shell::Opener opener;
    return opener;
}

void ReapInBackground(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

bool Shell::Open(const std::string& target) {
    if (target.empty() || target.front() == '-') return false;
    const Opener& opener = CurrentOpener();
    return opener ? opener(target) : SpawnXdgOpen(target);
}

void Shell::SetOpener(Opener opener) {
    CurrentOpener() = std::move(opener);
}

bool Shell::SpawnXdgOpen(const std::string& target) {
    std::string program = "xdg-open";
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    ReapInBackground(child);
    return true;
}

}  // namespace parlevox
