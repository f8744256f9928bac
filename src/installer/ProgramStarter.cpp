#include "installer/ProgramStarter.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace parlevox {
namespace {

// In the grandchild: on any failure the errno goes down the pipe, whose
// write end closes by itself when exec succeeds.
[[noreturn]] void ExecInFolder(const std::string& program, const std::string& folder, int reportFd) {
    int error = 0;
    if (setsid() < 0 || chdir(folder.c_str()) != 0) {
        error = errno;
    } else {
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        execv(program.c_str(), argv);
        error = errno;
    }
    ssize_t ignored = write(reportFd, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

}  // namespace

bool ProgramStarter::StartDetached(const std::string& program, const std::string& folder) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // The middle process exits at once, so the program is nobody's
        // child to reap and outlives the installer.
        close(report[0]);
        pid_t grandchild = fork();
        if (grandchild == 0) ExecInFolder(program, folder, report[1]);
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace parlevox
