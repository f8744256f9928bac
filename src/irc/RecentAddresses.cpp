#include "irc/RecentAddresses.h"

namespace parlevox {

void RecentAddresses::Offer(std::string_view address) {
    auto found = index_.find(address);
    if (found != index_.end()) {
        entries_.splice(entries_.begin(), entries_, found->second);
        return;
    }
    entries_.emplace_front(address);
    index_.emplace(entries_.front(), entries_.begin());
    if (entries_.size() > kCapacity) {
        index_.erase(entries_.back());
        entries_.pop_back();
    }
}

void RecentAddresses::Clear() {
    index_.clear();
    entries_.clear();
}

}  // namespace parlevox
