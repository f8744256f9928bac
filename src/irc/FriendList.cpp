#include "irc/FriendList.h"

#include <utility>

namespace parlevox {

CFriendList::CFriendList(std::vector<FriendRecord> friends) : friends_(std::move(friends)) {
    for (size_t i = 0; i < friends_.size(); ++i)
        if (friends_[i].level >= 1) index_.Add(MaskPatternsOf(friends_[i].mask), static_cast<uint32_t>(i));
}

bool CFriendList::IsFriend(const LoweredAddress& address) const {
    return index_.FirstOwner(address, [](const MaskIndex::Item&) { return true; }) >= 0;
}

bool CFriendList::IsFriend(const AddressRecord& address) const {
    LoweredAddress lowered;
    lowered.Set(address);
    return IsFriend(lowered);
}

}  // namespace parlevox
