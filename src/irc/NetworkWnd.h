#pragma once
// The hidden network window: the single door of the network layer. It owns
// the server socket; everything reaches it as window messages, so socket
// work, parsing and dispatch happen on the loop's thread in arrival order.
#include <memory>
#include <string>

#include "irc/ClientLinkInbox.h"
#include "irc/ConnectionState.h"
#include "irc/IRCClientSocket.h"
#include "irc/IRCLineParser.h"
#include "irc/LogonSettings.h"
#include "irc/ProblemLineLimiter.h"
#include "irc/RecentAddresses.h"
#include "irc/StatusOutput.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class CIRCNotifyList;
class CIdentListener;
class CInterClientListener;
class ConnectProgress;
class TrafficLog;

class CNetworkWnd final : public MessageTarget, public IRCClientSocketListener {
public:
    CNetworkWnd(EventLoop& loop, ConnectionState& state, StatusOutput& status, CIRCNotifyList& notifyList,
                TrafficLog* trafficLog);
    ~CNetworkWnd() override;

    intptr_t OnMessage(WindowMessage& message) override;

    // The connect dialog that follows the attempt in progress (null: none).
    void SetConnectProgress(ConnectProgress* progress) { connectProgress_ = progress; }
    // The client link's listening port, advertised in the USER line; 0
    // while there is no listener.
    uint16_t ClientLinkPort() const;
    // Where "Your Info" blocks go, whichever connection brings them.
    ClientLinkInbox& ClientLink() { return clientLinkInbox_; }
    // The logon values, colours and switches; the next connection and the
    // next line received use them.
    void SetSettings(const NetworkSettings& settings);
    const NetworkSettings& Settings() const { return settings_; }

    const CIRCClientSocket& Socket() const { return *socket_; }
    RecentAddresses& Recent() { return recent_; }

private:
    void Connect(const std::string& host, uint16_t port);
    bool StartConnect(const std::string& host, uint16_t port);
    void Register();
    // The ident responder on our end of the connection, where none is running.
    void StartIdent(bool localAddressKnown);
    void Send(std::string line);
    void HandleLine(std::string& line);
    void AnswerPing(std::string_view line);
    void ReportUnreadable(const char* format, const std::string& line);
    void Reset();
    // Gives the connection up as if the server had closed it.
    void DropConnection();
    void Dispatch(std::unique_ptr<CIRCMessage> message);
    // The client link's listener lives while the connection does.
    void StartClientLink(const std::string& localAddress);
    void StopClientLink();
    void Status(const std::string& text);
    void Progress(const std::string& text);
    void FailAttempt(const std::string& text);
    std::string Colour(int slot) const { return settings_.colours.Code(slot); }

    void OnServerConnect(int error) override;
    void OnServerClose(int error) override;
    void OnOverlongLine() override;

    ConnectionState& state_;
    StatusOutput& status_;
    CIRCNotifyList& notifyList_;
    TrafficLog* trafficLog_;
    ConnectProgress* connectProgress_ = nullptr;
    std::unique_ptr<CIRCClientSocket> socket_;
    RecentAddresses recent_;
    NetworkSettings settings_;
    ParseOptions parseOptions_;
    ProblemLineLimiter unreadableLines_;
    ClientLinkInbox clientLinkInbox_;
    std::unique_ptr<CInterClientListener> clientLink_;
    std::unique_ptr<CIdentListener> ident_;    // for one connection
    std::shared_ptr<void> hostNameLookup_;  // the connection's own, dropped with it
};

}  // namespace parlevox
