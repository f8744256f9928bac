#include "irc/NetworkTexts.h"

#include <fmt/printf.h>

#include "platform/SocketErrors.h"

namespace parlevox::texts {

std::string ConnectErrorText(int wsaCode) {
    switch (wsaCode) {
        case 10014: return "The lpSockAddrLen argument is incorrect.";
        case 10022: return "The socket is already bound to an address.";
        case 10024: return "No more file descriptors are available.";
        case 10038: return "The descriptor is a file, not a socket.";
        case 10039: return "A destination address is required.";
        case 10047: return "Addresses in the specified family cannot be used with this socket.";
        case 10048: return "The specified address is already in use.";
        case 10049: return "Address is not available from local machine.";
        case 10051: return "The network cannot be reached.";
        case 10055: return "Out of buffer space.";
        case 10056: return "The socket is already connected.";
        case 10057: return "The socket is not connected.";
        case 10060: return "Connection timed out.";
        case 10061: return "Connection rejected by server.";
        case wsa::kHostNotFound: return kHostNotFound;
        default: return fmt::sprintf(kOtherConnectError, wsaCode);
    }
}

}  // namespace parlevox::texts
