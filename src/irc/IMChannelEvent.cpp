#include "irc/IMChannelEvent.h"

#include "common/InternalErrorReport.h"

namespace parlevox {

C_imChannelEvent::C_imChannelEvent(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), channel(TargetOf(*this)), senderAddress(AddressRecord::FromSender(sender)) {
    eventType = kChannelEvent;
}

bool C_imChannelEvent::Accepts(const CIRCMessage& generic) {
    const std::string& command = generic.command;
    if (command == "MODE") return IsChannelTarget(TargetOf(generic));
    return command == "JOIN" || command == "PART" || command == "KICK" || command == "NAME" || command == "TOPIC";
}

std::unique_ptr<C_imChannelEvent> C_imChannelEvent::Create(CIRCMessage& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imChannelEvent self(std::move(generic));
    auto sub = CreateFirstAccepting<C_imChannelEvent, C_imChannelJoin, C_imChannelPart, C_imChannelKick,
                                    C_imChannelMode, C_imChannelName, C_imChannelTopic>(self);
    if (sub) return sub;
    PARLEVOX_INTERNAL_ERROR();
    return std::make_unique<C_imChannelEvent>(std::move(self));
}

void C_imChannelEvent::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    sink.SetString("sSysChannel", channel);
    CIRCMessage::SetSystemVariables(sink);
}

C_imChannelJoin::C_imChannelJoin(C_imChannelEvent&& generic) : C_imChannelEvent(std::move(generic)) {
    eventType = kChannelJoin;
}

bool C_imChannelJoin::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "JOIN";
}

std::unique_ptr<C_imChannelJoin> C_imChannelJoin::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelJoin>(generic);
}

C_imChannelPart::C_imChannelPart(C_imChannelEvent&& generic) : C_imChannelEvent(std::move(generic)) {
    eventType = kChannelPart;
}

bool C_imChannelPart::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "PART";
}

std::unique_ptr<C_imChannelPart> C_imChannelPart::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelPart>(generic);
}

void C_imChannelPart::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

C_imChannelKick::C_imChannelKick(C_imChannelEvent&& generic)
    : C_imChannelEvent(std::move(generic)), targetNick(params[1]) {
    eventType = kChannelKick;
}

bool C_imChannelKick::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "KICK";
}

std::unique_ptr<C_imChannelKick> C_imChannelKick::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelKick>(generic);
}

void C_imChannelKick::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

C_imChannelMode::C_imChannelMode(C_imChannelEvent&& generic) : C_imChannelEvent(std::move(generic)) {
    eventType = kChannelMode;
    SplitModeWords(*this, modeFlags, modeParams);
}

bool C_imChannelMode::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "MODE" && IsChannelTarget(generic.channel);
}

std::unique_ptr<C_imChannelMode> C_imChannelMode::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelMode>(generic);
}

void C_imChannelMode::SetSystemVariables(SystemVariableSink& sink) const {
    PublishModeWords(sink, modeFlags, modeParams);
    C_imChannelEvent::SetSystemVariables(sink);
}

C_imChannelName::C_imChannelName(C_imChannelEvent&& generic)
    : C_imChannelEvent(std::move(generic)), targetNick(params[1].empty() ? text : params[1]) {
    eventType = kChannelName;
}

bool C_imChannelName::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "NAME";
}

std::unique_ptr<C_imChannelName> C_imChannelName::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelName>(generic);
}

void C_imChannelName::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysTargetNick", targetNick);
    C_imChannelEvent::SetSystemVariables(sink);
}

C_imChannelTopic::C_imChannelTopic(C_imChannelEvent&& generic) : C_imChannelEvent(std::move(generic)) {
    eventType = kChannelTopic;
}

bool C_imChannelTopic::Accepts(const C_imChannelEvent& generic) {
    return generic.command == "TOPIC";
}

std::unique_ptr<C_imChannelTopic> C_imChannelTopic::Create(C_imChannelEvent& generic) {
    return CreateIfAccepted<C_imChannelTopic>(generic);
}

void C_imChannelTopic::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imChannelEvent::SetSystemVariables(sink);
}

}  // namespace parlevox
