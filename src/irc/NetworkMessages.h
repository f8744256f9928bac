#pragma once
// The network window's private messages: the one door every part of the
// client uses to reach the server connection and the event dispatch.
#include <cstdint>
#include <memory>

#include "platform/WindowMessage.h"

namespace parlevox {

class CIRCMessage;

namespace netmsg {
constexpr uint32_t kDeliverEvent = 0x9000;            // network window -> handler window
constexpr uint32_t kConnect = 0x9001;                 // wParam port, text host
constexpr uint32_t kRegisterHandler = 0x9002;         // object: handler record; returns the id
constexpr uint32_t kRemoveHandler = 0x9003;           // wParam handler id
constexpr uint32_t kRemoveWindowHandlers = 0x9004;    // wParam window handle
constexpr uint32_t kSendLine = 0x9005;                // text: the line
constexpr uint32_t kDispatchEvent = 0x9006;           // object: EventPayload
constexpr uint32_t kRegisterStandardHandlers = 0x9007;  // wParam window handle
constexpr uint32_t kResetSocket = 0x9008;
constexpr uint32_t kLineReceived = 0x9009;            // text: the received line (posted)
}  // namespace netmsg

// Carries a message object made by the client into dispatch.
struct EventPayload : MessagePayload {
    explicit EventPayload(std::unique_ptr<CIRCMessage> m);
    ~EventPayload() override;
    std::unique_ptr<CIRCMessage> message;
};

}  // namespace parlevox
