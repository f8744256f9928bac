#include "irc/IMGlobalEvent.h"

namespace parlevox {

bool C_imGlobalEvent::Accepts(const CIRCMessage& generic) {
    if (generic.command == "MODE") return !IsChannelTarget(TargetOf(generic));
    return generic.command == "NICK" || generic.command == "QUIT";
}

void C_imGlobalEvent::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imNick::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    C_imGlobalEvent::SetSystemVariables(sink);
}

void C_imQuit::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imGlobalEvent::SetSystemVariables(sink);
}

C_imNickMode::C_imNickMode(C_imGlobalEvent&& generic) : IRCMessageOf(std::move(generic)) {
    SplitModeWords(*this, modeFlags, modeParams);
}

void C_imNickMode::SetSystemVariables(SystemVariableSink& sink) const {
    PublishModeWords(sink, modeFlags, modeParams);
    C_imGlobalEvent::SetSystemVariables(sink);
}

}  // namespace parlevox
