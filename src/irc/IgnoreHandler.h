#pragma once
// The ignore check on every private message, notice and user event, before
// any other handler: friends pass, people on the ignore list are dropped,
// and a sender of too many CTCPs or nick changes is added to the list.
#include <ctime>
#include <functional>
#include <utility>

#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/EventHandlerWindow.h"
#include "irc/FloodDetector.h"
#include "irc/FriendList.h"
#include "irc/Idiots.h"
#include "irc/StatusOutput.h"

namespace parlevox {

class IgnoreCheck {
public:
    IgnoreCheck(CIgnoreList& list, const ConnectionState& state, const ColourCodes& colours, StatusOutput& status);

    void SetFriends(CFriendList friends) { friends_ = std::move(friends); }
    const CFriendList& Friends() const { return friends_; }
    const FloodDetector& Flood() const { return flood_; }

    // True when the message is to go no further.
    bool ShouldDrop(const CIRCMessage& message, std::time_t now);

private:
    bool IsFlood(const AddressRecord& sender, std::time_t now);

    CIgnoreList& list_;
    const ConnectionState& state_;
    const ColourCodes& colours_;
    StatusOutput& status_;
    CFriendList friends_;
    FloodDetector flood_;
    LoweredAddress lowered_;  // reused for every message
};

class CIgnoreHandler final : public EventHandlerWindow {
public:
    using Now = std::function<std::time_t()>;

    // Registers at the ignore list's priority for PRIVMSG, Notice and
    // GlobalEvent, and for the connection coming and going. `now` defaults
    // to the clock.
    CIgnoreHandler(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state,
                   const ColourCodes& colours, StatusOutput& status, CIgnoreList& list, Now now = {});

    IgnoreCheck& Check() { return check_; }
    // When the options' friends change.
    void SetFriends(CFriendList friends) { check_.SetFriends(std::move(friends)); }

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

    CIgnoreList& list_;
    IgnoreCheck check_;
    Now now_;
};

// A sender for the list: SILENCE lines go to the server while connected.
CIgnoreList::Sender SilenceSender(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state);

}  // namespace parlevox
