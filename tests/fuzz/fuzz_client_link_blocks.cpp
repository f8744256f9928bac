// What another copy of the client sends over the link, as a block: reading
// never fails in another way than "malformed", and whatever reads frames
// again into a block that reads the same (for "Your Info", into the very
// same bytes: nothing was read past a terminator, no extra byte let through).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "FuzzFail.h"
#include "irc/ClientLinkBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    constexpr const char* kTarget = "fuzz_client_link_blocks";
    const std::string_view block(reinterpret_cast<const char*>(data), size);
    const ClientLinkBlock parsed = ParseClientLinkBlock(block);
    std::optional<std::string> framed;
    if (const auto* chat = std::get_if<DccChatBlock>(&parsed)) {
        if (chat->port == 0 || chat->nick.empty()) FuzzFail(kTarget, "a chat request without a port or nick");
        framed = FrameDccChatBlock(chat->nick, chat->ip, chat->port);
    } else if (const auto* info = std::get_if<YourInfoBlock>(&parsed)) {
        framed = FrameYourInfoBlock(*info);
        if (framed && std::string_view(*framed).substr(2) != block) FuzzFail(kTarget, "UInf does not frame back");
    } else {
        return 0;
    }
    // Numbers written with leading zeros only get shorter.
    if (!framed || framed->size() > size + 2) FuzzFail(kTarget, "a block that read cannot be framed again");
    const size_t length = static_cast<unsigned char>((*framed)[0]) | static_cast<unsigned char>((*framed)[1]) << 8;
    if (length != framed->size() - 2) FuzzFail(kTarget, "the length bytes are not the block's length, low byte first");
    if (ParseClientLinkBlock(std::string_view(*framed).substr(2)) != parsed)
        FuzzFail(kTarget, "a framed block reads differently");
    return 0;
}
