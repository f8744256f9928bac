#include "dcc/DccAcknowledgement.h"

namespace parlevox {
namespace {

// The largest total at or below `ceiling` whose low 32 bits are `wire`.
std::optional<uint64_t> LatestWithLowBits(uint32_t wire, uint64_t ceiling) {
    const uint32_t back = static_cast<uint32_t>(ceiling) - wire;  // modulo 2^32
    if (back > ceiling) return std::nullopt;
    return ceiling - back;
}

}  // namespace

std::optional<uint64_t> ResolveDccAck(uint32_t wire, const DccSendProgress& progress) {
    if (progress.sent < progress.start) return std::nullopt;
    const uint64_t sinceStart = progress.sent - progress.start;
    // Everything sent, counted from the resume point.
    if (progress.start > 0 && wire == static_cast<uint32_t>(sinceStart)) return progress.sent;
    if (std::optional<uint64_t> total = LatestWithLowBits(wire, progress.sent);
        total && *total >= progress.acknowledged)
        return total;
    if (progress.start == 0) return std::nullopt;
    if (std::optional<uint64_t> count = LatestWithLowBits(wire, sinceStart);
        count && progress.start + *count >= progress.acknowledged)
        return progress.start + *count;
    return std::nullopt;
}

}  // namespace parlevox
