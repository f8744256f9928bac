#pragma once
// Messages from the server itself or about the user's own standing on it:
// invitations, numeric replies, errors, server notices, kills, SILENCE and
// WALLOPS.
#include <memory>
#include <string>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imInvite : public CIRCMessage {
public:
    explicit C_imInvite(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imInvite> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress;
    // params[1]; servers that send the channel as the trailing text
    // (":a!b@c INVITE me :#x") leave params[1] empty, so the text stands in.
    std::string channel;
};

class C_imServerNumeric : public CIRCMessage {
public:
    explicit C_imServerNumeric(CIRCMessage&& generic);
    // The command read as a decimal number is 1..999.
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imServerNumeric> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    // 1..14: the reply's parameters after params[0], the client's own nick.
    const std::string& ReplyParam(size_t index) const { return params[index]; }

    int numeric = 0;
    std::string sendingServer;  // the sender
};

class C_imError : public CIRCMessage {
public:
    // Made by the network window from an "ERROR" line.
    explicit C_imError(std::string text);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imServerNotice : public CIRCMessage {
public:
    // Made by the network window from a "NOTICE" line without a prefix.
    explicit C_imServerNotice(std::string text);
    explicit C_imServerNotice(CIRCMessage&& generic);
    // NOTICE from a sender without "@" (a server).
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imServerNotice> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imKill : public CIRCMessage {
public:
    explicit C_imKill(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imKill> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string killer;  // the sender
};

class C_imSilence : public CIRCMessage {
public:
    explicit C_imSilence(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imSilence> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imWallops : public CIRCMessage {
public:
    explicit C_imWallops(CIRCMessage&& generic);
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imWallops> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress;
};

}  // namespace parlevox
