#pragma once
// Every text of the CTCP answers and of the status lines for CTCP requests
// and replies, in one place.

namespace parlevox::ctcptexts {

// Request types with an automatic answer, and the one that starts the
// "Your Info" exchange over the client link.
inline constexpr const char* kPing = "PING";
inline constexpr const char* kVersion = "VERSION";
inline constexpr const char* kUserInfo = "USERINFO";
inline constexpr const char* kClientInfo = "CLIENTINFO";
inline constexpr const char* kTime = "TIME";
inline constexpr const char* kYourInfo = "BVUSERINFO";

#if defined(__linux__)
inline constexpr const char* kVersionReply = "Parlevox 1.5, registered (Linux)";
#elif defined(__APPLE__)
inline constexpr const char* kVersionReply = "Parlevox 1.5, registered (macOS)";
#elif defined(_WIN32)
inline constexpr const char* kVersionReply = "Parlevox 1.5, registered (Win32)";
#else
inline constexpr const char* kVersionReply = "Parlevox 1.5, registered (Unix)";
#endif
inline constexpr const char* kUserInfoReply = "(Real name:%s Age:%s Sex:%s)";
inline constexpr const char* kClientInfoReply = "PING TIME VERSION USERINFO CLIENTINFO";
// Weekday, day of month, month, two-digit year, hours, minutes, seconds, zone.
inline constexpr const char* kTimeReply = "%s, %02i %s %02i %02i:%02i:%02i %s";
inline constexpr const char* kZoneAhead = "+%02i%02i";
inline constexpr const char* kZoneBehind = "-%02i%02i";
inline constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
inline constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Status lines: colour 13, colour 5, nick, colour 13, then the fields.
inline constexpr const char* kRequestLine = "%s- \b%s%s%s\b [CTCP %s] %s";
inline constexpr const char* kRoundTripLine = "%s- \b%s%s%s\b : round-trip distance \x02%i\x02 second(s)";
inline constexpr const char* kReplyLine = "%s- \b%s%s%s\b\x02 %s\x02 reply: %s";

inline constexpr const char* kZoneProblemTitle = "Time-zone problem";
inline constexpr const char* kZoneProblemText =
    "When trying to retrieve time-zone information, there was a problem.\n\n"
    "Make sure the system's time zone is set correctly.";

}  // namespace parlevox::ctcptexts
