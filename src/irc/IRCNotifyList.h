#pragma once
// The event routing registry of the network window: the tree of event types
// with each node's handler records, and the dispatch of a message along the
// chain of matching handlers, highest priority first.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "irc/DispatchChain.h"
#include "irc/EventDispatcher.h"
#include "irc/HandlerRecord.h"

namespace parlevox {

class EventLoop;

class CIRCNotifyList final : public EventDispatcher {
public:
    explicit CIRCNotifyList(EventLoop& loop);
    ~CIRCNotifyList() override;

    // Stores a copy and returns the new id; 0 when the type names no node
    // (reported).
    uint32_t Register(const HandlerRecord& record);
    // The first record with this id, searched depth-first.
    bool RemoveById(uint32_t handlerId);
    // Every record of the window, in every node.
    void RemoveByWindow(WindowHandle window);
    // The standard set for the main frame: ChannelJoin, PrivateMessage,
    // PrivateMe and PrivateNotice at the fallback priority, and numeric 353.
    void RegisterStandardSet(WindowHandle window);

    // The matching handlers of a message, merged by priority from the root
    // down to the message's own node.
    DispatchChain BuildChain(const CIRCMessage& message);
    // Builds the chain and delivers to the first window; the message is
    // destroyed after the last handler (at once when none matched).
    void Dispatch(std::unique_ptr<CIRCMessage> message) override;
    // A handler window is done with the event: deliver it to the next
    // existing window of its chain.
    void PassOn(std::unique_ptr<EventInFlight> event);

    size_t HandlerCount() const;

private:
    struct Node {
        std::vector<HandlerRecord> handlers;  // highest priority first
        std::vector<Node> children;
    };

    // What became of an event offered to the next window of its chain.
    enum class Delivery {
        kChainEnded,  // no window was left; the event is still ours
        kPassedOn,    // the window passed it on during the delivery: in handedBack_
        kLeftAlone,   // the window neither passed it on nor kept it; it is back with us
        kKept,        // the window keeps it and passes it on later
    };

    Node* NodeFor(uint32_t eventType, bool report);
    void CollectLevel(const Node& node, const CIRCMessage& message, std::vector<DispatchEntry>& out) const;
    void Run(std::unique_ptr<EventInFlight> event);
    Delivery DeliverToNextWindow(std::unique_ptr<EventInFlight>& event);

    EventLoop& loop_;
    Node root_;
    std::vector<DispatchEntry> scratchParent_, scratchChild_, scratchMerged_;
    // The event being delivered: when its window passes it on during the
    // delivery, the delivery loop takes it back instead of recursing.
    EventInFlight* awaited_ = nullptr;
    std::unique_ptr<EventInFlight> handedBack_;
};

// Whether a record's filters accept the message.
bool HandlerAccepts(const HandlerRecord& record, const CIRCMessage& message);
// The channel a channel filter compares with: the text when params[0] is
// empty, else the first of params[0..2] of two or more characters whose first
// character after one optional "@" is "#", "&" or "+"; empty when none.
std::string_view ChannelCandidate(const CIRCMessage& message);

}  // namespace parlevox
