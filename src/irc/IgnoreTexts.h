#pragma once
// Every text the ignore list writes: its history lines, its server lines and
// the flood report.

namespace parlevox::texts {

inline constexpr const char* kIgnoredMask = "\r\nIgnored mask: ";
inline constexpr const char* kToughenedMask = "\r\nToughened mask: ";
inline constexpr const char* kAddedNewMask = "\r\nAdded new mask: ";
inline constexpr const char* kIdiot = "\r\nIdiot: ";
inline constexpr const char* kReason = "\r\nReason: ";
inline constexpr const char* kHistoryEnd = "\r\n\r\n";

inline constexpr const char* kSilenceAdd = "SILENCE +";
inline constexpr const char* kSilenceRemove = "SILENCE -";

inline constexpr const char* kFloodReason = "Automatic flood detect";
// Colours: slot 14, slot 5, nick, slot 13, user, host.
inline constexpr const char* kFloodAdded = "%s- Flooding: \b%s%s%s\b (%s@%s) added to idiot-list in Prefs.";

}  // namespace parlevox::texts
