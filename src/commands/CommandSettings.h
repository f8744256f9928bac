#pragma once
// What the command processor takes from the settings.
#include <string>

#include "irc/ColourCodes.h"

namespace parlevox {

struct CommandSettings {
    ColourCodes colours;
    // "Misc"/"Services host": where Ns, Cs and Ms send.
    std::string servicesHost = "services.dal.net";
    // The folder the script commands' "Script files/" is in; empty: the
    // client's ProgramFolder.
    std::string programFolder;
};

}  // namespace parlevox
