#pragma once
// The box that tells the user why the network disconnected them.
#include "common/MessageBox.h"

namespace parlevox {

class C_imKill;

MessageBoxRequest KillExplanation(const C_imKill& kill);

}  // namespace parlevox
