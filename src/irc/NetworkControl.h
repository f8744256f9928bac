#pragma once
// Makes and owns the network layer: the connection state, the hidden
// network window, the event dispatch it feeds, and the traffic log when the
// "Logging" switch is on.
#include <memory>
#include <string>

#include "irc/ConnectionState.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkWnd.h"
#include "irc/TrafficLog.h"

namespace parlevox {

class CNetworkControl {
public:
    // logFolder: where the traffic log goes (the program folder).
    CNetworkControl(EventLoop& loop, StatusOutput& status, const std::string& logFolder,
                    const NetworkSettings& settings);
    ~CNetworkControl();

    CNetworkWnd& Window() { return *window_; }
    WindowHandle WindowHandleOf() const { return window_->Handle(); }
    CIRCNotifyList& NotifyList() { return *notifyList_; }
    ConnectionState& State() { return state_; }
    const ConnectionState& State() const { return state_; }
    const TrafficLog* Log() const { return trafficLog_.get(); }

    // Wraps the text in a message to the network window (0x9005).
    void SendLine(const std::string& line);

private:
    EventLoop& loop_;
    ConnectionState state_;
    std::unique_ptr<CIRCNotifyList> notifyList_;
    std::unique_ptr<TrafficLog> trafficLog_;
    std::unique_ptr<CNetworkWnd> window_;
};

// The one shared way to send a line: message 0x9005 to the network window.
void SendToServer(EventLoop& loop, WindowHandle networkWindow, const std::string& line);

}  // namespace parlevox
