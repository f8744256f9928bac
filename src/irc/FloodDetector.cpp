#include "irc/FloodDetector.h"

namespace parlevox {

bool FloodDetector::IsFlood(const AddressRecord& sender, std::time_t now) {
    size_t recent = 0;
    for (size_t i = 0; i < size_; ++i) {
        const Event& event = events_[(start_ + i) % kRecentEvents];
        if (now - event.time < kWindowSeconds && event.user == sender.user && event.host == sender.host) ++recent;
    }
    if (recent >= kEventsAllowed) return true;
    Event* slot;
    if (size_ < kRecentEvents) {
        slot = &events_[(start_ + size_) % kRecentEvents];
        ++size_;
    } else {
        slot = &events_[start_];
        start_ = (start_ + 1) % kRecentEvents;
    }
    slot->nick.assign(sender.nick);
    slot->user.assign(sender.user);
    slot->host.assign(sender.host);
    slot->time = now;
    return false;
}

}  // namespace parlevox
