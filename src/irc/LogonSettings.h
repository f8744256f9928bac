#pragma once
// The settings the logon uses, read fresh for each connection.
#include <string>

namespace parlevox {

struct LogonSettings {
    std::string nick;      // "Nicknames"/"Name1"
    std::string userName;  // "Your info"/"Username"; a stable machine value when empty
    std::string tagline;   // "Your info"/"Tagline"

    static LogonSettings Read();
};

// The user name used when none is set: a stable 32-bit value of this
// machine printed in lower-case hexadecimal.
std::string MachineUserName();

}  // namespace parlevox
