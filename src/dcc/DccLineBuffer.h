#pragma once
// The receive buffer of a direct chat: 2048 bytes, read into as far as they
// reach, then cut into lines. CR, LF and CR LF end a line; a LF standing
// first is what is left of a CR LF whose CR ended the line before, so it is
// dropped. A buffer that fills without any line end belongs to a sender
// that does not speak lines.
#include <cstddef>
#include <span>
#include <string_view>

namespace parlevox {

class DccLineBuffer {
public:
    static constexpr size_t kSize = 2048;

    // Copies what fits of `data`; returns how many bytes it took.
    size_t Append(std::string_view data);
    // Where a read may write: all the free room, after moving what is kept
    // to the front. Added(count) takes the bytes read into it.
    std::span<char> FreeSpace();
    void Added(size_t count);

    // The next complete line, without its end; false when none waits.
    bool NextLine(std::string_view& line);
    // After NextLine returned false: no room left and no line end.
    bool Full() const { return end_ - start_ == kSize; }
    // What waits for its line end.
    std::string_view Pending() const { return {bytes_ + start_, end_ - start_}; }

private:
    char bytes_[kSize];
    size_t start_ = 0;
    size_t end_ = 0;
};

}  // namespace parlevox
