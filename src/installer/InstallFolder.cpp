#include "installer/InstallFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/SafeFile.h"

namespace parlevox {
namespace {

// One component of a path below the folder.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// Opens (making it first when missing) one folder below an open one,
// refusing a link in its place. Takes the parent's descriptor.
int OpenChildFolder(int parentFd, const std::string& name) {
    if (!IsPlainName(name)) {
        close(parentFd);
        return -1;
    }
    if (mkdirat(parentFd, name.c_str(), 0755) != 0 && errno != EEXIST) {
        close(parentFd);
        return -1;
    }
    int child = openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    close(parentFd);
    return child;
}

}  // namespace

std::string InstallFolder::ToFileSystemPath(std::string_view stored) {
    std::string path(stored);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

InstallFolder::Creation InstallFolder::Create(const std::string& folder) {
    if (folder.empty()) return Creation::Invalid;
    if (mkdir(folder.c_str(), 0755) == 0) return Creation::Created;
    return errno == EEXIST && SafeFile::IsFolder(folder) ? Creation::Existed : Creation::Invalid;
}

bool InstallFolder::CreateTree(const std::string& folder) {
    for (const char* subfolder : kSubfolders) {
        const std::string path = folder + "/" + ToFileSystemPath(subfolder);
        if (mkdir(path.c_str(), 0755) != 0 && !(errno == EEXIST && SafeFile::IsFolder(path))) return false;
    }
    return true;
}

mode_t InstallFolder::ModeFor(std::string_view bytes) {
    const bool program = bytes.starts_with("\x7f" "ELF") || bytes.starts_with("#!");
    return program ? 0755 : 0644;
}

bool InstallFolder::WriteFile(const std::string& folder, std::string_view subfolder, std::string_view name,
                              std::string_view bytes, std::optional<mode_t> mode) {
    if (!IsPlainName(name)) return false;
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (size_t start = 0; fd >= 0 && start < subfolder.size();) {
        size_t end = subfolder.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = subfolder.size();
        if (end > start) fd = OpenChildFolder(fd, std::string(subfolder.substr(start, end - start)));
        start = end + 1;
    }
    if (fd < 0) return false;
    if (!mode) mode = ModeFor(bytes);
    int file = openat(fd, std::string(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, *mode);
    close(fd);
    if (file < 0) return false;
    // An existing file keeps its mode through O_TRUNC.
    bool ok = fchmod(file, *mode) == 0 && SafeFile::WriteFully(file, bytes);
    if (close(file) != 0) ok = false;
    return ok;
}

}  // namespace parlevox
