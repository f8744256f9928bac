#pragma once
// Notices people who send CTCP requests or change nick too often: the last
// 30 such events of anybody are kept, and a sixth event from one user@host
// within 10 seconds is a flood.
#include <array>
#include <cstddef>
#include <ctime>
#include <string>

#include "irc/AddressRecord.h"

namespace parlevox {

class FloodDetector {
public:
    static constexpr size_t kRecentEvents = 30;
    static constexpr std::time_t kWindowSeconds = 10;
    static constexpr size_t kEventsAllowed = 5;

    // True when the sender already has kEventsAllowed events in the window;
    // the event is then not recorded. Otherwise it is recorded, dropping the
    // oldest when kRecentEvents are held.
    bool IsFlood(const AddressRecord& sender, std::time_t now);
    size_t Size() const { return size_; }

private:
    struct Event {
        std::string nick, user, host;
        std::time_t time = 0;
    };
    // A ring: events_[(start_ + i) % kRecentEvents] is the i-th oldest. The
    // strings keep their storage, so a steady stream allocates nothing.
    std::array<Event, kRecentEvents> events_;
    size_t start_ = 0;
    size_t size_ = 0;
};

}  // namespace parlevox
