#pragma once
// Every text the server connection shows, in one place.
#include <string>

namespace parlevox::texts {

inline constexpr const char* kNetworkWindowTitle = "Network Subsystem Linkage";

// Connect dialog status list.
inline constexpr const char* kFailedToCreateSocket = "Failed to create socket.";
inline constexpr const char* kFailedToSetOption = "Failed to set socket option (weird).";
inline constexpr const char* kConnectingTo = "Connecting to %s : %i";
inline constexpr const char* kConnectTrue = "Connect TRUE: not supposed to happen.";
inline constexpr const char* kRequestFailed = "Request for connection failed.";
inline constexpr const char* kWaiting = "Waiting for response...";
inline constexpr const char* kNegotiating = "Connected: negotiating...";
inline constexpr const char* kNoMoreServers = "No more servers to try.";
inline constexpr const char* kConnectionSuccessful = "Connection successful.";
inline constexpr const char* kPasswordPrompt = "Enter the password for this IRC server.";
inline constexpr const char* kPasswordTitle = "Server password";
inline constexpr const char* kHostNotFound = "The host name could not be resolved.";
inline constexpr const char* kClosedDuringRegistration = "The server closed the connection during logon.";
inline constexpr const char* kEmptySlot = "Server slot %i is empty.";
inline constexpr const char* kOtherConnectError = "Connection failed (error %i).";

// Text for a connect failure code; the fallback for codes without one.
std::string ConnectErrorText(int wsaCode);

// Status output.
inline constexpr const char* kLocalAddress = "[Local IP address %s]";
inline constexpr const char* kSuppressNotUnset = "%s! \"Suppress output\" was not correctly unset in a script.";
inline constexpr const char* kCannotSend = "%s! Cannot send data%s (not connected)";
inline constexpr const char* kLineTooLong = "%s! Line not sent: it is %i bytes long, and the server takes at most %i%s";
inline constexpr const char* kOverlongReceived =
    "%s! The server sent a line longer than %i bytes; it was discarded%s";
inline constexpr const char* kUnrecognisedData = "%s- Unrecognised IRC data [%s%s%s]";
inline constexpr const char* kMalformedData = "%s- Malformed IRC data [%s%s%s]";
inline constexpr const char* kUnreadableHeldBack = "%s- %i more unreadable lines from the server were not shown";
inline constexpr const char* kSendQueueFull =
    "%s! The server has not taken what was sent for too long (%i bytes waiting); the connection was reset%s";

// Registration lines.
inline constexpr const char* kUserLine = "USER %s blah blah :[IS%04X] %s\r\n";
// The ident responder's answer: the query's ports, then the user name.
inline constexpr const char* kIdentAnswer = "%s : USERID : UNIX : %s\r\n";
inline constexpr const char* kQuitChangingServer = "QUIT :Changing server";

}  // namespace parlevox::texts
