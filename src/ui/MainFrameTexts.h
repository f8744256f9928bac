#pragma once
// Lines the main frame writes to the status window.

namespace parlevox::mainframe_text {

inline constexpr const char* kPrivateNotice = "%s-%s\b%s\b%s- %s%s";
inline constexpr const char* kServerNotice = "%s- [Server] %s%s";
inline constexpr const char* kError = "%s- %s";
inline constexpr const char* kOwnModes = "%s- Your user modes have altered: \x02%s\x02.";
inline constexpr const char* kInvite = "%s- \b%s%s%s\b invites you to channel \x02%s\x02.";

}  // namespace parlevox::mainframe_text
