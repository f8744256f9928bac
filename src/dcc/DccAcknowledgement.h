#pragma once
// The acknowledgements of a file send: 4 bytes in network byte order, the
// receiver's total cut to its low 32 bits. Past 4 GiB they are compared
// modulo 2^32, and some receivers count from the resume point rather than
// from the start of the file.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace parlevox {

struct DccSendProgress {
    uint64_t start = 0;         // the resume position
    uint64_t sent = 0;          // taken by the socket, from the start of the file
    uint64_t acknowledged = 0;  // between start and sent
};

// The absolute total an acknowledgement stands for: the total at or below
// `sent` with those low 32 bits, or else the resume position plus such a
// count. Nothing when neither lies between acknowledged and sent: an
// acknowledgement that goes backwards or claims more than was sent moves
// nothing.
std::optional<uint64_t> ResolveDccAck(uint32_t wire, const DccSendProgress& progress);

// Joins acknowledgements that arrive in pieces of any size.
class DccAckAssembler {
public:
    // Calls onAck(value) for every acknowledgement the bytes complete, in
    // order, until it returns false.
    template <typename OnAck>
    void Feed(const uint8_t* bytes, size_t length, OnAck&& onAck) {
        for (size_t i = 0; i < length; ++i) {
            value_ = value_ << 8 | bytes[i];
            if (++filled_ < 4) continue;
            const uint32_t value = value_;
            filled_ = 0;
            value_ = 0;
            if (!onAck(value)) return;
        }
    }
    size_t Filled() const { return filled_; }

private:
    uint32_t value_ = 0;
    size_t filled_ = 0;
};

}  // namespace parlevox
