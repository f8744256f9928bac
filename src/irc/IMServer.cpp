#include "irc/IMServer.h"

namespace parlevox {

int NumericOf(std::string_view command) {
    if (command.empty()) return 0;
    int value = 0;
    for (char c : command) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > 999) return 0;
    }
    return value;
}

void C_imInvite::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    sink.SetString("sSysChannel", channel);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imServerNumeric::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysNumeric", numeric);
    sink.SetString("sSysText", text);
    sink.SetString("sSysSendingServer", sendingServer);
    for (size_t i = 1; i <= kMaxMiddleParams; ++i) sink.SetString(ParamVariableName(i), params[i]);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imError::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imServerNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imKill::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    sink.SetString("sSysKiller", killer);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imSilence::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imWallops::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

}  // namespace parlevox
