#include "irc/CTCPResponse.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cstdlib>

#include "common/TextHelpers.h"
#include "irc/CTCPTexts.h"
#include "irc/ColourCodes.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

constexpr size_t kPingReplyLength = 16;
// 512 bytes with the CR LF that the send path adds.
constexpr size_t kMaxLineLength = 510;
// Real zones lie within -12:00 and +14:00; anything past a day is a broken clock.
constexpr long kMaxZoneOffsetSeconds = 24 * 3600;
// More digits than a time in seconds can have until far beyond any clock.
constexpr size_t kMaxTimeDigits = 18;

bool IsForbiddenByte(char c) {
    return c == '\r' || c == '\n' || c == '\0' || c == '\x01';
}

std::string WithoutForbiddenBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!IsForbiddenByte(c)) out += c;
    return out;
}

const char* NameAt(const char* const* names, int count, int index) {
    return index >= 0 && index < count ? names[index] : "???";
}

}  // namespace

std::optional<LocalTimeReading> ReadLocalTime(std::time_t when) {
    LocalTimeReading reading {Clock::LocalTime(when), Clock::ZoneOffsetSeconds(when)};
    // A failed conversion leaves the whole tm zero, and no real date has day 0.
    if (reading.local.tm_mday == 0) return std::nullopt;
    if (std::labs(reading.zoneOffsetSeconds) > kMaxZoneOffsetSeconds) return std::nullopt;
    return reading;
}

bool IsCTCPType(std::string_view type, std::string_view name) {
    return EqualsIgnoringCase(type, name);
}

std::optional<std::string> AutomaticReply(std::string_view type, std::string_view argument,
                                          const CTCPSettings& settings,
                                          const std::optional<LocalTimeReading>& localTime) {
    if (IsCTCPType(type, ctcptexts::kPing)) return std::string(argument.substr(0, kPingReplyLength));
    if (IsCTCPType(type, ctcptexts::kVersion)) return std::string(ctcptexts::kVersionReply);
    if (IsCTCPType(type, ctcptexts::kUserInfo))
        return fmt::sprintf(ctcptexts::kUserInfoReply, settings.realName, settings.age, settings.sex);
    if (IsCTCPType(type, ctcptexts::kClientInfo)) return std::string(ctcptexts::kClientInfoReply);
    if (IsCTCPType(type, ctcptexts::kTime) && localTime)
        return TimeReplyText(localTime->local, localTime->zoneOffsetSeconds);
    return std::nullopt;
}

std::string TimeReplyText(const std::tm& local, long zoneOffsetSeconds) {
    long minutes = std::labs(zoneOffsetSeconds) / 60;
    std::string zone = fmt::sprintf(zoneOffsetSeconds >= 0 ? ctcptexts::kZoneAhead : ctcptexts::kZoneBehind,
                                    static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    int year = (local.tm_year + 1900) % 100;
    return fmt::sprintf(ctcptexts::kTimeReply, NameAt(ctcptexts::kWeekdays, 7, local.tm_wday), local.tm_mday,
                        NameAt(ctcptexts::kMonths, 12, local.tm_mon), year < 0 ? -year : year, local.tm_hour,
                        local.tm_min, local.tm_sec, zone);
}

std::string ReplyNotice(std::string_view nick, std::string_view type, std::string_view text) {
    std::string target = WithoutForbiddenBytes(nick);
    if (target.empty() || target.find_first_of(" ,") != std::string::npos || target[0] == ':') return {};
    std::string line = "NOTICE " + target + " :\x01" + WithoutForbiddenBytes(type) + ' ';
    // The closing byte 1 still has to fit.
    if (line.size() + 1 > kMaxLineLength) return {};
    std::string body = WithoutForbiddenBytes(text);
    body.resize(std::min(body.size(), kMaxLineLength - 1 - line.size()));
    return line + body + '\x01';
}

std::string RequestLine(const ColourCodes& colours, std::string_view nick, std::string_view type,
                        std::string_view argument) {
    return fmt::sprintf(ctcptexts::kRequestLine, colours.Code(colour::kInformation), colours.Code(colour::kNick),
                        nick, colours.Code(colour::kInformation), type, argument);
}

std::string ReplyLine(const ColourCodes& colours, std::string_view nick, std::string_view type,
                      std::string_view argument) {
    return fmt::sprintf(ctcptexts::kReplyLine, colours.Code(colour::kInformation), colours.Code(colour::kNick), nick,
                        colours.Code(colour::kInformation), type, argument);
}

std::string RoundTripLine(const ColourCodes& colours, std::string_view nick, int64_t seconds) {
    return fmt::sprintf(ctcptexts::kRoundTripLine, colours.Code(colour::kInformation), colours.Code(colour::kNick),
                        nick, colours.Code(colour::kInformation), seconds);
}

int64_t RoundTripSeconds(std::string_view argument, std::time_t now) {
    // The PING commands send "%u"; a trailing blank is tolerated.
    if (!argument.empty() && argument.back() == ' ') argument.remove_suffix(1);
    int64_t sent = 0;
    if (!argument.empty() && argument.size() <= kMaxTimeDigits &&
        argument.find_first_not_of("0123456789") == std::string_view::npos) {
        for (char digit : argument) sent = sent * 10 + (digit - '0');
    }
    return static_cast<int64_t>(now) - sent;
}

}  // namespace parlevox
