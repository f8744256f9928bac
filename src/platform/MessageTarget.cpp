#include "platform/MessageTarget.h"

#include "platform/EventLoop.h"

namespace parlevox {

MessageTarget::MessageTarget(EventLoop& loop) : loop_(loop), handle_(loop.Register(this)) {}

MessageTarget::~MessageTarget() {
    loop_.Unregister(handle_);
}

intptr_t MessageTarget::OnMessage(WindowMessage&) {
    return 0;
}

void MessageTarget::OnTimer(uint32_t) {}

void MessageTarget::SetTimer(uint32_t timerId, uint32_t intervalMs) {
    loop_.SetTimer(handle_, timerId, intervalMs);
}

void MessageTarget::KillTimer(uint32_t timerId) {
    loop_.KillTimer(handle_, timerId);
}

}  // namespace parlevox
