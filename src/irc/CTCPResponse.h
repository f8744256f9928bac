#pragma once
// The automatic answers to CTCP requests, the NOTICE that carries one, and
// the status lines that show requests and replies. Pure functions: the
// handler (CTCPHandler.h) supplies the clock and the settings.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "irc/CTCPSettings.h"

namespace parlevox {

class ColourCodes;

// Local time with its offset from UTC, summer time included.
struct LocalTimeReading {
    std::tm local {};
    long zoneOffsetSeconds = 0;
};

// The reading for `when`; nothing when the local time or the zone cannot be
// determined.
std::optional<LocalTimeReading> ReadLocalTime(std::time_t when);

// True when `type` is `name` in any case.
bool IsCTCPType(std::string_view type, std::string_view name);

// The answer text for a request of `type` (any case), or nothing for types
// that get none. TIME needs `localTime`; without one it gets no answer (the
// caller tells the user why).
std::optional<std::string> AutomaticReply(std::string_view type, std::string_view argument,
                                          const CTCPSettings& settings,
                                          const std::optional<LocalTimeReading>& localTime);

// "Sun, 07 Jul 24 14:03:09 +0200".
std::string TimeReplyText(const std::tm& local, long zoneOffsetSeconds);

// "NOTICE nick :\x01TYPE text\x01" without its terminator. CR, LF, NUL and
// byte 1 are left out of every field, so a peer's text can neither add a
// command nor end the CTCP early, and the text is cut so the line with its
// CR LF fits in 512 bytes. Empty when there is nobody to answer (an empty
// nick, or one that would name other targets) or no room left for the type.
std::string ReplyNotice(std::string_view nick, std::string_view type, std::string_view text);

// The status lines.
std::string RequestLine(const ColourCodes& colours, std::string_view nick, std::string_view type,
                        std::string_view argument);
std::string ReplyLine(const ColourCodes& colours, std::string_view nick, std::string_view type,
                      std::string_view argument);
std::string RoundTripLine(const ColourCodes& colours, std::string_view nick, int64_t seconds);

// Seconds from the time a PING reply echoes to `now`. An argument that is
// not a plain decimal number (or too long to be a time) counts as 0.
int64_t RoundTripSeconds(std::string_view argument, std::time_t now);

}  // namespace parlevox
