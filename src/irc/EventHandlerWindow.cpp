#include "irc/EventHandlerWindow.h"

#include <utility>

#include "irc/DispatchChain.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"

namespace parlevox {

EventHandlerWindow::EventHandlerWindow(EventLoop& loop, WindowHandle networkWindow)
    : MessageTarget(loop), networkWindow_(networkWindow) {}

EventHandlerWindow::~EventHandlerWindow() {
    RemoveAllHandlers();
}

uint32_t EventHandlerWindow::Register(uint32_t eventType, int32_t priority) {
    HandlerRecord record;
    record.eventType = eventType;
    record.priority = priority;
    return Register(std::move(record));
}

uint32_t EventHandlerWindow::Register(HandlerRecord record) {
    record.window = Handle();
    WindowMessage message(netmsg::kRegisterHandler, std::make_unique<HandlerRecordPayload>(std::move(record)));
    return static_cast<uint32_t>(Loop().SendMessage(networkWindow_, message));
}

void EventHandlerWindow::RemoveHandler(uint32_t handlerId) {
    Loop().SendMessage(networkWindow_, WindowMessage(netmsg::kRemoveHandler, handlerId));
}

void EventHandlerWindow::RemoveAllHandlers() {
    Loop().SendMessage(networkWindow_, WindowMessage(netmsg::kRemoveWindowHandlers, static_cast<intptr_t>(Handle())));
}

intptr_t EventHandlerWindow::OnMessage(WindowMessage& message) {
    if (message.id != netmsg::kDeliverEvent) return 0;
    auto* event = static_cast<EventInFlight*>(message.object.get());
    if (!event || !event->message) return 0;
    // Events this one leads to may be delivered here while it is handled.
    const bool outerEndChain = std::exchange(endChain_, false);
    OnEvent(*event->message, event->chain.CurrentHandlerId());
    if (std::exchange(endChain_, outerEndChain)) {
        message.object.reset();  // the chain and its message end here
        return 0;
    }
    // Hand it back through the owner so the chain goes on exactly once.
    std::unique_ptr<EventInFlight> owned(static_cast<EventInFlight*>(message.object.release()));
    CIRCNotifyList* owner = owned->owner;
    owner->PassOn(std::move(owned));
    return 0;
}

}  // namespace parlevox
