#pragma once
// Base of every "window" of the core, visible or hidden: it owns a handle
// that the loop delivers messages and timers to. When the object goes, its
// handle goes with it, so queued messages and timers for it are dropped.
#include <cstdint>

#include "platform/WindowMessage.h"

namespace parlevox {

class EventLoop;

class MessageTarget {
public:
    explicit MessageTarget(EventLoop& loop);
    virtual ~MessageTarget();
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;

    WindowHandle Handle() const { return handle_; }
    EventLoop& Loop() const { return loop_; }

    // Message sent or posted to this target; the result goes back to a sender.
    virtual intptr_t OnMessage(WindowMessage& message);
    // A window timer set with SetTimer fired.
    virtual void OnTimer(uint32_t timerId);

    void SetTimer(uint32_t timerId, uint32_t intervalMs);
    void KillTimer(uint32_t timerId);

private:
    EventLoop& loop_;
    WindowHandle handle_;
};

}  // namespace parlevox
