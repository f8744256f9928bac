#include "irc/IMNetSystem.h"

namespace parlevox {

C_imNetSystem::C_imNetSystem(int reason) : C_imNetSystem(kNetSystem, reason) {}

C_imNetSystem::C_imNetSystem(uint32_t type, int reason) : reason(reason) {
    eventType = type;
}

C_imDisconnect::C_imDisconnect(int reason) : C_imNetSystem(kDisconnect, reason) {}

void C_imDisconnect::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysReason", reason);
    C_imNetSystem::SetSystemVariables(sink);
}

C_imConnect::C_imConnect(int reason) : C_imNetSystem(kConnect, reason) {}

void C_imConnect::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysReason", reason);
    C_imNetSystem::SetSystemVariables(sink);
}

C_imServicesDown::C_imServicesDown() : C_imNetSystem(kServicesDown, 0) {}

C_imServicesUp::C_imServicesUp() : C_imNetSystem(kServicesUp, 0) {}

}  // namespace parlevox
