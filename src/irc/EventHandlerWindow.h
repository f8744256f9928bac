#pragma once
// Base of windows that take events from the network window: registers
// handler records with it (0x9002), receives deliveries (0x9000), passes each
// event on when its handler returns, and removes its records when it goes.
#include <cstdint>
#include <string>

#include "irc/HandlerRecord.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class CIRCMessage;

class EventHandlerWindow : public MessageTarget {
public:
    EventHandlerWindow(EventLoop& loop, WindowHandle networkWindow);
    ~EventHandlerWindow() override;

    // Registers this window for the event type; returns the handler id.
    uint32_t Register(uint32_t eventType, int32_t priority);
    uint32_t Register(HandlerRecord record);
    void RemoveHandler(uint32_t handlerId);
    void RemoveAllHandlers();

    intptr_t OnMessage(WindowMessage& message) override;

protected:
    // Called for each delivered event; the event passes on when it returns.
    virtual void OnEvent(CIRCMessage& message, uint32_t handlerId) = 0;
    WindowHandle NetworkWindow() const { return networkWindow_; }
    // Called during OnEvent: the event goes to no further handler and is
    // destroyed when OnEvent returns.
    void EndChain() { endChain_ = true; }

private:
    WindowHandle networkWindow_;
    bool endChain_ = false;
};

}  // namespace parlevox
