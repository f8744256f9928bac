#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace parlevox {
namespace {

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool WriteTemporary(const std::string& tmp, std::string_view bytes) {
    // Settings hold passwords: only the user may read them.
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = SafeFile::WriteFully(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0) ok = false;
    return ok;
}

}  // namespace

std::string SafeFile::FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool SafeFile::CreateFolders(const std::string& path) {
    if (path.empty()) return true;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
    mkdir(path.c_str(), 0700);
    return IsFolder(path);
}

bool SafeFile::WriteAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    std::string folder = FolderOf(path);
    if (!CreateFolders(folder)) return false;
    std::string tmp = path + ".tmp";
    if (!WriteTemporary(tmp, bytes) || rename(tmp.c_str(), path.c_str()) != 0) {
        unlink(tmp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::optional<std::string> SafeFile::ReadAll(const std::string& path, bool* missing) {
    if (missing) *missing = false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (missing) *missing = errno == ENOENT;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(fd);
            return std::nullopt;  // also a folder given as a file
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return bytes;
}

bool SafeFile::IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool SafeFile::WriteFully(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace parlevox
