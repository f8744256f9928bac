#pragma once
// What direct chat and telnet windows say.
namespace parlevox::texts {

inline constexpr const char* kDccChatTitle = "%s - DCC Chat";
inline constexpr const char* kTelnetTitle = "%s %i - Telnet";
inline constexpr const char* kChatStatusLine = "- %s%s";
inline constexpr const char* kChatConnected = "Connected.";
inline constexpr const char* kChatClosed = "The connection was closed.";
inline constexpr const char* kChatOfferWaiting =
    "%s offers a DCC chat from %s port %u. Accept connects to it (and lets them see your address); Decline "
    "closes this window.";

// Failures.
inline constexpr const char* kNoChatSocket = "Couldn't create socket for connection.";
inline constexpr const char* kCannotConnectTo = "Couldn't connect to required address ";
inline constexpr const char* kConnectFailed = "Connection attempt failed.";
inline constexpr const char* kNoListenSocket = "It wasn't possible to create a listening socket.";
inline constexpr const char* kCannotListen = "It wasn't possible to set a socket to listening for connections.";
inline constexpr const char* kAcceptFailed = "Failed to accept connection request.";
inline constexpr const char* kNoLineEnd =
    "Too much data with no line-end; sending program doesn't appear to be compatible.";
inline constexpr const char* kChatSendFailed = "Sending failed; the connection was closed.";
inline constexpr const char* kChatSendBacklog = "The other side takes nothing more; the connection was closed.";

}  // namespace parlevox::texts
