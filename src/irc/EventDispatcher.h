#pragma once
// Takes ownership of a message object and hands it to the interested
// windows. ListenerDispatcher is the simple form used until windows register
// handlers with filters and priorities.
#include <algorithm>
#include <memory>
#include <vector>

#include "irc/IRCMessage.h"

namespace parlevox {

class EventDispatcher {
public:
    virtual ~EventDispatcher() = default;
    virtual void Dispatch(std::unique_ptr<CIRCMessage> message) = 0;
};

class EventListener {
public:
    virtual ~EventListener() = default;
    virtual void OnEvent(CIRCMessage& message) = 0;
};

// Delivers every message to each listener in the order they were added.
class ListenerDispatcher final : public EventDispatcher {
public:
    void Add(EventListener* listener) { listeners_.push_back(listener); }
    void Remove(EventListener* listener) { std::erase(listeners_, listener); }
    void Dispatch(std::unique_ptr<CIRCMessage> message) override;

private:
    std::vector<EventListener*> listeners_;
};

}  // namespace parlevox
