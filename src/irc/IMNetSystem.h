#pragma once
// Events the client makes itself: the connection coming up and going down,
// and the network services appearing and vanishing. No line is parsed into
// them, so they have no factories.
#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNetSystem : public IRCMessageOf<C_imNetSystem, CIRCMessage, kNetSystem> {
public:
    explicit C_imNetSystem(int reason = 0) : reason(reason) {}

    int reason;
};

class C_imDisconnect : public IRCMessageOf<C_imDisconnect, C_imNetSystem, kDisconnect> {
public:
    explicit C_imDisconnect(int reason) { this->reason = reason; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imConnect : public IRCMessageOf<C_imConnect, C_imNetSystem, kConnect> {
public:
    explicit C_imConnect(int reason) { this->reason = reason; }
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imServicesDown : public IRCMessageOf<C_imServicesDown, C_imNetSystem, kServicesDown> {};

class C_imServicesUp : public IRCMessageOf<C_imServicesUp, C_imNetSystem, kServicesUp> {};

}  // namespace parlevox
