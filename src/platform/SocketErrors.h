#pragma once
// The Windows Sockets error codes the client's texts are keyed by, and the
// mapping from errno.
namespace parlevox::wsa {

constexpr int kNoError = 0;
constexpr int kInterrupted = 10004;       // WSAEINTR
constexpr int kBadFile = 10009;           // WSAEBADF
constexpr int kAccessDenied = 10013;      // WSAEACCES
constexpr int kBadAddress = 10014;        // WSAEFAULT
constexpr int kInvalidArgument = 10022;   // WSAEINVAL
constexpr int kTooManyFiles = 10024;      // WSAEMFILE
constexpr int kWouldBlock = 10035;        // WSAEWOULDBLOCK
constexpr int kInProgress = 10036;        // WSAEINPROGRESS
constexpr int kAlready = 10037;           // WSAEALREADY
constexpr int kNotSocket = 10038;         // WSAENOTSOCK
constexpr int kDestinationRequired = 10039;
constexpr int kMessageSize = 10040;
constexpr int kProtocolType = 10041;
constexpr int kProtocolOption = 10042;
constexpr int kProtocolNotSupported = 10043;
constexpr int kOperationNotSupported = 10045;
constexpr int kAddressFamily = 10047;     // WSAEAFNOSUPPORT
constexpr int kAddressInUse = 10048;      // WSAEADDRINUSE
constexpr int kAddressNotAvailable = 10049;
constexpr int kNetworkDown = 10050;
constexpr int kNetworkUnreachable = 10051;
constexpr int kNetworkReset = 10052;
constexpr int kConnectionAborted = 10053;
constexpr int kConnectionReset = 10054;
constexpr int kNoBufferSpace = 10055;
constexpr int kAlreadyConnected = 10056;
constexpr int kNotConnected = 10057;
constexpr int kShutdown = 10058;
constexpr int kTimedOut = 10060;
constexpr int kConnectionRefused = 10061;
constexpr int kHostDown = 10064;
constexpr int kHostUnreachable = 10065;
constexpr int kHostNotFound = 11001;      // WSAHOST_NOT_FOUND
constexpr int kTryAgain = 11002;          // WSATRY_AGAIN

// The Winsock code for an errno value; one without a counterpart becomes
// 10000 + errno, so no failure reads as success.
int FromErrno(int error);

}  // namespace parlevox::wsa
