#include "irc/IMNetSystem.h"

namespace parlevox {

void C_imDisconnect::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysReason", reason);
    C_imNetSystem::SetSystemVariables(sink);
}

void C_imConnect::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysReason", reason);
    C_imNetSystem::SetSystemVariables(sink);
}

}  // namespace parlevox
