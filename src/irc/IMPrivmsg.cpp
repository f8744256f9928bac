#include "irc/IMPrivmsg.h"

#include "common/TextHelpers.h"

namespace parlevox {

void C_imPRIVMSG::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imNormalPM::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imPRIVMSG::SetSystemVariables(sink);
}

void C_imNormalPM::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) text = std::move(*value);
}

void C_imChannelMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imNormalPM::SetSystemVariables(sink);
}

C_imCTCPMessage::C_imCTCPMessage(C_imPRIVMSG&& generic) : IRCMessageOf(std::move(generic)) {
    SplitCTCPText(text, ctcpType, ctcpArgument);
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

bool C_imCTCPMessage::IsDCCRequest(std::string_view word) const {
    std::string_view argument = ctcpArgument;
    return IsDCC() && argument.size() >= word.size() && EqualsIgnoringCase(argument.substr(0, word.size()), word);
}

void C_imChannelMe::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

void C_imChannelCTCP::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

// --- DCC requests ---

void C_imDCCOffer::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCFilesize", static_cast<int>(fileSize));
    C_imCTCPMessage::SetSystemVariables(sink);
}

void C_imDCCChat::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    C_imCTCPMessage::SetSystemVariables(sink);
}

void C_imDCCResume::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", static_cast<int>(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

void C_imDCCAccept::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", static_cast<int>(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

}  // namespace parlevox
