#pragma once
// Starts the installed client on its own: in a session of its own, with
// its folder as the working folder, not waited for.
#include <string>

namespace parlevox {

class ProgramStarter {
public:
    // False when the program could not be executed (the exec's own failure
    // is reported back before this returns).
    static bool StartDetached(const std::string& program, const std::string& folder);
};

}  // namespace parlevox
