#include "irc/EventDispatcher.h"

namespace parlevox {

void ListenerDispatcher::Dispatch(std::unique_ptr<CIRCMessage> message) {
    // A listener may remove itself (or another) while handling the event.
    std::vector<EventListener*> snapshot = listeners_;
    for (EventListener* listener : snapshot)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) listener->OnEvent(*message);
}

}  // namespace parlevox
