#pragma once
// NOTICE from a user (the sender is a full address): plain notices and CTCP
// replies. Notices from servers are C_imServerNotice.
#include <memory>
#include <string>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNotice : public CIRCMessage {
public:
    explicit C_imNotice(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imNotice> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress;
};

class C_imNormalNotice : public C_imNotice {
public:
    explicit C_imNormalNotice(C_imNotice&& generic);
    static bool Accepts(const C_imNotice& generic);
    static std::unique_ptr<C_imNormalNotice> Create(C_imNotice& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // A reaction may rewrite the text later handlers show.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;
};

class C_imPrivateNotice : public C_imNormalNotice {
public:
    explicit C_imPrivateNotice(C_imNormalNotice&& generic);
    static bool Accepts(const C_imNormalNotice& generic);
    static std::unique_ptr<C_imPrivateNotice> Create(C_imNormalNotice& generic);
};

class C_imChannelNotice : public C_imNormalNotice {
public:
    explicit C_imChannelNotice(C_imNormalNotice&& generic);
    static bool Accepts(const C_imNormalNotice& generic);
    static std::unique_ptr<C_imChannelNotice> Create(C_imNormalNotice& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel;
};

class C_imCTCPReply : public C_imNotice {
public:
    explicit C_imCTCPReply(C_imNotice&& generic);
    static bool Accepts(const C_imNotice& generic);
    static std::unique_ptr<C_imCTCPReply> Create(C_imNotice& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string ctcpType;
    std::string ctcpArgument;
};

}  // namespace parlevox
