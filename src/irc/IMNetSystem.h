#pragma once
// Events the client makes itself: the connection coming up and going down,
// and the network services appearing and vanishing. No line is parsed into
// them, so they have no factories.
#include "irc/IRCMessage.h"

namespace parlevox {

class C_imNetSystem : public CIRCMessage {
public:
    explicit C_imNetSystem(int reason = 0);

    int reason;

protected:
    C_imNetSystem(uint32_t type, int reason);
};

class C_imDisconnect : public C_imNetSystem {
public:
    explicit C_imDisconnect(int reason);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imConnect : public C_imNetSystem {
public:
    explicit C_imConnect(int reason);
    void SetSystemVariables(SystemVariableSink& sink) const override;
};

class C_imServicesDown : public C_imNetSystem {
public:
    C_imServicesDown();
};

class C_imServicesUp : public C_imNetSystem {
public:
    C_imServicesUp();
};

}  // namespace parlevox
