#include "irc/LineFramer.h"

#include <cstring>

#include "common/InternalErrorReport.h"

namespace parlevox {

void LineFramer::Commit(size_t bytesRead, Sink& sink) {
    if (phase_ != Phase::kIdle || bytesRead > FreeSize()) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    // Everything held before this read was scanned already and has no "\n".
    size_t scanFrom = held_;
    held_ += bytesRead;
    size_t lineStart = 0;
    if (discarding_) {
        const char* newline = FindNewline(scanFrom);
        if (newline == nullptr) {  // the overlong line goes on
            held_ = 0;
            return;
        }
        discarding_ = false;
        lineStart = scanFrom = static_cast<size_t>(newline - buffer_.data()) + 1;
    }
    phase_ = Phase::kInSink;
    if (EmitCompleteLines(lineStart, scanFrom, sink)) KeepUnfinishedLine(lineStart, sink);
    phase_ = Phase::kIdle;
}

void LineFramer::Reset() {
    held_ = 0;
    discarding_ = false;
    if (phase_ == Phase::kInSink) phase_ = Phase::kResetBySink;
}

// Hands every line that ends within what is held to the sink, and moves
// `lineStart` past it. False when the sink reset the framer meanwhile.
bool LineFramer::EmitCompleteLines(size_t& lineStart, size_t scanFrom, Sink& sink) {
    const char* data = buffer_.data();
    while (const char* newline = FindNewline(scanFrom)) {
        const char* end = newline;
        if (end > data + lineStart && end[-1] == '\r') --end;
        EmitLine(data + lineStart, end, sink);
        if (phase_ == Phase::kResetBySink) return false;
        lineStart = scanFrom = static_cast<size_t>(newline - data) + 1;
    }
    return true;
}

// Moves the start of the next line to the front of the buffer; a line that
// fills the whole buffer is dropped and reported instead.
void LineFramer::KeepUnfinishedLine(size_t lineStart, Sink& sink) {
    held_ -= lineStart;
    if (held_ > 0 && lineStart > 0) std::memmove(buffer_.data(), buffer_.data() + lineStart, held_);
    if (held_ == kCapacity) {
        held_ = 0;
        discarding_ = true;
        sink.OnOverlongLine();
    }
}

const char* LineFramer::FindNewline(size_t from) const {
    return static_cast<const char*>(std::memchr(buffer_.data() + from, '\n', held_ - from));
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
