#include "display/ImportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace parlevox {

// Non-blocking, so that a named pipe cannot hang the client; only regular
// files are kept.
ImportFile::ImportFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    struct stat info {};
    if (fd_ >= 0 && (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(fd_);
        fd_ = -1;
    }
}

ImportFile::~ImportFile() {
    if (fd_ >= 0) close(fd_);
}

std::optional<uint64_t> ImportFile::Size() const {
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0 || info.st_size < 0) return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

std::optional<std::string> ImportFile::ReadAt(uint64_t offset, size_t count) const {
    if (fd_ < 0 || offset > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    std::string bytes(count, '\0');
    size_t done = 0;
    while (done < count) {
        ssize_t got = pread(fd_, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace parlevox
