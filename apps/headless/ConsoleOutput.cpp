#include "ConsoleOutput.h"

#include <unistd.h>

#include <cerrno>


namespace parlevox {
namespace {

constexpr size_t kFlushThreshold = 64 * 1024;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string StripControlCodes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\x03') {
            while (i + 1 < text.size() && IsDigit(text[i + 1])) ++i;
            if (i + 2 < text.size() && text[i + 1] == ',' && IsDigit(text[i + 2])) {
                ++i;
                while (i + 1 < text.size() && IsDigit(text[i + 1])) ++i;
            }
            continue;
        }
        if (static_cast<unsigned char>(c) < 32) continue;
        out += c;
    }
    return out;
}

void ConsoleOutput::WriteLine(std::string_view window, std::string_view text) {
    buffer_.append(window);
    buffer_ += '\t';
    if (raw_) {
        // Even raw, a line break inside the text would forge a second line.
        for (char c : text) buffer_ += (c == '\n' || c == '\r') ? ' ' : c;
    } else {
        buffer_ += StripControlCodes(text);
    }
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
