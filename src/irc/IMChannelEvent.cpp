#include "irc/IMChannelEvent.h"

namespace parlevox {

bool C_imChannelEvent::Accepts(const CIRCMessage& generic) {
    const std::string& command = generic.command;
    if (command == "MODE") return IsChannelTarget(TargetOf(generic));
    return command == "JOIN" || command == "PART" || command == "KICK" || command == "NAME" || command == "TOPIC";
}

void C_imChannelEvent::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    sink.SetString("sSysChannel", channel);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imChannelPart::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

void C_imChannelKick::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

C_imChannelMode::C_imChannelMode(C_imChannelEvent&& generic) : IRCMessageOf(std::move(generic)) {
    SplitModeWords(*this, modeFlags, modeParams);
}

void C_imChannelMode::SetSystemVariables(SystemVariableSink& sink) const {
    PublishModeWords(sink, modeFlags, modeParams);
    C_imChannelEvent::SetSystemVariables(sink);
}

void C_imChannelName::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    C_imChannelEvent::SetSystemVariables(sink);
}

void C_imChannelTopic::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

}  // namespace parlevox
