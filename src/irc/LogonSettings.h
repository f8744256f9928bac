#pragma once
// What the network layer takes from the settings: the logon values, the
// colour slots of its status lines and its two switches. The settings layer
// fills it from the options record and hands it down.
#include <cstdint>
#include <string>

#include "irc/ColourCodes.h"

namespace parlevox {

struct LogonSettings {
    std::string nick;      // "Nicknames"/"Name1"
    std::string userName;  // "Your info"/"Username" (the machine's user name when not set)
    std::string tagline;   // "Your info"/"Tagline"
    bool operator==(const LogonSettings&) const = default;
};

struct NetworkSettings {
    LogonSettings logon;
    ColourCodes colours;
    bool stripColours = false;  // "Misc"/"Strip colours"
    bool logging = false;       // "Misc"/"Logging": the traffic log, opened with the network control
    uint16_t identPort = 113;   // "Misc"/"Ident port": where the ident responder listens
    bool operator==(const NetworkSettings&) const = default;
};

}  // namespace parlevox
