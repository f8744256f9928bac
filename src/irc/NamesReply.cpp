#include "irc/NamesReply.h"

#include <string>
#include <utility>

namespace parlevox {
namespace {

bool IsChannelKind(std::string_view p) {
    return p == "=" || p == "*" || p == "@";
}

std::unique_ptr<C_imChannelName> MakeName(const C_imServerNumeric& reply, std::string_view channel,
                                          std::string_view name) {
    CIRCMessage generic;
    generic.command = "NAME";
    generic.sender = reply.sender;
    generic.params[0] = channel;
    generic.params[1] = name;
    C_imChannelEvent event(std::move(generic));
    return std::make_unique<C_imChannelName>(std::move(event));
}

}  // namespace

std::string_view NamesReplyChannel(const C_imServerNumeric& reply) {
    // params[0] is the own nick; the last slot only ever ends the list.
    constexpr size_t kLast = CIRCMessage::kMaxMiddleParams;
    for (size_t i = 1; i + 1 < kLast && !reply.params[i].empty(); ++i)
        if (IsChannelKind(reply.params[i])) return reply.params[i + 1];
    for (size_t i = 1; i < kLast && !reply.params[i].empty(); ++i)
        if (IsChannelTarget(reply.params[i])) return reply.params[i];
    return {};
}

std::vector<std::unique_ptr<C_imChannelName>> SplitNamesReply(const C_imServerNumeric& reply) {
    std::vector<std::unique_ptr<C_imChannelName>> names;
    const std::string_view channel = NamesReplyChannel(reply);
    if (channel.empty()) return names;
    std::string_view text = reply.text;
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view name = text.substr(0, space);
        if (!name.empty()) names.push_back(MakeName(reply, channel, name));
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    }
    return names;
}

}  // namespace parlevox
