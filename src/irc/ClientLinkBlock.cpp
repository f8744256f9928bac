#include "irc/ClientLinkBlock.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "common/ParseInteger.h"

namespace parlevox {
namespace {

// Exactly `count` strings, each ended by a byte 0, the last at the block's end.
std::optional<std::vector<std::string_view>> SplitStrings(std::string_view body, size_t count) {
    std::vector<std::string_view> strings;
    while (strings.size() < count) {
        const size_t end = body.find('\0');
        if (end == std::string_view::npos) return std::nullopt;
        strings.push_back(body.substr(0, end));
        body.remove_prefix(end + 1);
    }
    if (!body.empty()) return std::nullopt;
    return strings;
}

// A nick becomes the sender "nick!x@(BrimConnect)": nothing in it may
// change how that splits or reads.
bool PlausibleNick(std::string_view nick) {
    if (nick.empty()) return false;
    for (unsigned char c : nick)
        if (c <= ' ' || c == '!' || c == '@' || c == 0x7F) return false;
    return true;
}

ClientLinkBlock ReadDccChat(std::string_view body) {
    const auto strings = SplitStrings(body, 3);
    if (!strings || !PlausibleNick((*strings)[0])) return {};
    const std::optional<uint64_t> ip = ParseStrictDecimal((*strings)[1], 0xFFFFFFFFu);
    const std::optional<uint64_t> port = ParseStrictDecimal((*strings)[2], 65535);
    if (!ip || !port || *port == 0) return {};
    return DccChatBlock {std::string((*strings)[0]), std::to_string(*ip), static_cast<uint32_t>(*ip),
                         static_cast<uint16_t>(*port)};
}

ClientLinkBlock ReadYourInfo(std::string_view body) {
    const auto s = SplitStrings(body, 6);
    if (!s) return {};
    return YourInfoBlock {std::string((*s)[0]), std::string((*s)[1]), std::string((*s)[2]),
                          std::string((*s)[3]), std::string((*s)[4]), std::string((*s)[5])};
}

std::optional<std::string> Frame(std::string_view tag, std::initializer_list<std::string_view> strings) {
    std::string block(tag);
    for (std::string_view text : strings) {
        if (text.find('\0') != std::string_view::npos) return std::nullopt;
        block.append(text);
        block.push_back('\0');
    }
    if (!client_link::ValidLength(block.size())) return std::nullopt;
    const std::array<char, 2> length {static_cast<char>(block.size() & 0xFF), static_cast<char>(block.size() >> 8)};
    return std::string(length.data(), length.size()) + block;
}

}  // namespace

ClientLinkBlock ParseClientLinkBlock(std::string_view block) {
    if (!client_link::ValidLength(block.size())) return {};
    const std::string_view tag = block.substr(0, 4);
    const std::string_view body = block.substr(4);
    if (tag == client_link::kDccChatTag) return ReadDccChat(body);
    if (tag == client_link::kYourInfoTag) return ReadYourInfo(body);
    return {};
}

std::optional<uint16_t> AdvertisedLinkPort(std::string_view realname) {
    constexpr std::string_view kMark = "[IS";
    if (realname.size() < kMark.size() + 4 || realname.substr(0, kMark.size()) != kMark) return std::nullopt;
    uint32_t port = 0;
    for (char c : realname.substr(kMark.size(), 4)) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) return std::nullopt;
        port = port * 16 + static_cast<uint32_t>(digit);
    }
    if (port == 0) return std::nullopt;
    return static_cast<uint16_t>(port);
}

std::optional<std::string> FrameDccChatBlock(const std::string& nick, uint32_t ip, uint16_t port) {
    return Frame(client_link::kDccChatTag, {nick, std::to_string(ip), std::to_string(port)});
}

std::optional<std::string> FrameYourInfoBlock(const YourInfoBlock& info) {
    return Frame(client_link::kYourInfoTag,
                 {info.age, info.description, info.email, info.realName, info.location, info.sex});
}

}  // namespace parlevox
