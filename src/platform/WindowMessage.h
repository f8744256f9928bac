#pragma once
// A window message: an id with its two parameters. Payloads that the sender
// hands over travel as owned objects (a line as text, anything else as an
// object), never as raw pointers to free.
#include <cstdint>
#include <memory>
#include <string>

namespace parlevox {

using WindowHandle = uint64_t;  // never reused during a run; 0 is no window

// Base of objects carried by a message.
struct MessagePayload {
    virtual ~MessagePayload() = default;
};

struct WindowMessage {
    uint32_t id = 0;
    intptr_t wParam = 0;
    intptr_t lParam = 0;
    std::string text;
    std::unique_ptr<MessagePayload> object;

    WindowMessage() = default;
    explicit WindowMessage(uint32_t messageId, intptr_t w = 0, intptr_t l = 0) : id(messageId), wParam(w), lParam(l) {}
    WindowMessage(uint32_t messageId, std::string line) : id(messageId), text(std::move(line)) {}
    WindowMessage(uint32_t messageId, std::unique_ptr<MessagePayload> payload)
        : id(messageId), object(std::move(payload)) {}
};

}  // namespace parlevox
