#pragma once
// The user's friends as the ignore check sees them: a friend of level 1 or
// more whose mask matches a sender is never ignored nor taken for a flooder.
#include <string>
#include <vector>

#include "irc/CompiledMask.h"

namespace parlevox {

struct FriendRecord {
    std::string nickname;
    std::string mask;  // nick!user@host with "*" wildcards
    int level = 0;
    bool operator==(const FriendRecord&) const = default;
};

class CFriendList {
public:
    CFriendList() = default;
    explicit CFriendList(std::vector<FriendRecord> friends);

    const std::vector<FriendRecord>& Friends() const { return friends_; }
    bool IsFriend(const LoweredAddress& address) const;
    bool IsFriend(const AddressRecord& address) const;

private:
    std::vector<FriendRecord> friends_;
    MaskIndex index_;  // only the friends of level 1 or more
};

}  // namespace parlevox
