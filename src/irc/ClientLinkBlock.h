#pragma once
// The blocks two copies of the client hand each other over the client link:
// a 16-bit little-endian length L (4..8192), then L bytes that start with a
// 4-byte tag and hold strings each ended by a byte 0, the last one ending
// exactly at the end of the block. "DCCc" asks for a direct chat, "UInf"
// carries the sender's "Your info" texts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace parlevox {

namespace client_link {
inline constexpr size_t kLengthBytes = 2;
inline constexpr size_t kMinBlock = 4;  // the tag alone
inline constexpr size_t kMaxBlock = 8192;
inline constexpr std::string_view kDccChatTag = "DCCc";
inline constexpr std::string_view kYourInfoTag = "UInf";

inline bool ValidLength(size_t length) { return length >= kMinBlock && length <= kMaxBlock; }
}  // namespace client_link

// "DCCc": the sender's nick, address (one number, as DCC gives it) and the
// port of the chat listener it opened.
struct DccChatBlock {
    std::string nick;
    std::string address;  // the number in decimal
    uint32_t ip = 0;
    uint16_t port = 0;
    bool operator==(const DccChatBlock&) const = default;
};

// "UInf": the "Your info" settings, in the order they travel.
struct YourInfoBlock {
    std::string age;
    std::string description;
    std::string email;
    std::string realName;
    std::string location;
    std::string sex;
    bool operator==(const YourInfoBlock&) const = default;
};

// std::monostate: malformed.
using ClientLinkBlock = std::variant<std::monostate, DccChatBlock, YourInfoBlock>;

// Reads the L bytes of a block (without the length).
ClientLinkBlock ParseClientLinkBlock(std::string_view block);

// The link port another copy advertises at the start of its realname
// field: "[IS" and exactly four hexadecimal digits; nothing otherwise, or
// for port 0 (it has no listener).
std::optional<uint16_t> AdvertisedLinkPort(std::string_view realname);

// The length bytes and the block, ready to send; nothing when a string holds
// a byte 0 or the block would exceed kMaxBlock.
std::optional<std::string> FrameDccChatBlock(const std::string& nick, uint32_t ip, uint16_t port);
std::optional<std::string> FrameYourInfoBlock(const YourInfoBlock& info);

}  // namespace parlevox
