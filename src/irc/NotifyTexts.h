#pragma once
// Every text of the notify list: the poll's request, the services' nick and
// identification, the status lines after a reply, the "notify" command's
// answers and the notify window's name.

namespace parlevox::notifytext {

inline constexpr const char* kServicesNick = "NickServ";
inline constexpr const char* kIsonPrefix = "ISON :";
inline constexpr const char* kIdentify = "PRIVMSG NickServ :IDENTIFY %s %s";  // nick, password

// Slot 2, slot 5, the nicks (each followed by a blank).
inline constexpr const char* kJoined = "%s+ Joined IRC: %s%s";
// Slot 3, slot 5, the nicks.
inline constexpr const char* kLeft = "%s+ Left IRC: %s%s";
// Slot 14, slot 5, the nicks the request could not carry.
inline constexpr const char* kNotChecking = "%s! Not checking nicks (notify list too long): %s%s";

// The "notify" command: leading colour, nick colour, nick, leading colour.
inline constexpr const char* kAdded = "%s- Nickname %s%s%s added to notify list.";
inline constexpr const char* kAlreadyOn = "%s- Nickname %s%s%s is already on notify list.";
inline constexpr const char* kRemoved = "%s- Nickname %s%s%s removed from notify list.";
inline constexpr const char* kNotOn = "%s- Nickname %s%s%s is not on notify list.";

// The sound event played when somebody on the list came or went.
inline constexpr const char* kSoundEvent = "Notify list";

}  // namespace parlevox::notifytext
