#include "irc/IMNotice.h"

#include "common/InternalErrorReport.h"

namespace parlevox {
C_imNotice::C_imNotice(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), senderAddress(AddressRecord::FromSender(sender)) {
    eventType = kNotice;
}

bool C_imNotice::Accepts(const CIRCMessage& generic) {
    return generic.command == "NOTICE" && generic.sender.find('@') != std::string::npos;
}

std::unique_ptr<C_imNotice> C_imNotice::Create(CIRCMessage& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imNotice self(std::move(generic));
    if (auto sub = CreateFirstAccepting<C_imNotice, C_imNormalNotice, C_imCTCPReply>(self)) return sub;
    return std::make_unique<C_imNotice>(std::move(self));
}

void C_imNotice::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

C_imNormalNotice::C_imNormalNotice(C_imNotice&& generic) : C_imNotice(std::move(generic)) {
    eventType = kNormalNotice;
}

bool C_imNormalNotice::Accepts(const C_imNotice& generic) {
    return !IsCTCPText(generic.text);
}

std::unique_ptr<C_imNormalNotice> C_imNormalNotice::Create(C_imNotice& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imNormalNotice self(std::move(generic));
    if (auto sub = CreateFirstAccepting<C_imNormalNotice, C_imPrivateNotice, C_imChannelNotice>(self)) return sub;
    PARLEVOX_INTERNAL_ERROR();
    return std::make_unique<C_imNormalNotice>(std::move(self));
}

void C_imNormalNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imNotice::SetSystemVariables(sink);
}

void C_imNormalNotice::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) text = std::move(*value);
}

C_imPrivateNotice::C_imPrivateNotice(C_imNormalNotice&& generic) : C_imNormalNotice(std::move(generic)) {
    eventType = kPrivateNotice;
}

bool C_imPrivateNotice::Accepts(const C_imNormalNotice& generic) {
    return !IsChannelTarget(generic.params[0]);
}

std::unique_ptr<C_imPrivateNotice> C_imPrivateNotice::Create(C_imNormalNotice& generic) {
    return CreateIfAccepted<C_imPrivateNotice>(generic);
}

C_imChannelNotice::C_imChannelNotice(C_imNormalNotice&& generic)
    : C_imNormalNotice(std::move(generic)), channel(params[0]) {
    eventType = kChannelNotice;
}

bool C_imChannelNotice::Accepts(const C_imNormalNotice& generic) {
    return IsChannelTarget(generic.params[0]);
}

std::unique_ptr<C_imChannelNotice> C_imChannelNotice::Create(C_imNormalNotice& generic) {
    return CreateIfAccepted<C_imChannelNotice>(generic);
}

void C_imChannelNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imNormalNotice::SetSystemVariables(sink);
}

C_imCTCPReply::C_imCTCPReply(C_imNotice&& generic) : C_imNotice(std::move(generic)) {
    eventType = kCTCPReply;
    SplitCTCPText(text, ctcpType, ctcpArgument);
}

bool C_imCTCPReply::Accepts(const C_imNotice& generic) {
    return IsCTCPText(generic.text);
}

std::unique_ptr<C_imCTCPReply> C_imCTCPReply::Create(C_imNotice& generic) {
    return CreateIfAccepted<C_imCTCPReply>(generic);
}

void C_imCTCPReply::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", ctcpArgument);
    sink.SetString("sSysType", ctcpType);
    C_imNotice::SetSystemVariables(sink);
}

}  // namespace parlevox
