#include "ConsoleOutput.h"

#include <unistd.h>

#include <cerrno>

namespace parlevox {
namespace {

constexpr size_t kFlushThreshold = 64 * 1024;

}  // namespace

void ConsoleOutput::WriteLine(std::string_view window, std::string_view text) {
    // Window names come from the network too (a nick, a channel).
    buffer_ += CleanField(window);
    buffer_ += '\t';
    buffer_ += raw_ ? CleanKeepingFormatting(text) : StripControlCodes(text);
    buffer_ += '\n';
    if (buffer_.size() >= kFlushThreshold) {
        Flush();
    } else if (!flushScheduled_) {
        flushScheduled_ = true;
        SetTimer(kFlushTimer, 0);
    }
}

void ConsoleOutput::OnTimer(uint32_t) {
    Flush();
}

void ConsoleOutput::Flush() {
    if (flushScheduled_) KillTimer(kFlushTimer);
    flushScheduled_ = false;
    size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t written = write(STDOUT_FILENO, buffer_.data() + done, buffer_.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) break;  // stdout gone: nothing more to do with the text
        done += static_cast<size_t>(written);
    }
    buffer_.clear();
}

}  // namespace parlevox
