#include "irc/IRCNotifyList.h"

#include <algorithm>

#include "common/InternalErrorReport.h"
#include "common/Masks.h"
#include "common/TextHelpers.h"
#include "irc/EventTypeTree.h"
#include "irc/EventTypes.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IMServer.h"
#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

uint32_t nextHandlerId = 1;  // process-wide, as ids travel between windows

const std::string* CTCPTypeOf(const CIRCMessage& message) {
    if (auto* m = dynamic_cast<const C_imCTCPMessage*>(&message)) return &m->ctcpType;
    if (auto* r = dynamic_cast<const C_imCTCPReply*>(&message)) return &r->ctcpType;
    return nullptr;
}

bool IsChannelStart(char c) {
    return c == '#' || c == '&' || c == '+';
}

}  // namespace

std::string_view ChannelCandidate(const CIRCMessage& message) {
    if (message.params[0].empty()) return message.text;
    for (size_t i = 0; i < 3; ++i) {
        std::string_view p = message.params[i];
        if (p.empty()) break;
        if (p.size() < 2) continue;
        size_t first = p[0] == '@' ? 1 : 0;
        if (first < p.size() && IsChannelStart(p[first])) return p;
    }
    return {};
}

bool HandlerAccepts(const HandlerRecord& record, const CIRCMessage& message) {
    if (record.filters & filter::kMask) {
        AddressRecord sender = AddressRecord::FromSender(message.sender);
        if (!WildcardMatch(sender.nick, record.mask.nick) || !WildcardMatch(sender.user, record.mask.user) ||
            !WildcardMatch(sender.host, record.mask.host))
            return false;
    }
    if (record.filters & filter::kChannel) {
        std::string_view candidate = ChannelCandidate(message);
        if (candidate.empty() || !EqualsIgnoringCase(candidate, record.channel)) return false;
    }
    if (record.filters & filter::kCTCPType) {
        const std::string* type = CTCPTypeOf(message);
        if (!type || !EqualsIgnoringCase(*type, record.ctcpType)) return false;
    }
    if (record.filters & filter::kNumeric) {
        auto* numeric = dynamic_cast<const C_imServerNumeric*>(&message);
        if (!numeric || numeric->numeric != record.numeric) return false;
    }
    return true;
}

CIRCNotifyList::CIRCNotifyList(EventLoop& loop) : loop_(loop) {
    // Build the node structure from the type table: a node's children are
    // the nodes whose path extends its own by one level.
    for (const EventTypeNode& type : EventTypeNodes()) {
        Node* node = &root_;
        for (size_t index : EventTypePath(type.id)) {
            if (node->children.size() < index) node->children.resize(index);
            node = &node->children[index - 1];
        }
    }
}

CIRCNotifyList::~CIRCNotifyList() = default;

CIRCNotifyList::Node* CIRCNotifyList::NodeFor(uint32_t eventType, bool report) {
    EventTypePath path(eventType);
    Node* node = path.empty() ? nullptr : &root_;
    for (size_t index : path) {
        if (index > node->children.size()) {
            node = nullptr;
            break;
        }
        node = &node->children[index - 1];
    }
    if (!node && report) PARLEVOX_INTERNAL_ERROR();
    return node;
}

uint32_t CIRCNotifyList::Register(const HandlerRecord& record) {
    Node* node = NodeFor(record.eventType, true);
    if (!node) return 0;
    HandlerRecord stored = record;
    stored.handlerId = nextHandlerId++;
    stored.returnedId = stored.handlerId;
    auto at = std::find_if(node->handlers.begin(), node->handlers.end(),
                           [&](const HandlerRecord& r) { return r.priority < stored.priority; });
    node->handlers.insert(at, stored);
    return stored.handlerId;
}

bool CIRCNotifyList::RemoveById(uint32_t handlerId) {
    std::vector<Node*> stack{&root_};
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        auto it = std::find_if(node->handlers.begin(), node->handlers.end(),
                               [&](const HandlerRecord& r) { return r.handlerId == handlerId; });
        if (it != node->handlers.end()) {
            node->handlers.erase(it);
            return true;
        }
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child) stack.push_back(&*child);
    }
    return false;
}

void CIRCNotifyList::RemoveByWindow(WindowHandle window) {
    std::vector<Node*> stack{&root_};
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        std::erase_if(node->handlers, [&](const HandlerRecord& r) { return r.window == window; });
        for (Node& child : node->children) stack.push_back(&child);
    }
}

void CIRCNotifyList::RegisterStandardSet(WindowHandle window) {
    for (uint32_t type : {kChannelJoin, kPrivateMessage, kPrivateMe, kPrivateNotice}) {
        HandlerRecord record;
        record.window = window;
        record.eventType = type;
        record.priority = priority::kFallback;
        Register(record);
    }
    HandlerRecord names;
    names.window = window;
    names.eventType = kServerNumeric;
    names.filters = filter::kNumeric;
    names.numeric = 353;
    names.priority = priority::kAutomatic;
    Register(names);
}

size_t CIRCNotifyList::HandlerCount() const {
    size_t count = 0;
    std::vector<const Node*> stack{&root_};
    while (!stack.empty()) {
        const Node* node = stack.back();
        stack.pop_back();
        count += node->handlers.size();
        for (const Node& child : node->children) stack.push_back(&child);
    }
    return count;
}

void CIRCNotifyList::CollectLevel(const Node& node, const CIRCMessage& message,
                                  std::vector<DispatchEntry>& out) const {
    out.clear();
    for (const HandlerRecord& r : node.handlers)
        if (HandlerAccepts(r, message)) out.push_back({r.window, r.priority, r.handlerId});
}

DispatchChain CIRCNotifyList::BuildChain(const CIRCMessage& message) {
    DispatchChain chain;
    if (!NodeFor(message.eventType, true)) return chain;
    // The root holds no handlers; start with the top-level node and merge
    // each deeper level in: at equal priority the more specific one first.
    scratchMerged_.clear();
    const Node* node = &root_;
    for (size_t index : EventTypePath(message.eventType)) {
        node = &node->children[index - 1];
        CollectLevel(*node, message, scratchChild_);
        scratchParent_.swap(scratchMerged_);
        scratchMerged_.clear();
        size_t p = 0, c = 0;
        while (p < scratchParent_.size() || c < scratchChild_.size()) {
            bool takeChild = c < scratchChild_.size() &&
                             (p == scratchParent_.size() || scratchChild_[c].priority >= scratchParent_[p].priority);
            scratchMerged_.push_back(takeChild ? scratchChild_[c++] : scratchParent_[p++]);
        }
    }
    if (scratchMerged_.size() > DispatchChain::kReportAbove) PARLEVOX_INTERNAL_ERROR();
    size_t kept = std::min(scratchMerged_.size(), DispatchChain::kCapacity);
    chain.entries.assign(scratchMerged_.begin(), scratchMerged_.begin() + static_cast<std::ptrdiff_t>(kept));
    return chain;
}

void CIRCNotifyList::Dispatch(std::unique_ptr<CIRCMessage> message) {
    if (!message) return;
    auto event = std::make_unique<EventInFlight>();
    event->chain = BuildChain(*message);
    if (event->chain.entries.empty()) return;  // nobody wants it: destroyed at once
    event->message = std::move(message);
    event->owner = this;
    Run(std::move(event));
}

void CIRCNotifyList::PassOn(std::unique_ptr<EventInFlight> event) {
    if (!event) return;
    ++event->chain.position;
    if (event.get() == awaited_) {
        handedBack_ = std::move(event);  // the delivery loop waiting for it carries on
        return;
    }
    Run(std::move(event));
}

void CIRCNotifyList::Run(std::unique_ptr<EventInFlight> event) {
    // Deliveries nest when a handler dispatches another event; each loop
    // waits for its own event only.
    EventInFlight* outerAwaited = awaited_;
    for (bool delivering = true; delivering;) {
        switch (DeliverToNextWindow(event)) {
            case Delivery::kChainEnded:  // the last handler was done: destroyed below
            case Delivery::kKept:        // the window passes it on later
                delivering = false;
                break;
            case Delivery::kPassedOn:
                event = std::move(handedBack_);
                break;
            case Delivery::kLeftAlone:  // pass it on for the window
                ++event->chain.position;
                break;
        }
    }
    awaited_ = outerAwaited;
}

CIRCNotifyList::Delivery CIRCNotifyList::DeliverToNextWindow(std::unique_ptr<EventInFlight>& event) {
    DispatchChain& chain = event->chain;
    while (chain.position < chain.entries.size() && !loop_.IsWindow(chain.entries[chain.position].window))
        ++chain.position;  // windows that have gone are skipped
    if (chain.position >= chain.entries.size()) return Delivery::kChainEnded;
    WindowHandle window = chain.entries[chain.position].window;
    awaited_ = event.get();
    WindowMessage deliver(netmsg::kDeliverEvent, std::move(event));
    loop_.SendMessage(window, deliver);
    awaited_ = nullptr;
    if (handedBack_) return Delivery::kPassedOn;
    if (!deliver.object) return Delivery::kKept;
    event.reset(static_cast<EventInFlight*>(deliver.object.release()));
    return Delivery::kLeftAlone;
}

}  // namespace parlevox
