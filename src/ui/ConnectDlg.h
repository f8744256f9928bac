#pragma once
// The connect dialog's logic: works through the three server slots, shows
// the progress of each attempt in its status list, and follows the logon
// replies until the server's 004 says the connection is made.
#include <array>
#include <cstdint>
#include <string>

#include "irc/ConnectProgress.h"
#include "irc/EventHandlerWindow.h"
#include "settings/OptionLists.h"

namespace parlevox {

class CNetworkWnd;
class UserInterface;
struct ConnectionState;

struct ConnectSlot {
    std::string host;
    uint16_t port = 0;
    bool tried = false;
};

// How the dialog shows itself (a Qt dialog, console lines, a test record).
class ConnectDlgView {
public:
    virtual ~ConnectDlgView() = default;
    virtual void AddStatusLine(const std::string& text) = 0;
    // Every slot was tried and none connected; the dialog stays open.
    virtual void AllServersFailed() = 0;
    // The dialog closes: connected, or cancelled.
    virtual void DialogClosed(bool connected) = 0;
};

class CConnectDlg final : public EventHandlerWindow, public ConnectProgress {
public:
    static constexpr int kSlotCount = 3;

    CConnectDlg(EventLoop& loop, CNetworkWnd& network, ConnectionState& state, ConnectDlgView& view,
                UserInterface& ui);
    ~CConnectDlg() override;

    // The slots of the options' server list ("Servers"/"Server%i" and "Port%i").
    static std::array<ConnectSlot, kSlotCount> SlotsFrom(const std::array<ServerSlot, kServerSlots>& servers);
    void SetSlots(const std::array<ConnectSlot, kSlotCount>& servers) { slots_ = servers; }
    void SetNeedsPassword(bool needed) { needsPassword_ = needed; }

    // Starts with the first slot.
    void Start();
    // The person cancelled while a connection was being made.
    void Cancel();
    bool IsOpen() const { return open_; }

    void AddStatus(const std::string& text) override;
    void NextServer(const std::string& failureText) override;
    std::optional<std::string> ServerPassword() override;

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void TryNextSlot();
    void OnNumeric(int numeric, CIRCMessage& message);
    void Close(bool connected);

    CNetworkWnd& network_;
    ConnectionState& state_;
    ConnectDlgView& view_;
    UserInterface& ui_;
    std::array<ConnectSlot, kSlotCount> slots_;
    bool needsPassword_ = false;
    bool open_ = false;
};

}  // namespace parlevox
