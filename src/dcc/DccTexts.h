#pragma once
// The DCC negotiation's own texts and request lines.
namespace parlevox::dcc_text {

inline constexpr const char* kDeviceNameReason = "Sending DCC with DOS-device name";
inline constexpr const char* kSystemPortReason = "Sending DCC with system port (<1024)";
inline constexpr const char* kErrorTitle = "DCC error";
inline constexpr const char* kErrorOpeningFile = "Error opening requested file";

inline constexpr const char* kAcceptNew = "Accept (new file)";
inline constexpr const char* kTryingResume = "Trying resume";
inline constexpr const char* kResume = "Resume";
inline constexpr const char* kOverwrite = "Overwrite";
inline constexpr const char* kDecline = "Decline";

// The CTCP texts between the two 0x01 bytes.
inline constexpr const char* kSendRequest = "DCC SEND %s %u %i %llu";
inline constexpr const char* kPassiveSendRequest = "DCC SEND %s %u %i %llu %s";
inline constexpr const char* kChatRequest = "DCC CHAT chat %u %i";
inline constexpr const char* kResumeRequest = "DCC RESUME %s %i %llu";
inline constexpr const char* kAcceptRequest = "DCC ACCEPT %s %i %llu";
inline constexpr const char* kResumeProbe = "PING dcc-resume-test";
inline constexpr const char* kViewLine = ":DCCView!your@PC PRIVMSG %s :\x01" "DCC SEND %s %u %i %llu\x01";

inline constexpr const char* kOfferHint =
    "Someone is offering you a file. Accept it to start the transfer; the file is saved to the folder that the "
    "preferences give for its type. Decline it if you do not know the sender: files from strangers can be harmful.";

}  // namespace parlevox::dcc_text
