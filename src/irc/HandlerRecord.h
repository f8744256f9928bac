#pragma once
// A window's interest in one event type, with optional filters and a
// priority; higher priorities are served first.
#include <cstdint>
#include <string>

#include "irc/AddressRecord.h"
#include "irc/EventTypeTree.h"
#include "platform/WindowMessage.h"

namespace parlevox {

// Handler priorities of the client's own windows.
namespace priority {
constexpr int32_t kIgnoreList = 40000;
constexpr int32_t kLists = 32000;          // join window's channel list, ban list
constexpr int32_t kAutomatic = 30000;      // CTCP replies, nick changes, ISON, names, kills
constexpr int32_t kConnection = 20000;     // connect/disconnect, WHOIS watchers, DCC resume
constexpr int32_t kNamesList = 12000;
constexpr int32_t kReactions = 10000;      // also DCC offers and chats
constexpr int32_t kMotdStart = 8000;
constexpr int32_t kWindow = 0;              // channel and query windows
constexpr int32_t kFallback = -10000;      // the main frame's display of what nobody took
}  // namespace priority

struct HandlerRecord {
    WindowHandle window = 0;
    uint32_t eventType = 0;
    uint32_t filters = 0;   // filter:: bits
    AddressRecord mask;     // nick, user and host patterns
    std::string channel;
    std::string ctcpType;
    int32_t numeric = 0;
    int32_t priority = 0;
    uint32_t handlerId = 0;
    uint32_t returnedId = 0;  // the id handed back to the registering code
};

// Carries a record to the network window (message 0x9002).
struct HandlerRecordPayload : MessagePayload {
    explicit HandlerRecordPayload(HandlerRecord r) : record(std::move(r)) {}
    HandlerRecord record;
};

}  // namespace parlevox
