#pragma once
// NOTICE from a user (the sender is a full address): plain notices and CTCP
// replies. Notices from servers are C_imServerNotice.
#include <string>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNormalNotice;
class C_imPrivateNotice;
class C_imChannelNotice;
class C_imCTCPReply;

class C_imNotice : public IRCMessageOf<C_imNotice, CIRCMessage, kNotice> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imNormalNotice, C_imCTCPReply>;
    static bool Accepts(const CIRCMessage& generic) {
        return generic.command == "NOTICE" && generic.sender.find('@') != std::string::npos;
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress = AddressRecord::FromSender(sender);
};

class C_imNormalNotice : public IRCMessageOf<C_imNormalNotice, C_imNotice, kNormalNotice> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imPrivateNotice, C_imChannelNotice>;
    static constexpr bool kAlwaysRefined = true;
    static bool Accepts(const C_imNotice& generic) { return !IsCTCPText(generic.text); }
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // A reaction may rewrite the text later handlers show.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;
};

class C_imPrivateNotice : public IRCMessageOf<C_imPrivateNotice, C_imNormalNotice, kPrivateNotice> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imNormalNotice& generic) { return !IsChannelTarget(generic.params[0]); }
};

class C_imChannelNotice : public IRCMessageOf<C_imChannelNotice, C_imNormalNotice, kChannelNotice> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imNormalNotice& generic) { return IsChannelTarget(generic.params[0]); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel = params[0];
};

class C_imCTCPReply : public IRCMessageOf<C_imCTCPReply, C_imNotice, kCTCPReply> {
public:
    explicit C_imCTCPReply(C_imNotice&& generic);
    static bool Accepts(const C_imNotice& generic) { return IsCTCPText(generic.text); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string ctcpType;
    std::string ctcpArgument;
};

}  // namespace parlevox
