#pragma once
// Changes on a channel: joins, parts, kicks, channel modes, names and topics.
#include <string>
#include <vector>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imChannelJoin;
class C_imChannelPart;
class C_imChannelKick;
class C_imChannelMode;
class C_imChannelName;
class C_imChannelTopic;

class C_imChannelEvent : public IRCMessageOf<C_imChannelEvent, CIRCMessage, kChannelEvent> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imChannelJoin, C_imChannelPart, C_imChannelKick, C_imChannelMode,
                                       C_imChannelName, C_imChannelTopic>;
    static constexpr bool kAlwaysRefined = true;
    // JOIN, PART, KICK, NAME and TOPIC; MODE only when its target is a
    // channel, so that user modes reach C_imGlobalEvent.
    static bool Accepts(const CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel = TargetOf(*this);
    AddressRecord senderAddress = AddressRecord::FromSender(sender);
};

class C_imChannelJoin : public IRCMessageOf<C_imChannelJoin, C_imChannelEvent, kChannelJoin> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imChannelEvent& generic) { return generic.command == "JOIN"; }
};

class C_imChannelPart : public IRCMessageOf<C_imChannelPart, C_imChannelEvent, kChannelPart> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imChannelEvent& generic) { return generic.command == "PART"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imChannelKick : public IRCMessageOf<C_imChannelKick, C_imChannelEvent, kChannelKick> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imChannelEvent& generic) { return generic.command == "KICK"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick = params[1];  // the reason is the text
};

class C_imChannelMode : public IRCMessageOf<C_imChannelMode, C_imChannelEvent, kChannelMode> {
public:
    explicit C_imChannelMode(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic) {
        return generic.command == "MODE" && IsChannelTarget(generic.channel);
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string modeFlags;
    std::vector<std::string> modeParams;
};

class C_imChannelName : public IRCMessageOf<C_imChannelName, C_imChannelEvent, kChannelName> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imChannelEvent& generic) { return generic.command == "NAME"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick = params[1].empty() ? text : params[1];
};

class C_imChannelTopic : public IRCMessageOf<C_imChannelTopic, C_imChannelEvent, kChannelTopic> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imChannelEvent& generic) { return generic.command == "TOPIC"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

}  // namespace parlevox
