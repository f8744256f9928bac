#pragma once
// The texts of the nick information dialog, in one place.

namespace parlevox::nickinfo_text {

inline constexpr const char* kUserinfoPage = "User info";
// The "Your info" fields, in the order the link carries them.
inline constexpr const char* kAge = "Age";
inline constexpr const char* kDescription = "Description";
inline constexpr const char* kEmail = "Email";
inline constexpr const char* kRealName = "Real name";
inline constexpr const char* kLocation = "Location";
inline constexpr const char* kSex = "Sex";

// The request the page sends (the byte 1 stands apart from the "B").
inline constexpr const char* kYourInfoRequest = "PRIVMSG %s :\x01" "BVUSERINFO\x01";
inline constexpr const char* kAsking = "Asking %s for their \"Your Info\" text...";
inline constexpr const char* kAbsent = "%s is not on IRC.";

}  // namespace parlevox::nickinfo_text
