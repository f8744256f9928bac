#pragma once
// Takes ownership of a message object and hands it to the interested
// windows (CIRCNotifyList is the one the client uses).
#include <memory>

#include "irc/IRCMessage.h"

namespace parlevox {

class EventDispatcher {
public:
    virtual ~EventDispatcher() = default;
    virtual void Dispatch(std::unique_ptr<CIRCMessage> message) = 0;
};

}  // namespace parlevox
