#pragma once
// PRIVMSG and its family: ordinary messages, CTCP requests and the DCC
// requests that ride in them.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNormalPM;
class C_imPrivateMessage;
class C_imChannelMessage;
class C_imCTCPMessage;
class C_imPrivateMe;
class C_imChannelMe;
class C_imPrivateCTCP;
class C_imChannelCTCP;
class C_imDCCOffer;
class C_imDCCChat;
class C_imDCCResume;
class C_imDCCAccept;

class C_imPRIVMSG : public IRCMessageOf<C_imPRIVMSG, CIRCMessage, kPRIVMSG> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imNormalPM, C_imCTCPMessage>;
    static bool Accepts(const CIRCMessage& generic) { return generic.command == "PRIVMSG"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress = AddressRecord::FromSender(sender);
};

class C_imNormalPM : public IRCMessageOf<C_imNormalPM, C_imPRIVMSG, kNormalPM> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imPrivateMessage, C_imChannelMessage>;
    static constexpr bool kAlwaysRefined = true;
    static bool Accepts(const C_imPRIVMSG& generic) { return !IsCTCPText(generic.text); }
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // A reaction may rewrite the text later handlers show.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;
};

class C_imPrivateMessage : public IRCMessageOf<C_imPrivateMessage, C_imNormalPM, kPrivateMessage> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imNormalPM& generic) { return !IsChannelTarget(generic.params[0]); }
};

class C_imChannelMessage : public IRCMessageOf<C_imChannelMessage, C_imNormalPM, kChannelMessage> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imNormalPM& generic) { return IsChannelTarget(generic.params[0]); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel = params[0];
};

class C_imCTCPMessage : public IRCMessageOf<C_imCTCPMessage, C_imPRIVMSG, kCTCPMessage> {
public:
    explicit C_imCTCPMessage(C_imPRIVMSG&& generic);
    using Refinements = MessageClasses<C_imPrivateMe, C_imChannelMe, C_imPrivateCTCP, C_imChannelCTCP, C_imDCCOffer,
                                       C_imDCCChat, C_imDCCResume, C_imDCCAccept>;
    // Only a private DCC request of an unknown kind stays unrefined. That
    // comes from a peer, so it is no fault of the client's: the parser says
    // so and the network window shows it without a box.
    static bool Accepts(const C_imPRIVMSG& generic) { return IsCTCPText(generic.text); }
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // sSysText is published from the argument, so it is read back there.
    void ReadBackSystemVariables(SystemVariableSink& sink) override;

    bool IsDCC() const;
    // A DCC request whose argument starts with `word`, in any case.
    bool IsDCCRequest(std::string_view word) const;

    std::string ctcpType;
    std::string ctcpArgument;
};

class C_imPrivateMe : public IRCMessageOf<C_imPrivateMe, C_imCTCPMessage, kPrivateMe> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imCTCPMessage& generic) {
        return !IsChannelTarget(generic.params[0]) && generic.ctcpType == "ACTION";
    }
};

class C_imChannelMe : public IRCMessageOf<C_imChannelMe, C_imCTCPMessage, kChannelMe> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imCTCPMessage& generic) {
        return IsChannelTarget(generic.params[0]) && generic.ctcpType == "ACTION";
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel = params[0];
};

class C_imPrivateCTCP : public IRCMessageOf<C_imPrivateCTCP, C_imCTCPMessage, kPrivateCTCP> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imCTCPMessage& generic) {
        return !IsChannelTarget(generic.params[0]) && generic.ctcpType != "ACTION" && !generic.IsDCC();
    }
};

class C_imChannelCTCP : public IRCMessageOf<C_imChannelCTCP, C_imCTCPMessage, kChannelCTCP> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imCTCPMessage& generic) {
        return IsChannelTarget(generic.params[0]) && generic.ctcpType != "ACTION";
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel = params[0];
};

// The DCC classes read their request's words strictly: `valid` is false
// when a number is not digits within its range or a word is missing, and
// such a request is dropped. The words start one character after the
// keyword and are split at single spaces; a file name in double quotes
// (as some peers send names with blanks) is one word. A passive offer
// (the sender cannot listen) has port 0 and a token.
// (The DCCRequest node of the type tree has no class: no line is parsed
// into it.)
class C_imDCCOffer : public IRCMessageOf<C_imDCCOffer, C_imCTCPMessage, kDCCOffer> {
public:
    explicit C_imDCCOffer(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic) { return generic.IsDCCRequest("SEND"); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    bool valid = false;
    std::string address;  // the sender's address as one decimal number
    uint32_t ip = 0;
    int port = 0;
    std::string fileName;
    uint64_t fileSize = 0;  // 0 when the offer gives none
    std::string token;
};

class C_imDCCChat : public IRCMessageOf<C_imDCCChat, C_imCTCPMessage, kDCCChat> {
public:
    explicit C_imDCCChat(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic) { return generic.IsDCCRequest("CHAT"); }
    void SetSystemVariables(SystemVariableSink& sink) const override;
    // A chat request that came over the client link, not in a PRIVMSG: from
    // "nick!x@(BrimConnect)", of type "DCC" with no argument.
    static std::unique_ptr<C_imDCCChat> FromClientLink(const std::string& nick, const std::string& address,
                                                       uint32_t ip, int port);

    bool valid = false;
    std::string address;
    uint32_t ip = 0;
    int port = 0;
    bool viaClientLink = false;  // its nick is the sender's own claim
};

// RESUME and ACCEPT share their words: file name, port, position[, token].
class C_imDCCResume : public IRCMessageOf<C_imDCCResume, C_imCTCPMessage, kDCCResume> {
public:
    explicit C_imDCCResume(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic) { return generic.IsDCCRequest("RESUME"); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    bool valid = false;
    int port = 0;
    std::string fileName;
    uint64_t position = 0;
    std::string token;
};

class C_imDCCAccept : public IRCMessageOf<C_imDCCAccept, C_imCTCPMessage, kDCCAccept> {
public:
    explicit C_imDCCAccept(C_imCTCPMessage&& generic);
    static bool Accepts(const C_imCTCPMessage& generic) { return generic.IsDCCRequest("ACCEPT"); }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    bool valid = false;
    int port = 0;
    std::string fileName;
    uint64_t position = 0;
    std::string token;
};

}  // namespace parlevox
