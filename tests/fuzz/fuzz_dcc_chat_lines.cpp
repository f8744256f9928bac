// What a direct-chat peer sends, in reads of the sizes the first bytes
// choose, through the chat's line buffer: every line it gives holds no line
// end, it never holds more than its size, and a buffer that says it is full
// really has no line end left.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "dcc/DccLineBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using parlevox::DccLineBuffer;
    if (size < 1) return 0;
    const size_t chunk = 1 + data[0] % 64 * 37;
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    DccLineBuffer buffer;
    while (!input.empty()) {
        std::span<char> room = buffer.FreeSpace();
        const size_t count = std::min({room.size(), chunk, input.size()});
        std::memcpy(room.data(), input.data(), count);
        buffer.Added(count);
        input.remove_prefix(count);
        std::string_view line;
        while (buffer.NextLine(line))
            if (line.find_first_of("\r\n") != std::string_view::npos || line.size() >= DccLineBuffer::kSize) std::abort();
        if (buffer.Pending().size() > DccLineBuffer::kSize) std::abort();
        if (buffer.Full()) {
            if (buffer.Pending().find_first_of("\r\n") != std::string_view::npos) std::abort();
            return 0;  // the chat closes here
        }
    }
    return 0;
}
