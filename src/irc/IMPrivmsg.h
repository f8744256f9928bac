#pragma once
// PRIVMSG and its family: ordinary messages, CTCP requests and the DCC
// requests that ride in them.
#include <cstdint>
#include <memory>
#include <string>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imPRIVMSG : public CIRCMessage {
public:
    explicit C_imPRIVMSG(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imPRIVMSG> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress;
};

class C_imNormalPM : public C_imPRIVMSG {
public:
    explicit C_imNormalPM(C_imPRIVMSG&& generic);
    static bool Accepts(const C_imPRIVMSG& generic);
    static std::unique_ptr<C_imNormalPM> Create(C_imPRIVMSG& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // A reaction may rewrite the text later handlers show.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;
};

class C_imPrivateMessage : public C_imNormalPM {
public:
    explicit C_imPrivateMessage(C_imNormalPM&& generic);
    static bool Accepts(const C_imNormalPM& generic);
    static std::unique_ptr<C_imPrivateMessage> Create(C_imNormalPM& generic);
};

class C_imChannelMessage : public C_imNormalPM {
public:
    explicit C_imChannelMessage(C_imNormalPM&& generic);
    static bool Accepts(const C_imNormalPM& generic);
    static std::unique_ptr<C_imChannelMessage> Create(C_imNormalPM& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel;
};

class C_imCTCPMessage : public C_imPRIVMSG {
public:
    explicit C_imCTCPMessage(C_imPRIVMSG&& generic);
    static bool Accepts(const C_imPRIVMSG& generic);
    static std::unique_ptr<C_imCTCPMessage> Create(C_imPRIVMSG& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // sSysText is published from the argument, so it is read back there.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;

    bool IsDCC() const;

    std::string ctcpType;
    std::string ctcpArgument;
};

class C_imPrivateMe : public C_imCTCPMessage {
public:
    explicit C_imPrivateMe(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imPrivateMe> Create(C_imCTCPMessage& generic);
};

class C_imChannelMe : public C_imCTCPMessage {
public:
    explicit C_imChannelMe(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imChannelMe> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel;
};

class C_imPrivateCTCP : public C_imCTCPMessage {
public:
    explicit C_imPrivateCTCP(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imPrivateCTCP> Create(C_imCTCPMessage& generic);
};

class C_imChannelCTCP : public C_imCTCPMessage {
public:
    explicit C_imChannelCTCP(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imChannelCTCP> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel;
};

// The DCC classes only recognise their request here; the DCC negotiation
// fills the address, port, file name, size and position from the argument.
class C_imDCCOffer : public C_imCTCPMessage {
public:
    explicit C_imDCCOffer(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imDCCOffer> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string address;
    int port = 0;
    std::string fileName;
    uint32_t fileSize = 0;
};

// The DCCRequest type id is reserved in the tree, but no line is ever parsed
// into it.
struct DCCRequest {
    static std::unique_ptr<C_imCTCPMessage> Create(C_imCTCPMessage&) { return nullptr; }
};

class C_imDCCChat : public C_imCTCPMessage {
public:
    explicit C_imDCCChat(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imDCCChat> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string address;
    int port = 0;
};

class C_imDCCResume : public C_imCTCPMessage {
public:
    explicit C_imDCCResume(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imDCCResume> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    int port = 0;
    std::string fileName;
    uint32_t position = 0;
};

class C_imDCCAccept : public C_imCTCPMessage {
public:
    explicit C_imDCCAccept(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic);
    static std::unique_ptr<C_imDCCAccept> Create(C_imCTCPMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    int port = 0;
    std::string fileName;
    uint32_t position = 0;
};

}  // namespace parlevox
