#include "irc/IMNotice.h"

namespace parlevox {

void C_imNotice::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imNormalNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imNotice::SetSystemVariables(sink);
}

void C_imNormalNotice::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) text = std::move(*value);
}

void C_imChannelNotice::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imNormalNotice::SetSystemVariables(sink);
}

C_imCTCPReply::C_imCTCPReply(C_imNotice&& generic) : IRCMessageOf(std::move(generic)) {
    SplitCTCPText(text, ctcpType, ctcpArgument);
}

void C_imCTCPReply::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", ctcpArgument);
    sink.SetString("sSysType", ctcpType);
    C_imNotice::SetSystemVariables(sink);
}

}  // namespace parlevox
