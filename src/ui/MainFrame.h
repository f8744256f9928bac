#pragma once
// The main frame's event duties: the handler of last resort that shows in
// the status window what no other window took (numeric replies, server
// notices, errors, invitations, own mode changes, private notices), opens
// channel and query windows for events that arrive without one, splits
// names replies into one event per person for the names lists, and follows
// the user's own nick.
#include <cstdint>
#include <string>

#include "irc/EventHandlerWindow.h"

namespace parlevox {

class ColourCodes;
class StatusOutput;
struct ConnectionState;

// The windows the main frame opens; the window directory implements it.
class MainFrameWindows {
public:
    virtual ~MainFrameWindows() = default;
    virtual void OpenChannelWindow(const std::string& channel) = 0;
    // Opens the query window of the sender and shows the message there.
    virtual void ShowInNewQueryWindow(CIRCMessage& message) = 0;
    virtual void ConnectionChanged(bool /*connected*/) {}
};

class CMainFrame final : public EventHandlerWindow {
public:
    CMainFrame(EventLoop& loop, WindowHandle networkWindow, ConnectionState& state, const ColourCodes& colours,
               StatusOutput& status, MainFrameWindows& windows);

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void OnNumeric(CIRCMessage& message, uint32_t handlerId);
    void DispatchNames(const CIRCMessage& reply);
    void FollowOwnNick(const CIRCMessage& message);
    void ShowOnce(CIRCMessage& message, const std::string& line);

    ConnectionState& state_;
    const ColourCodes& colours_;
    StatusOutput& status_;
    MainFrameWindows& windows_;
    uint32_t numericDisplayId_ = 0;
};

}  // namespace parlevox
