#pragma once
// One reaction: an event hook (type, filters, sender mask) and what runs
// when it fires — a script function, or a command line starting with "/".
// The text form joins the nine stored fields with byte 1; settings and
// module files both keep reactions that way.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "irc/HandlerRecord.h"

namespace parlevox {

struct ParsedReaction;

class CReaction {
public:
    // What a new reaction listens to: CTCP messages.
    static constexpr uint32_t kNewEventSelector = 0x201;
    static constexpr char kSeparator = '\x01';
    static constexpr int kFieldCount = 9;

    // Filter bits; they are the dispatcher's own (mask, channel, CTCP type,
    // numeric), so text filter 1 is its channel and text filter 2 its type.
    static constexpr uint32_t kFilterSender = filter::kMask;
    static constexpr uint32_t kFilterText1 = filter::kChannel;
    static constexpr uint32_t kFilterText2 = filter::kCTCPType;
    static constexpr uint32_t kFilterNumber = filter::kNumeric;

    uint32_t hookHandle = 0;  // not stored: the dispatcher's id while registered
    int32_t enabled = 1;
    int32_t owner = 0;   // module id
    std::string action;  // function name, or a "/" command line
    uint32_t eventSelector = kNewEventSelector;
    uint32_t filterFlags = 0;
    std::string textFilter1;
    std::string textFilter2;
    std::string senderMask;  // nick!user@host with "*"; empty: none
    int32_t number = 0;

    bool IsEnabled() const { return enabled != 0; }
    bool IsCommandLine() const { return !action.empty() && action[0] == '/'; }

    // Byte 1 inside a string field would split it on reading, so it is
    // left out of the text.
    std::string ToText() const;
    static ParsedReaction FromText(std::string_view text);

    // The hook to register: this reaction's filters at the reactions'
    // priority. An empty sender mask stands for one no sender has.
    HandlerRecord ToHandlerRecord() const;

    bool operator==(const CReaction&) const = default;
};

// A reaction read from its text form, or why the text holds none.
struct ParsedReaction {
    std::optional<CReaction> reaction;
    std::string error;  // empty when reaction is set
};

}  // namespace parlevox
