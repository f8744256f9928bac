#pragma once
// What the client knows about its one server connection. The network
// control owns it and hands it by reference to what reads or fills it.
#include <string>

namespace parlevox {

struct ConnectionState {
    bool connected = false;          // set by numeric 004, cleared on close or reset
    std::string currentNick;         // copied from the nick setting at connect
    std::string currentUserName;     // copied from "Your info"/"Username" at connect
    bool servicesNetwork = false;    // server host ends with the services domain
    std::string serverName;          // from numeric 004
    double servicesVersion = 0;      // "dal" server versions: the number after the prefix
    std::string localAddress;        // our end of the server socket, for DCC offers
    std::string localHostName;       // its host name once looked up, else the address
    bool suppressOutput = false;     // scripts' output suppression flag
};

// The eight-character domain suffix of the network whose services the
// client's ChanServ and NickServ dialogs talk to.
inline constexpr const char* kServicesDomainSuffix = ".dal.net";

bool IsServicesHost(const std::string& host);

// The number written after "dal" in a server version: the longest decimal
// prefix after optional white space ("dal4.4.15" gives 4.4); 0 otherwise.
double ServicesVersionFromServerVersion(const std::string& version);

}  // namespace parlevox
