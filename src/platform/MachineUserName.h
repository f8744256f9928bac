#pragma once
#include <string>

namespace parlevox {

// The user name used when none is set: a stable 32-bit value of this
// machine printed in lower-case hexadecimal.
std::string MachineUserName();

}  // namespace parlevox
