#include "irc/IMPrivmsg.h"

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"

namespace parlevox {
namespace {

// The word after "DCC" names the request; its case does not matter.
bool IsDCCRequest(const C_imCTCPMessage& message, std::string_view word) {
    std::string_view argument = message.ctcpArgument;
    return message.IsDCC() && argument.size() >= word.size() &&
           EqualsIgnoringCase(argument.substr(0, word.size()), word);
}

}  // namespace

// --- C_imPRIVMSG ---

C_imPRIVMSG::C_imPRIVMSG(CIRCMessage&& generic)
    : CIRCMessage(std::move(generic)), senderAddress(AddressRecord::FromSender(sender)) {
    eventType = kPRIVMSG;
}

bool C_imPRIVMSG::Accepts(const CIRCMessage& generic) {
    return generic.command == "PRIVMSG";
}

std::unique_ptr<C_imPRIVMSG> C_imPRIVMSG::Create(CIRCMessage& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imPRIVMSG self(std::move(generic));
    if (auto sub = CreateFirstAccepting<C_imPRIVMSG, C_imNormalPM, C_imCTCPMessage>(self)) return sub;
    return std::make_unique<C_imPRIVMSG>(std::move(self));
}

void C_imPRIVMSG::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

// --- C_imNormalPM ---

C_imNormalPM::C_imNormalPM(C_imPRIVMSG&& generic) : C_imPRIVMSG(std::move(generic)) {
    eventType = kNormalPM;
}

bool C_imNormalPM::Accepts(const C_imPRIVMSG& generic) {
    return !IsCTCPText(generic.text);
}

std::unique_ptr<C_imNormalPM> C_imNormalPM::Create(C_imPRIVMSG& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imNormalPM self(std::move(generic));
    if (auto sub = CreateFirstAccepting<C_imNormalPM, C_imPrivateMessage, C_imChannelMessage>(self)) return sub;
    PARLEVOX_INTERNAL_ERROR();
    return std::make_unique<C_imNormalPM>(std::move(self));
}

void C_imNormalPM::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imPRIVMSG::SetSystemVariables(sink);
}

void C_imNormalPM::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) text = std::move(*value);
}

C_imPrivateMessage::C_imPrivateMessage(C_imNormalPM&& generic) : C_imNormalPM(std::move(generic)) {
    eventType = kPrivateMessage;
}

bool C_imPrivateMessage::Accepts(const C_imNormalPM& generic) {
    return !IsChannelTarget(generic.params[0]);
}

std::unique_ptr<C_imPrivateMessage> C_imPrivateMessage::Create(C_imNormalPM& generic) {
    return CreateIfAccepted<C_imPrivateMessage>(generic);
}

C_imChannelMessage::C_imChannelMessage(C_imNormalPM&& generic)
    : C_imNormalPM(std::move(generic)), channel(params[0]) {
    eventType = kChannelMessage;
}

bool C_imChannelMessage::Accepts(const C_imNormalPM& generic) {
    return IsChannelTarget(generic.params[0]);
}

std::unique_ptr<C_imChannelMessage> C_imChannelMessage::Create(C_imNormalPM& generic) {
    return CreateIfAccepted<C_imChannelMessage>(generic);
}

void C_imChannelMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imNormalPM::SetSystemVariables(sink);
}

// --- C_imCTCPMessage ---

C_imCTCPMessage::C_imCTCPMessage(C_imPRIVMSG&& generic) : C_imPRIVMSG(std::move(generic)) {
    eventType = kCTCPMessage;
    SplitCTCPText(text, ctcpType, ctcpArgument);
}

bool C_imCTCPMessage::Accepts(const C_imPRIVMSG& generic) {
    return IsCTCPText(generic.text);
}

std::unique_ptr<C_imCTCPMessage> C_imCTCPMessage::Create(C_imPRIVMSG& generic) {
    if (!Accepts(generic)) return nullptr;
    C_imCTCPMessage self(std::move(generic));
    auto sub = CreateFirstAccepting<C_imCTCPMessage, C_imPrivateMe, C_imChannelMe, C_imPrivateCTCP, C_imChannelCTCP,
                                    C_imDCCOffer, DCCRequest, C_imDCCChat, C_imDCCResume, C_imDCCAccept>(self);
    if (sub) return sub;
    PARLEVOX_INTERNAL_ERROR();  // a private DCC request of an unknown kind
    return std::make_unique<C_imCTCPMessage>(std::move(self));
}

void C_imCTCPMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", ctcpArgument);
    sink.SetString("sSysType", ctcpType);
    C_imPRIVMSG::SetSystemVariables(sink);
}

void C_imCTCPMessage::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) ctcpArgument = std::move(*value);
}

bool C_imCTCPMessage::IsDCC() const {
    return EqualsIgnoringCase(ctcpType, "DCC");
}

C_imPrivateMe::C_imPrivateMe(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kPrivateMe;
}

bool C_imPrivateMe::Accepts(const C_imCTCPMessage& generic) {
    return !IsChannelTarget(generic.params[0]) && generic.ctcpType == "ACTION";
}

std::unique_ptr<C_imPrivateMe> C_imPrivateMe::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imPrivateMe>(generic);
}

C_imChannelMe::C_imChannelMe(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)), channel(params[0]) {
    eventType = kChannelMe;
}

bool C_imChannelMe::Accepts(const C_imCTCPMessage& generic) {
    return IsChannelTarget(generic.params[0]) && generic.ctcpType == "ACTION";
}

std::unique_ptr<C_imChannelMe> C_imChannelMe::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imChannelMe>(generic);
}

void C_imChannelMe::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imPrivateCTCP::C_imPrivateCTCP(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kPrivateCTCP;
}

bool C_imPrivateCTCP::Accepts(const C_imCTCPMessage& generic) {
    return !IsChannelTarget(generic.params[0]) && generic.ctcpType != "ACTION" && !generic.IsDCC();
}

std::unique_ptr<C_imPrivateCTCP> C_imPrivateCTCP::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imPrivateCTCP>(generic);
}

C_imChannelCTCP::C_imChannelCTCP(C_imCTCPMessage&& generic)
    : C_imCTCPMessage(std::move(generic)), channel(params[0]) {
    eventType = kChannelCTCP;
}

bool C_imChannelCTCP::Accepts(const C_imCTCPMessage& generic) {
    return IsChannelTarget(generic.params[0]) && generic.ctcpType != "ACTION";
}

std::unique_ptr<C_imChannelCTCP> C_imChannelCTCP::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imChannelCTCP>(generic);
}

void C_imChannelCTCP::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

// --- DCC requests ---

C_imDCCOffer::C_imDCCOffer(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kDCCOffer;
}

bool C_imDCCOffer::Accepts(const C_imCTCPMessage& generic) {
    return IsDCCRequest(generic, "SEND");
}

std::unique_ptr<C_imDCCOffer> C_imDCCOffer::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imDCCOffer>(generic);
}

void C_imDCCOffer::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCFilesize", static_cast<int>(fileSize));
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCChat::C_imDCCChat(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kDCCChat;
}

bool C_imDCCChat::Accepts(const C_imCTCPMessage& generic) {
    return IsDCCRequest(generic, "CHAT");
}

std::unique_ptr<C_imDCCChat> C_imDCCChat::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imDCCChat>(generic);
}

void C_imDCCChat::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCResume::C_imDCCResume(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kDCCResume;
}

bool C_imDCCResume::Accepts(const C_imCTCPMessage& generic) {
    return IsDCCRequest(generic, "RESUME");
}

std::unique_ptr<C_imDCCResume> C_imDCCResume::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imDCCResume>(generic);
}

void C_imDCCResume::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", static_cast<int>(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCAccept::C_imDCCAccept(C_imCTCPMessage&& generic) : C_imCTCPMessage(std::move(generic)) {
    eventType = kDCCAccept;
}

bool C_imDCCAccept::Accepts(const C_imCTCPMessage& generic) {
    return IsDCCRequest(generic, "ACCEPT");
}

std::unique_ptr<C_imDCCAccept> C_imDCCAccept::Create(C_imCTCPMessage& generic) {
    return CreateIfAccepted<C_imDCCAccept>(generic);
}

void C_imDCCAccept::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", static_cast<int>(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

}  // namespace parlevox
