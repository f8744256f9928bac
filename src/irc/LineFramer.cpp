#include "irc/LineFramer.h"

#include <cstring>

#include "common/InternalErrorReport.h"

namespace parlevox {
namespace {

class CommitGuard {
public:
    explicit CommitGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~CommitGuard() { flag_ = false; }
    CommitGuard(const CommitGuard&) = delete;
    CommitGuard& operator=(const CommitGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace

void LineFramer::Commit(size_t bytesRead, Sink& sink) {
    if (committing_ || bytesRead > FreeSize()) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    CommitGuard guard(committing_);
    char* data = buffer_.data();
    // Everything held before this read was scanned already and has no "\n".
    size_t scan = held_;
    held_ += bytesRead;
    size_t lineStart = 0;
    if (discarding_) {
        lineStart = SkipOverlongLine(scan);
        scan = lineStart;
    }
    while (!discarding_) {
        auto* newline = static_cast<char*>(std::memchr(data + scan, '\n', held_ - scan));
        if (newline == nullptr) break;
        char* end = newline;
        if (end > data + lineStart && end[-1] == '\r') --end;
        EmitLine(data + lineStart, end, sink);
        if (resetDuringCommit_) break;
        lineStart = scan = static_cast<size_t>(newline - data) + 1;
    }
    if (resetDuringCommit_) {
        resetDuringCommit_ = false;
        return;
    }
    if (discarding_) {
        held_ = 0;
        return;
    }
    held_ -= lineStart;
    if (held_ > 0 && lineStart > 0) std::memmove(data, data + lineStart, held_);
    if (held_ == kCapacity) {  // one line fills the buffer and has not ended
        held_ = 0;
        discarding_ = true;
        sink.OnOverlongLine();
    }
}

void LineFramer::Reset() {
    held_ = 0;
    discarding_ = false;
    resetDuringCommit_ = committing_;
}

// Drops the rest of an overlong line; returns where the next line starts.
size_t LineFramer::SkipOverlongLine(size_t from) {
    auto* newline = static_cast<char*>(std::memchr(buffer_.data() + from, '\n', held_ - from));
    if (newline == nullptr) return held_;
    discarding_ = false;
    return static_cast<size_t>(newline - buffer_.data()) + 1;
}

void LineFramer::EmitLine(const char* begin, const char* end, Sink& sink) {
    size_t length = static_cast<size_t>(end - begin);
    if (std::memchr(begin, '\0', length) == nullptr) {
        sink.OnLine(std::string_view(begin, length));
        return;
    }
    withoutNul_.clear();
    for (const char* p = begin; p != end; ++p)
        if (*p != '\0') withoutNul_.push_back(*p);
    sink.OnLine(withoutNul_);
}

}  // namespace parlevox
