#pragma once
// The ordered handlers one message travels along, and the message itself
// while it travels. The chain is a copy: registrations made while it runs do
// not change it.
#include <cstdint>
#include <memory>
#include <vector>

#include "irc/IRCMessage.h"
#include "platform/WindowMessage.h"

namespace parlevox {

class CIRCNotifyList;

struct DispatchEntry {
    WindowHandle window;
    int32_t priority;
    uint32_t handlerId;
};

struct DispatchChain {
    // Entries the chain has room for; a longer list is cut (and reported).
    static constexpr size_t kCapacity = 511;
    // Lists longer than this are reported as a fault of the registrations.
    static constexpr size_t kReportAbove = 411;

    std::vector<DispatchEntry> entries;
    size_t position = 0;

    // The registration that caused the current delivery.
    uint32_t CurrentHandlerId() const { return position < entries.size() ? entries[position].handlerId : 0; }
};

// What a handler window receives with message 0x9000 and hands back with
// CIRCNotifyList::PassOn when it is done. Destroying it ends the chain.
struct EventInFlight : MessagePayload {
    std::unique_ptr<CIRCMessage> message;
    DispatchChain chain;
    CIRCNotifyList* owner = nullptr;
};

}  // namespace parlevox
