#pragma once
// Every text of the client link, in one place.

namespace parlevox::client_link_text {

// Colour slots 14, 13, 14, 13, then the four bytes of the address.
inline constexpr const char* kRefused =
    "%s[%sBrimConnect%s]%s Ignoring BrimConnect requests (nothing else) from \x02%i.%i.%i.%i\x02.";

// Colour slots 14, 13, 14, 13, then one of the texts below.
inline constexpr const char* kSendFailure = "%s[%sBrimConnect/send%s]%s %s";
inline constexpr const char* kNoSocket = "Couldn't create socket to send data.";
inline constexpr const char* kNoConnection = "Couldn't connect to required address.";
inline constexpr const char* kShortSend =
    "Data send failed (I'm trying to get away with not coding it properly, so if you see this message, it means "
    "I need to fix it next time... ;)";

// Colour slots 14 and 5, the nick, slot 13.
inline constexpr const char* kSendingYourInfo = "%s- \b%s%s%s\b is being sent the \"Your Info\" text";

}  // namespace parlevox::client_link_text
