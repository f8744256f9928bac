#pragma once
// Events about a user rather than a channel: nick changes, quits and user
// modes.
#include <string>
#include <vector>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNick;
class C_imQuit;
class C_imNickMode;

class C_imGlobalEvent : public IRCMessageOf<C_imGlobalEvent, CIRCMessage, kGlobalEvent> {
public:
    using IRCMessageOf::IRCMessageOf;
    using Refinements = MessageClasses<C_imNick, C_imQuit, C_imNickMode>;
    static constexpr bool kAlwaysRefined = true;
    // NICK, QUIT, and MODE when its target is not a channel.
    static bool Accepts(const CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress = AddressRecord::FromSender(sender);
};

class C_imNick : public IRCMessageOf<C_imNick, C_imGlobalEvent, kNick> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imGlobalEvent& generic) { return generic.command == "NICK"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick = TargetOf(*this);  // the new nick
};

class C_imQuit : public IRCMessageOf<C_imQuit, C_imGlobalEvent, kQuit> {
public:
    using IRCMessageOf::IRCMessageOf;
    static bool Accepts(const C_imGlobalEvent& generic) { return generic.command == "QUIT"; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imNickMode : public IRCMessageOf<C_imNickMode, C_imGlobalEvent, kNickMode> {
public:
    explicit C_imNickMode(C_imGlobalEvent&& generic);
    static bool Accepts(const C_imGlobalEvent& generic) {
        return generic.command == "MODE" && !IsChannelTarget(TargetOf(generic));
    }
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string modeFlags;
    std::vector<std::string> modeParams;
};

}  // namespace parlevox
