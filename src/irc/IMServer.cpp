#include "irc/IMServer.h"

namespace parlevox {
namespace {

// 1..999 when the command is a decimal number in that range (leading zeros
// allowed), else 0.
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

}  // namespace

// --- C_imInvite ---

C_imInvite::C_imInvite(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)),
      senderAddress(AddressRecord::FromSender(sender)),
      channel(params[1].empty() ? text : params[1]) {
    eventType = kInvite;
}

bool C_imInvite::Accepts(const CIRCMessage& generic) {
    return generic.command == "INVITE";
}

std::unique_ptr<C_imInvite> C_imInvite::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imInvite>(generic);
}

void C_imInvite::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    sink.SetString("sSysChannel", channel);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imServerNumeric ---

C_imServerNumeric::C_imServerNumeric(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), numeric(NumericOf(command)), sendingServer(sender) {
    eventType = kServerNumeric;
}

bool C_imServerNumeric::Accepts(const CIRCMessage& generic) {
    return NumericOf(generic.command) != 0;
}

std::unique_ptr<C_imServerNumeric> C_imServerNumeric::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imServerNumeric>(generic);
}

void C_imServerNumeric::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysNumeric", numeric);
    sink.SetString("sSysText", text);
    sink.SetString("sSysSendingServer", sendingServer);
    for (size_t i = 1; i <= kMaxMiddleParams; ++i) sink.SetString(ParamVariableName(i), params[i]);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imError ---

C_imError::C_imError(std::string errorText) {
    eventType = kError;
    text = std::move(errorText);
}

void C_imError::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imServerNotice ---

C_imServerNotice::C_imServerNotice(std::string noticeText) {
    eventType = kServerNotice;
    text = std::move(noticeText);
}

C_imServerNotice::C_imServerNotice(CIRCMessage&& generic) : CIRCMessage(std::move(generic)) {
    eventType = kServerNotice;
}

bool C_imServerNotice::Accepts(const CIRCMessage& generic) {
    return generic.command == "NOTICE" && generic.sender.find('@') == std::string::npos;
}

std::unique_ptr<C_imServerNotice> C_imServerNotice::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imServerNotice>(generic);
}

void C_imServerNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imKill ---

C_imKill::C_imKill(CIRCMessage&& generic) : CIRCMessage(std::move(generic)), killer(sender) {
    eventType = kKill;
}

bool C_imKill::Accepts(const CIRCMessage& generic) {
    return generic.command == "KILL";
}

std::unique_ptr<C_imKill> C_imKill::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imKill>(generic);
}

void C_imKill::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    sink.SetString("sSysKiller", killer);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imSilence ---

C_imSilence::C_imSilence(CIRCMessage&& generic) : CIRCMessage(std::move(generic)) {
    eventType = kSilence;
}

bool C_imSilence::Accepts(const CIRCMessage& generic) {
    return generic.command == "SILENCE";
}

std::unique_ptr<C_imSilence> C_imSilence::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imSilence>(generic);
}

void C_imSilence::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imWallops ---

C_imWallops::C_imWallops(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), senderAddress(AddressRecord::FromSender(sender)) {
    eventType = kWallops;
}

bool C_imWallops::Accepts(const CIRCMessage& generic) {
    return generic.command == "WALLOPS";
}

std::unique_ptr<C_imWallops> C_imWallops::Create(CIRCMessage& generic) {
    return CreateIfAccepted<C_imWallops>(generic);
}

void C_imWallops::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

}  // namespace parlevox
