#include "irc/NumericReplyText.h"

#include <fmt/printf.h>

#include "common/ParseInteger.h"
#include "irc/ColourCodes.h"
#include "irc/IMServer.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

constexpr const char* kHelper = "%s- \b%s%s%s\b is a helper (HelpOp)";
constexpr const char* kWhoisUser = "%s- \b%s%s%s\b is %s * %s";
constexpr const char* kWhoisServer = "%s- \b%s%s%s\b using server %s (%s)";
constexpr const char* kWhoisOperator = "%s- \b%s%s%s\b is an IRC Operator";
constexpr const char* kWhoisIdle = "%s- \b%s%s%s\b idle %s seconds, signed on %s";
constexpr const char* kWhoisChannels = "%s- \b%s%s%s\b on: %s";
constexpr const char* kChannelOpened = "%s- Channel %s opened at %s";
constexpr const char* kSignOnTime = "%A at %H:%M";
constexpr const char* kOpenedTime = "%H:%M on %A %d %B %Y";

std::string LocalTime(const char* format, const std::string& seconds) {
    return Clock::FormatLocal(format, static_cast<std::time_t>(ParseInteger(seconds)));
}

// "@op +voiced plain" -> "\x02op\x02 \x1fvoiced\x1f plain ".
std::string MarkedNames(const std::string& names) {
    std::string out;
    size_t start = 0;
    while (start < names.size()) {
        size_t end = names.find(' ', start);
        if (end == std::string::npos) end = names.size();
        std::string_view name(names.data() + start, end - start);
        if (!name.empty()) {
            if (name[0] == '@' || name[0] == '+') {
                const char* mark = name[0] == '@' ? "\x02" : "\x1f";
                out.append(mark).append(name.substr(1)).append(mark);
            } else {
                out.append(name);
            }
            out += ' ';
        }
        start = end + 1;
    }
    return out;
}

// The channel of a names reply: "= #x", "* #x", "@ #x", or "#x" alone.
const std::string& NamesChannel(const C_imServerNumeric& reply) {
    return IsChannelTarget(reply.params[1]) ? reply.params[1] : reply.params[2];
}

std::string GenericLine(const C_imServerNumeric& reply, const std::string& info) {
    std::string line = info + "- ";
    for (size_t i = 1; i < CIRCMessage::kParamSlots && !reply.params[i].empty(); ++i) line += reply.params[i] + ' ';
    return line + reply.text;
}

}  // namespace

std::string WithoutClientLinkTag(const std::string& realName) {
    if (realName.rfind("[IS", 0) != 0) return realName;
    size_t close = realName.find(']');
    return close == std::string::npos ? realName : realName.substr(close + 1);
}

std::optional<std::string> NumericReplyLine(const C_imServerNumeric& reply, const ColourCodes& colours) {
    const std::string info = colours.Code(colour::kInformation);
    const std::string nickColour = colours.Code(colour::kNick);
    const std::string& nick = reply.params[1];
    auto about = [&](const char* format, auto... rest) {
        return fmt::sprintf(format, info, nickColour, nick, info, rest...);
    };
    switch (reply.numeric) {
        case 310: return about(kHelper);
        case 311:
            return about(kWhoisUser, reply.params[2] + "@" + reply.params[3], WithoutClientLinkTag(reply.text));
        case 312: return about(kWhoisServer, reply.params[2], reply.text);
        case 313: return about(kWhoisOperator);
        case 317: return about(kWhoisIdle, reply.params[2], LocalTime(kSignOnTime, reply.params[3]));
        case 318:
        case 372: return std::nullopt;
        case 319: return about(kWhoisChannels, reply.text);
        case 329: return fmt::sprintf(kChannelOpened, info, nick, LocalTime(kOpenedTime, reply.params[2]));
        case 353: return info + "- " + NamesChannel(reply) + " " + MarkedNames(reply.text);
        default: return GenericLine(reply, info);
    }
}

}  // namespace parlevox
