#pragma once
// Changes on a channel: joins, parts, kicks, channel modes, names and topics.
#include <memory>
#include <string>
#include <vector>

#include "irc/IRCMessage.h"

namespace parlevox {

class C_imChannelEvent : public CIRCMessage {
public:
    explicit C_imChannelEvent(CIRCMessage&& generic);
    // JOIN, PART, KICK, NAME and TOPIC; MODE only when its target is a
    // channel, so that user modes reach C_imGlobalEvent.
    static bool Accepts(const CIRCMessage& generic);
    static std::unique_ptr<C_imChannelEvent> Create(CIRCMessage& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string channel;  // TargetOf(): params[0], or the text
    AddressRecord senderAddress;
};

class C_imChannelJoin : public C_imChannelEvent {
public:
    explicit C_imChannelJoin(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelJoin> Create(C_imChannelEvent& generic);
};

class C_imChannelPart : public C_imChannelEvent {
public:
    explicit C_imChannelPart(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelPart> Create(C_imChannelEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imChannelKick : public C_imChannelEvent {
public:
    explicit C_imChannelKick(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelKick> Create(C_imChannelEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick;  // params[1]; the reason is the text
};

class C_imChannelMode : public C_imChannelEvent {
public:
    explicit C_imChannelMode(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelMode> Create(C_imChannelEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string modeFlags;
    std::vector<std::string> modeParams;
};

class C_imChannelName : public C_imChannelEvent {
public:
    explicit C_imChannelName(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelName> Create(C_imChannelEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;

    std::string targetNick;  // params[1], or the text when params[1] is empty
};

class C_imChannelTopic : public C_imChannelEvent {
public:
    explicit C_imChannelTopic(C_imChannelEvent&& generic);
    static bool Accepts(const C_imChannelEvent& generic);
    static std::unique_ptr<C_imChannelTopic> Create(C_imChannelEvent& generic);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

}  // namespace parlevox
