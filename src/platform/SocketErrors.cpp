#include "platform/SocketErrors.h"

#include <cerrno>

namespace parlevox::wsa {

int FromErrno(int error) {
    switch (error) {
        case 0: return kNoError;
        case EINTR: return kInterrupted;
        case EBADF: return kBadFile;
        case EACCES: case EPERM: return kAccessDenied;
        case EFAULT: return kBadAddress;
        case EINVAL: return kInvalidArgument;
        case EMFILE: case ENFILE: return kTooManyFiles;
        case EAGAIN: return kWouldBlock;
        case EINPROGRESS: return kWouldBlock;  // a pending connect reads as "would block"
        case EALREADY: return kAlready;
        case ENOTSOCK: return kNotSocket;
        case EDESTADDRREQ: return kDestinationRequired;
        case EMSGSIZE: return kMessageSize;
        case EPROTOTYPE: return kProtocolType;
        case ENOPROTOOPT: return kProtocolOption;
        case EPROTONOSUPPORT: return kProtocolNotSupported;
        case EOPNOTSUPP: return kOperationNotSupported;
        case EAFNOSUPPORT: return kAddressFamily;
        case EADDRINUSE: return kAddressInUse;
        case EADDRNOTAVAIL: return kAddressNotAvailable;
        case ENETDOWN: return kNetworkDown;
        case ENETUNREACH: return kNetworkUnreachable;
        case ENETRESET: return kNetworkReset;
        case ECONNABORTED: return kConnectionAborted;
        case ECONNRESET: case EPIPE: return kConnectionReset;
        case ENOBUFS: case ENOMEM: return kNoBufferSpace;
        case EISCONN: return kAlreadyConnected;
        case ENOTCONN: return kNotConnected;
        case ESHUTDOWN: return kShutdown;
        case ETIMEDOUT: return kTimedOut;
        case ECONNREFUSED: return kConnectionRefused;
        case EHOSTDOWN: return kHostDown;
        case EHOSTUNREACH: return kHostUnreachable;
        default: return 10000 + error;
    }
}

}  // namespace parlevox::wsa
