#pragma once
// Messages from the server itself or about the user's own standing on it:
// invitations, numeric replies, errors, server notices, kills, SILENCE and
// WALLOPS.
#include <string>
#include <string_view>

#include "irc/IRCMessage.h"

namespace parlevox {

// 1..999 when the command is a decimal number in that range (leading zeros
// allowed), else 0.
int NumericOf(std::string_view command);

class C_imInvite : public IRCMessageOf<C_imInvite, CIRCMessage, kInvite> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const CIRCMessage& generic) { return generic.command == "INVITE"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress = AddressRecord::FromSender(sender);
    // params[1]; servers that send the channel as the trailing text
    // (":a!b@c INVITE me :#x") leave params[1] empty, so the text stands in.
    std::string channel = params[1].empty() ? text : params[1];
};

class C_imServerNumeric : public IRCMessageOf<C_imServerNumeric, CIRCMessage, kServerNumeric> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const CIRCMessage& generic) { return NumericOf(generic.command) != 0; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    // 1..14: the reply's parameters after params[0], the client's own nick.
    const std::string& ReplyParam(size_t index) const { return params[index]; }

    int numeric = NumericOf(command);
    std::string sendingServer = sender;
};

class C_imError : public IRCMessageOf<C_imError, CIRCMessage, kError> {
public:
    // Made by the network window from an "ERROR" line.
    explicit C_imError(std::string errorText) { text = std::move(errorText); }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imServerNotice : public IRCMessageOf<C_imServerNotice, CIRCMessage, kServerNotice> {
public:
    using IRCMessageOf::IRCMessageOf;
    // Made by the network window from a "NOTICE" line without a prefix.
    explicit C_imServerNotice(std::string noticeText) { text = std::move(noticeText); }
    // NOTICE from a sender without "@" (a server).
    static bool Accepts(const CIRCMessage& generic) {
        return generic.command == "NOTICE" && generic.sender.find('@') == std::string::npos;
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imKill : public IRCMessageOf<C_imKill, CIRCMessage, kKill> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const CIRCMessage& generic) { return generic.command == "KILL"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string killer = sender;
};

class C_imSilence : public IRCMessageOf<C_imSilence, CIRCMessage, kSilence> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const CIRCMessage& generic) { return generic.command == "SILENCE"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imWallops : public IRCMessageOf<C_imWallops, CIRCMessage, kWallops> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const CIRCMessage& generic) { return generic.command == "WALLOPS"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress = AddressRecord::FromSender(sender);
};

}  // namespace parlevox
