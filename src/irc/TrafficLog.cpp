#include "irc/TrafficLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/Clock.h"

namespace parlevox {

TrafficLog::~TrafficLog() {
    if (file_) std::fclose(file_);
}

bool TrafficLog::Open(const std::string& folder) {
    std::string name = "Log," + Clock::FormatLocal("%a %d %H-%M", Clock::Now()) + ".txt";
    path_ = folder + name;
    int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    file_ = fdopen(fd, "wb");
    if (!file_) close(fd);
    return file_ != nullptr;
}

void TrafficLog::Write(std::string_view bytes) {
    if (!file_) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

void TrafficLog::LogReceived(std::string_view line) {
    Write(line);
    Write("\r\n");
    std::fflush(file_);
}

void TrafficLog::LogSent(std::string_view line) {
    Write("#>");
    Write(line);
    std::fflush(file_);
}

}  // namespace parlevox
