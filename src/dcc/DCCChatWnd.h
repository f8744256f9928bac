#pragma once
// A direct chat: an output pane above one input line, over a connection of
// its own (a DCC chat, or a plain "/telnet" connection). Lines go out with
// a line feed; received lines end at CR, LF or CR LF. Typed "/" lines run
// as commands in this window, except "/me" in exact lower case, which is
// sent as an action.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dcc/DccTransferSettings.h"
#include "display/ChatWindow.h"

namespace parlevox {

class DccChatSocketBase;

class CDCCChatWnd final : public CChatWindow {
public:
    // telnetPort 0: a DCC chat with the nick `peer`; otherwise a telnet
    // connection to the host `peer`.
    CDCCChatWnd(const ChatWindowServices& services, std::string peer, uint16_t telnetPort, ChatWindowView& view);
    ~CDCCChatWnd() override;

    const std::string& Peer() const { return Name(); }
    uint16_t TelnetPort() const { return telnetPort_; }
    bool IsTelnet() const { return telnetPort_ != 0; }
    bool IsConnected() const { return connected_; }
    bool IsChannelWindow() const override { return false; }

    // The offering side: listens for the peer. The port for the offer
    // line, or 0 with the failure shown in the window.
    uint16_t Listen(const DccTransferSettings& settings);
    // The connecting side.
    void Connect(uint32_t ip, uint16_t port);
    // A stranger's offer waits until the person accepts it; declining
    // closes the window and tells nobody.
    void HoldOffer(uint32_t ip, uint16_t port);
    bool OfferPending() const { return pendingPort_ != 0; }
    void AcceptOffer();
    void DeclineOffer();

    void Type(std::string_view line) override;
    SchemeWindow SchemeTarget() const override;
    // Right-click on the output: the user menu for the peer.
    void OnContextMenu(int x, int y) override;

    // --- What the sockets report.
    // A replacement (the listener's accepted connection) takes the place
    // of the socket that reports it.
    void SocketConnected(std::unique_ptr<DccChatSocketBase> replacement = nullptr);
    void ShowReceivedLine(std::string_view line);
    // The peer closed, or the connection failed with `error` (slot 14).
    void SocketClosed();
    void SocketFailed(const std::string& error);

protected:
    void OnEvent(CIRCMessage&, uint32_t) override {}
    std::string CommandNick() const override { return IsTelnet() ? std::string() : Name(); }

private:
    void ShowStatus(int slot, const std::string& text);
    // A line said by `who`: an action when it starts with "/me" in any case.
    void ShowSpeech(const std::string& who, std::string_view line);
    // The connection ended: the socket goes later, input is off.
    void Ended(int slot, const std::string& text);
    void RetireSocket();

    uint16_t telnetPort_;
    bool connected_ = false;
    uint32_t pendingIp_ = 0;
    uint16_t pendingPort_ = 0;
    std::unique_ptr<DccChatSocketBase> socket_;  // the listener while waiting, then the connection
};

}  // namespace parlevox
