#include "irc/IMGlobalEvent.h"

#include "common/InternalErrorReport.h"

namespace parlevox {
C_imGlobalEvent::C_imGlobalEvent(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), senderAddress(AddressRecord::FromSender(sender)) {
    eventType = kGlobalEvent;
}

bool C_imGlobalEvent::Accepts(const CIRCMessage& generic) {
    if (generic.command == "MODE") return !IsChannelTarget(TargetOf(generic));
    return generic.command == "NICK" || generic.command == "QUIT";
}

std::unique_ptr<C_imGlobalEvent> C_imGlobalEvent::Create(CIRCMessage& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imGlobalEvent self(std::move(generic));
    if (auto sub = CreateFirstAccepting<C_imGlobalEvent, C_imNick, C_imQuit, C_imNickMode>(self)) return sub;
    PARLEVOX_INTERNAL_ERROR();
    return std::make_unique<C_imGlobalEvent>(std::move(self));
}

void C_imGlobalEvent::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

C_imNick::C_imNick(C_imGlobalEvent&& generic) : C_imGlobalEvent(std::move(generic)), targetNick(TargetOf(*this)) {
    eventType = kNick;
}

bool C_imNick::Accepts(const C_imGlobalEvent& generic) {
    return generic.command == "NICK";
}

std::unique_ptr<C_imNick> C_imNick::Create(C_imGlobalEvent& generic) {
    return CreateIfAccepted<C_imNick>(generic);
}

void C_imNick::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    C_imGlobalEvent::SetSystemVariables(sink);
}

C_imQuit::C_imQuit(C_imGlobalEvent&& generic) : C_imGlobalEvent(std::move(generic)) {
    eventType = kQuit;
}

bool C_imQuit::Accepts(const C_imGlobalEvent& generic) {
    return generic.command == "QUIT";
}

std::unique_ptr<C_imQuit> C_imQuit::Create(C_imGlobalEvent& generic) {
    return CreateIfAccepted<C_imQuit>(generic);
}

void C_imQuit::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imGlobalEvent::SetSystemVariables(sink);
}

C_imNickMode::C_imNickMode(C_imGlobalEvent&& generic) : C_imGlobalEvent(std::move(generic)) {
    eventType = kNickMode;
    SplitModeWords(*this, modeFlags, modeParams);
}

bool C_imNickMode::Accepts(const C_imGlobalEvent& generic) {
    return generic.command == "MODE" && !IsChannelTarget(TargetOf(generic));
}

std::unique_ptr<C_imNickMode> C_imNickMode::Create(C_imGlobalEvent& generic) {
    return CreateIfAccepted<C_imNickMode>(generic);
}

void C_imNickMode::SetSystemVariables(SystemVariableSink& sink) const {
    PublishModeWords(sink, modeFlags, modeParams);
    C_imGlobalEvent::SetSystemVariables(sink);
}

}  // namespace parlevox
