#pragma once
// The base of every message the server sends us. Parsing fills a generic
// CIRCMessage, then the class factories turn it (by moving, never copying)
// into the most specific class that accepts it: C_imPRIVMSG and its family
// (IMPrivmsg.h), C_imChannelEvent (IMChannelEvent.h), C_imNotice
// (IMNotice.h), C_imGlobalEvent (IMGlobalEvent.h), the server messages
// (IMServer.h) and the events the client makes itself (IMNetSystem.h).
//
// Every class derives from IRCMessageOf (below), which supplies its
// constructor from the parent class and its factory, and declares:
//  - static Accepts(const Parent&): whether a generic object of the parent
//    class is of this class;
//  - Refinements: its subclasses, in the order they are offered the object;
//  - SetSystemVariables: publishes its own fields, then its parent's;
//  - ReadBackSystemVariables: takes changed values back after a reaction.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/InternalErrorReport.h"
#include "irc/AddressRecord.h"
#include "irc/EventTypes.h"
#include "irc/SystemVariableSink.h"

namespace parlevox {

class CIRCMessage {
public:
    // 14 middle parameters and the empty string that ends them.
    static constexpr size_t kParamSlots = 15;
    static constexpr size_t kMaxMiddleParams = kParamSlots - 1;

    CIRCMessage() = default;
    virtual ~CIRCMessage() = default;

    virtual void SetSystemVariables(SystemVariableSink& sink) const;
    virtual void ReadBackSystemVariables(SystemVariableSink& sink);

    // Middle parameters before the first empty slot.
    size_t ParamCount() const;

    uint32_t eventType = 0;
    int32_t handled = 0;
    std::string raw;      // the whole line as received
    std::string text;     // what follows the first ":" after the prefix
    std::string sender;   // the prefix without its ":"
    std::string command;  // upper-cased; three digits for a numeric reply
    std::array<std::string, kParamSlots> params;

protected:
    // Only the subclasses move a generic object into themselves; copying
    // or moving through the base would slice.
    CIRCMessage(CIRCMessage&&) = default;
    CIRCMessage& operator=(CIRCMessage&&) = default;
    CIRCMessage(const CIRCMessage&) = delete;
    CIRCMessage& operator=(const CIRCMessage&) = delete;
};

// Helpers shared by the message families.

// A target starting with "#", "&" or "+" is a channel.
bool IsChannelTarget(std::string_view target);

// params[0], or the text when params[0] is empty (":a!b@c JOIN :#x").
inline const std::string& TargetOf(const CIRCMessage& message) {
    return message.params[0].empty() ? message.text : message.params[0];
}

// A text that starts with byte 1 carries a CTCP request or reply.
inline bool IsCTCPText(std::string_view text) { return !text.empty() && text[0] == '\x01'; }

// Publishes sSysSenderNick, sSysSenderUsername and sSysSenderHostname.
void PublishSenderAddress(SystemVariableSink& sink, const AddressRecord& address);

// "sSysParam1" .. "sSysParam14"; index is 1-based.
std::string_view ParamVariableName(size_t index);

// The text of a CTCP request or reply: byte 1, the body, a closing byte 1
// (the last byte is dropped whatever it is). The type is the body up to its
// first space, the argument what follows that space.
void SplitCTCPText(std::string_view text, std::string& type, std::string& argument);

// Mode letters and their parameters: the middle parameters after the target,
// followed by the words of the text.
void SplitModeWords(const CIRCMessage& message, std::string& flags, std::vector<std::string>& modeParams);

// Publishes sSysFlags and sSysParam1..14 (empty past the last parameter).
void PublishModeWords(SystemVariableSink& sink, const std::string& flags, const std::vector<std::string>& modeParams);

// Offers `generic` to each class in turn; the first whose Create returns an
// object wins. `generic` is untouched when none accepts it.
template <class Result, class... Classes, class Generic>
std::unique_ptr<Result> CreateFirstAccepting(Generic& generic) {
    std::unique_ptr<Result> result;
    (void)((result = Classes::Create(generic)) || ...);
    return result;
}

// A list of message classes, most specific factory first.
template <class... Classes>
struct MessageClasses {
    static constexpr bool kEmpty = sizeof...(Classes) == 0;
    template <class Result, class Generic>
    static std::unique_ptr<Result> CreateFirstAccepting(Generic& generic) {
        return parlevox::CreateFirstAccepting<Result, Classes...>(generic);
    }
};

// The base of message class Self, a subclass of Parent with event type Type.
// Self declares Accepts and, when it has subclasses, Refinements; the
// defaults here hide the parent's. With kAlwaysRefined an object that no
// subclass accepts is an internal error (it is still delivered as Self).
template <class Self, class Parent, uint32_t Type>
class IRCMessageOf : public Parent {
public:
    using Refinements = MessageClasses<>;
    static constexpr bool kAlwaysRefined = false;

    explicit IRCMessageOf(Parent&& generic) : Parent(std::move(generic)) { this->eventType = Type; }

    // Moves `generic` into a new object of Self, or of the first of its
    // Refinements that accepts it; nullptr (and `generic` untouched) when
    // Self does not accept it.
    static std::unique_ptr<Self> Create(Parent& generic) {
        if (!Self::Accepts(generic)) return nullptr;
        using Refinements = typename Self::Refinements;
        if constexpr (Refinements::kEmpty) {
            return std::make_unique<Self>(std::move(generic));
        } else {
            Self self(std::move(generic));
            if (auto refined = Refinements::template CreateFirstAccepting<Self>(self)) return refined;
            if (Self::kAlwaysRefined) PARLEVOX_INTERNAL_ERROR();
            return std::make_unique<Self>(std::move(self));
        }
    }

protected:
    // For the messages the client makes itself rather than parses.
    IRCMessageOf() { this->eventType = Type; }
};

}  // namespace parlevox
