#pragma once
// Event type ids. An id packs the path of its node in the event tree: byte 0
// is the 1-based index of the top-level type, byte 1 the index of the
// second-level type under it, byte 2 the third-level one; 0 below the node's
// own level.
#include <cstdint>

namespace parlevox {

constexpr uint32_t kPRIVMSG = 0x1;
constexpr uint32_t kChannelEvent = 0x2;
constexpr uint32_t kNotice = 0x3;
constexpr uint32_t kGlobalEvent = 0x4;
constexpr uint32_t kInvite = 0x5;
constexpr uint32_t kServerNumeric = 0x6;
constexpr uint32_t kNetSystem = 0x7;
constexpr uint32_t kError = 0x8;
constexpr uint32_t kServerNotice = 0x9;
constexpr uint32_t kKill = 0xA;
constexpr uint32_t kSilence = 0xB;
constexpr uint32_t kWallops = 0xC;

constexpr uint32_t kNormalPM = 0x101;
constexpr uint32_t kCTCPMessage = 0x201;
constexpr uint32_t kChannelJoin = 0x102;
constexpr uint32_t kChannelPart = 0x202;
constexpr uint32_t kChannelKick = 0x302;
constexpr uint32_t kChannelMode = 0x402;
constexpr uint32_t kChannelName = 0x502;
constexpr uint32_t kChannelTopic = 0x602;
constexpr uint32_t kNormalNotice = 0x103;
constexpr uint32_t kCTCPReply = 0x203;
constexpr uint32_t kNick = 0x104;
constexpr uint32_t kQuit = 0x204;
constexpr uint32_t kNickMode = 0x304;
constexpr uint32_t kDisconnect = 0x107;
constexpr uint32_t kConnect = 0x207;
constexpr uint32_t kServicesDown = 0x307;
constexpr uint32_t kServicesUp = 0x407;

constexpr uint32_t kPrivateMessage = 0x10101;
constexpr uint32_t kChannelMessage = 0x20101;
constexpr uint32_t kPrivateMe = 0x10201;
constexpr uint32_t kChannelMe = 0x20201;
constexpr uint32_t kPrivateCTCP = 0x30201;
constexpr uint32_t kChannelCTCP = 0x40201;
constexpr uint32_t kDCCOffer = 0x50201;
constexpr uint32_t kDCCRequest = 0x60201;
constexpr uint32_t kDCCChat = 0x70201;
constexpr uint32_t kDCCResume = 0x80201;
constexpr uint32_t kDCCAccept = 0x90201;
constexpr uint32_t kPrivateNotice = 0x10103;
constexpr uint32_t kChannelNotice = 0x20103;

// The level of a type: 1 for a top-level type, up to 3.
constexpr int EventTypeLevel(uint32_t id) {
    return (id & 0xFF0000u) ? 3 : (id & 0xFF00u) ? 2 : 1;
}

// The type one level up; 0 (the root) for a top-level type.
constexpr uint32_t ParentEventType(uint32_t id) {
    return (id & 0xFF0000u) ? (id & 0xFFFFu) : (id & 0xFF00u) ? (id & 0xFFu) : 0u;
}

// True when `id` is `ancestor` or lies below it in the tree.
constexpr bool IsEventTypeWithin(uint32_t id, uint32_t ancestor) {
    for (; id != 0; id = ParentEventType(id))
        if (id == ancestor) return true;
    return false;
}

}  // namespace parlevox
