#pragma once
// What a channel window asks of its names list, which lies above it: whether
// a nick is in the channel, and to drop a nick that quit.
#include <string_view>

namespace parlevox {

class ChannelMembers {
public:
    virtual ~ChannelMembers() = default;
    virtual bool Contains(std::string_view nick) const = 0;
    // A missing nick is the list's own internal error.
    virtual void RemoveMember(std::string_view nick) = 0;
};

}  // namespace parlevox
