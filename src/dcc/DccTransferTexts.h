#pragma once
// Every text a file transfer shows, in one place.

namespace parlevox::dcc_texts {

// Box titles.
inline constexpr const char* kDccError = "DCC error";
inline constexpr const char* kGetError = "DCC Get Error";
inline constexpr const char* kGetWriteError = "DCC GET error";
inline constexpr const char* kSystemErrorTitle = "GetLastError";

// Offering a file.
inline constexpr const char* kCannotOpenGivenFile = "It wasn't possible to open the given file.";
inline constexpr const char* kCannotCreateListener = "It wasn't possible to create a DCC listening socket.";
inline constexpr const char* kCannotListen = "It wasn't possible to set a DCC socket to listening for connections.";
inline constexpr const char* kAcceptFailed = "Failed to accept connection request";

// Sending.
inline constexpr const char* kSendOpenFailed = "File could not be opened";
inline constexpr const char* kSendSeekFailed = "Could not resume send";
inline constexpr const char* kSendingFailed = "Error sending data";
inline constexpr const char* kFileReadFailed = "Error reading file";
inline constexpr const char* kAckReadFailed = "Error receiving acknowlegement";
inline constexpr const char* kClosedEarly = "Connection closed before file transfer complete";

// Receiving.
inline constexpr const char* kCannotCreateReader = "Couldn't create reading socket.";
inline constexpr const char* kCannotConnectTo = "Couldn't connect to required address ";
inline constexpr const char* kCannotOpenTarget = "Couldn't open the file.";
inline constexpr const char* kCannotCreateTarget =
    "Couldn't create the file. Check that the folder these files are saved to is okay (in Prefs/File Transfer).";
inline constexpr const char* kWriteFailed = "Error writing to file %s.";
inline constexpr const char* kHelperFailed = "Failed to load helper";
// A plug-in's resumed file: what the file held is read first.
inline constexpr const char* kCannotReadFile = "Couldn't read the file.";
inline constexpr const char* kCannotReadInitialData = "Couldn't read the initial data";
// By the reader's error code.
inline constexpr const char* kClosedByPeer = "Connection closed by other end";
inline constexpr const char* kReadFailed = "Failure reading data";
inline constexpr const char* kAckSendFailed = "Failure sending acknowledgement";
inline constexpr const char* kConnectFailed = "Connection attempt failed";

// The progress window.
inline constexpr const char* kDataRead = "Data read: %s";
inline constexpr const char* kDataSent = "Data sent: %s";
inline constexpr const char* kDataAcknowledged = "Data acknowledged: %s";
inline constexpr const char* kTotalSize = "Total file size: %s";
inline constexpr const char* kWaitingForConnection = "Waiting for connection";
inline constexpr const char* kAttemptingToConnect = "Attempting to connect";
inline constexpr const char* kConnectedOk = "Connected OK";
inline constexpr const char* kCompletedOk = "Completed OK";

}  // namespace parlevox::dcc_texts
