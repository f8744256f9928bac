#include "ui/ChannelInfoContext.h"

#include <fmt/format.h>

#include "common/TextHelpers.h"
#include "irc/NetworkControl.h"
#include "irc/ServiceRequest.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox {

std::string AccessLevelText(int level) {
    using namespace chanserv_text;
    switch (level) {
        case access_level::kAkicked: return kAkicked;
        case access_level::kNormal: return kNormal;
        case access_level::kAop: return kAop;
        case access_level::kSop: return kSop;
        case access_level::kNoId: return kNoId;
        case access_level::kFounder:
        case access_level::kFounderId: return kFounderId;
        default: return std::to_string(level);
    }
}

void ChannelInfoContext::SendToChanServ(const std::string& text) const {
    SendToServer(Services().loop, Services().networkWindow,
                 ServiceRequest("ChanServ", Settings().servicesHost, text));
}

void ChannelInfoContext::SendToNickServ(const std::string& text) const {
    SendToServer(Services().loop, Services().networkWindow,
                 ServiceRequest("NickServ", Settings().servicesHost, text));
}

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string ChannelNamedIn(std::string_view text) {
    constexpr std::string_view kAround = "\"'()[]<>.,:;!?\x02\x1f";
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        std::string_view word = text.substr(at, end - at);
        while (!word.empty() && kAround.find(word.front()) != std::string_view::npos) word.remove_prefix(1);
        while (!word.empty() && kAround.find(word.back()) != std::string_view::npos) word.remove_suffix(1);
        if (word.size() > 1 && (word[0] == '#' || word[0] == '&')) return std::string(word);
        at = end + 1;
    }
    return {};
}

bool NamesOtherChannel(std::string_view text, std::string_view channel) {
    const std::string named = ChannelNamedIn(text);
    return !named.empty() && !EqualsIgnoringCase(named, channel);
}

}  // namespace parlevox
