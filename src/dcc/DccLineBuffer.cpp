#include "dcc/DccLineBuffer.h"

#include <algorithm>
#include <cstring>

namespace parlevox {

std::span<char> DccLineBuffer::FreeSpace() {
    if (start_ > 0) {
        std::memmove(bytes_, bytes_ + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    return {bytes_ + end_, kSize - end_};
}

void DccLineBuffer::Added(size_t count) {
    end_ += std::min(count, kSize - end_);
}

size_t DccLineBuffer::Append(std::string_view data) {
    const std::span<char> room = FreeSpace();
    const size_t taken = std::min(room.size(), data.size());
    std::memcpy(room.data(), data.data(), taken);
    Added(taken);
    return taken;
}

bool DccLineBuffer::NextLine(std::string_view& line) {
    if (start_ < end_ && bytes_[start_] == '\n') ++start_;
    const char* first = bytes_ + start_;
    const char* last = bytes_ + end_;
    const char* lineEnd = std::find_if(first, last, [](char c) { return c == '\r' || c == '\n'; });
    if (lineEnd == last) return false;
    line = std::string_view(first, static_cast<size_t>(lineEnd - first));
    start_ += line.size() + 1;
    return true;
}

}  // namespace parlevox
