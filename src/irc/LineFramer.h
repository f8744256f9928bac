#pragma once
// Cuts the byte stream from the server into lines. The socket reads straight
// into FreeSpace() and calls Commit(); every complete line goes to the sink
// without its terminator ("\r\n" or a lone "\n"; a lone "\r" stays in the
// line). A "\r" at the end of one read and a "\n" at the start of the next
// are one terminator.
//
// Bad input: a line that fills the whole buffer without a terminator is
// discarded up to its terminator and reported once through OnOverlongLine;
// NUL bytes are removed from a line and the rest of it is kept.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace parlevox {

class LineFramer {
public:
    static constexpr size_t kCapacity = 8192;

    class Sink {
    public:
        virtual ~Sink() = default;
        // The view is valid only during the call.
        virtual void OnLine(std::string_view line) = 0;
        virtual void OnOverlongLine() = 0;
    };

    char* FreeSpace() { return buffer_.data() + held_; }
    size_t FreeSize() const { return kCapacity - held_; }  // never 0 between commits
    size_t Held() const { return held_; }

    // `bytesRead` bytes were written at FreeSpace(). A call from inside the
    // sink is an internal error and is ignored.
    void Commit(size_t bytesRead, Sink& sink);

    // Forgets what is held, for a new connection. Allowed from inside the
    // sink: no further line of that read is emitted.
    void Reset();

private:
    // Where the framer is within Commit, so that the sink's calls back into
    // it can be told apart.
    enum class Phase {
        kIdle,
        kInSink,       // Commit is handing lines to the sink
        kResetBySink,  // the sink called Reset: the rest of the read is dropped
    };

    bool EmitCompleteLines(size_t& lineStart, size_t scanFrom, Sink& sink);
    void KeepUnfinishedLine(size_t lineStart, Sink& sink);
    const char* FindNewline(size_t from) const;
    void EmitLine(const char* begin, const char* end, Sink& sink);

    std::array<char, kCapacity> buffer_;
    size_t held_ = 0;
    bool discarding_ = false;  // inside a line that did not fit; lasts across reads
    Phase phase_ = Phase::kIdle;
    std::string withoutNul_;
};

}  // namespace parlevox
