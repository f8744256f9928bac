#include "display/ChannelLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "display/ChatTexts.h"
#include "display/OutputBuffer.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

// Leaves room for ".log" within the 255 bytes a file name may have.
constexpr size_t kLongestBaseName = 200;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

std::string ChannelLog::FileName(std::string_view channel) {
    const std::string_view dropped = texts::kLogNameDropped;
    std::string name;
    for (char c : channel)
        if (c != '\0' && dropped.find(c) == std::string_view::npos) name += c;
    if (name.size() > kLongestBaseName) name.resize(kLongestBaseName);
    // Nothing, ".", ".." and the like would make a hidden or odd name.
    if (name.find_first_not_of('.') == std::string::npos) name = texts::kUnnamedChannelLog;
    return name + texts::kLogExtension;
}

std::string ChannelLog::PathFor(const std::string& programFolder, std::string_view channel) {
    return programFolder + texts::kLogFolder + FileName(channel);
}

std::string ChannelLog::PlainText(std::string_view windowLine) {
    const COutputBuffer cells = ToCells(windowLine);
    std::string text;
    for (const Cell& cell : cells.Text()) {
        if (text.size() == kLongestLine) break;
        text += static_cast<char>(cell.ch);
    }
    return text;
}

bool ChannelLog::Open(const std::string& path) {
    Close();
    SafeFile::CreateFolders(SafeFile::FolderOf(path));
    // Non-blocking so that a FIFO in its place cannot hold the loop up;
    // anything but a regular file is refused below.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

bool ChannelLog::WriteLine(std::string_view windowLine) {
    if (fd_ < 0) return false;
    // Straight to the file: nothing waits in a buffer of ours.
    return WriteAll(fd_, PlainText(windowLine) + "\r\n");
}

void ChannelLog::Close() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool WriteContentsFile(const std::string& path, std::string_view text) {
    return SafeFile::WriteAtomically(path, text);
}

}  // namespace parlevox
