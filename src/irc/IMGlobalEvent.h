#pragma once
// Events about a user rather than a channel: nick changes, quits and user
// modes.
#include <memory>
#include <string>
#include <vector>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imGlobalEvent : public CIRCMessage {
public:
    explicit C_imGlobalEvent(CIRCMessage&& generic);
    // NICK, QUIT, and MODE when its target is not a channel.
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imGlobalEvent> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    AddressRecord senderAddress;
};

class C_imNick : public C_imGlobalEvent {
public:
    explicit C_imNick(C_imGlobalEvent&& generic);
    static bool Accepts(const C_imGlobalEvent& generic);
    static std::unique_ptr<C_imNick> Create(C_imGlobalEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick;  // the new nick: params[0], or the text
};

class C_imQuit : public C_imGlobalEvent {
public:
    explicit C_imQuit(C_imGlobalEvent&& generic);
    static bool Accepts(const C_imGlobalEvent& generic);
    static std::unique_ptr<C_imQuit> Create(C_imGlobalEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imNickMode : public C_imGlobalEvent {
public:
    explicit C_imNickMode(C_imGlobalEvent&& generic);
    static bool Accepts(const C_imGlobalEvent& generic);
    static std::unique_ptr<C_imNickMode> Create(C_imGlobalEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string modeFlags;
    std::vector<std::string> modeParams;
};

}  // namespace parlevox
