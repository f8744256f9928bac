#include "irc/NetworkWnd.h"

#include <cstdlib>

#include <fmt/printf.h>

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectProgress.h"
#include "irc/IMNetSystem.h"
#include "irc/IMServer.h"
#include "irc/IRCNotifyList.h"
#include "irc/IdentListener.h"
#include "irc/InterClientListener.h"
#include "irc/LineRules.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkTexts.h"
#include "irc/TrafficLog.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/HostNameLookup.h"
#include "platform/SocketErrors.h"

namespace parlevox {
namespace {

constexpr size_t kSendBufferSize = 512;
constexpr int kSocketCreateAttempts = 3;
constexpr long kServerSocketEvents = AsyncSocket::kRead | AsyncSocket::kWrite | AsyncSocket::kConnect |
                                     AsyncSocket::kClose;

// The local port a new server socket binds to: 0 to 63000, as the client
// always has (three tries cover a port that is taken).
uint16_t RandomLocalPort() {
    return static_cast<uint16_t>((std::rand() % 32768) * 63000 / 32767);
}

}  // namespace

EventPayload::EventPayload(std::unique_ptr<CIRCMessage> m) : message(std::move(m)) {}
EventPayload::~EventPayload() = default;

CNetworkWnd::CNetworkWnd(EventLoop& loop, ConnectionState& state, StatusOutput& status, CIRCNotifyList& notifyList,
                         TrafficLog* trafficLog)
    : MessageTarget(loop),
      state_(state),
      status_(status),
      notifyList_(notifyList),
      trafficLog_(trafficLog),
      socket_(std::make_unique<CIRCClientSocket>(loop, Handle(), *this)) {
    SetSettings(settings_);
}

CNetworkWnd::~CNetworkWnd() = default;

void CNetworkWnd::SetSettings(const NetworkSettings& settings) {
    settings_ = settings;
    parseOptions_.stripColours = settings_.stripColours;
}

intptr_t CNetworkWnd::OnMessage(WindowMessage& message) {
    switch (message.id) {
        case netmsg::kConnect:
            Connect(message.text, static_cast<uint16_t>(message.wParam));
            return 0;
        case netmsg::kSendLine:
            Send(std::move(message.text));
            return 0;
        case netmsg::kLineReceived:
            HandleLine(message.text);
            return 0;
        case netmsg::kDispatchEvent:
            if (auto* payload = dynamic_cast<EventPayload*>(message.object.get()))
                Dispatch(std::move(payload->message));
            return 0;
        case netmsg::kResetSocket:
            Reset();
            return 0;
        case netmsg::kRegisterHandler:
            if (auto* payload = dynamic_cast<HandlerRecordPayload*>(message.object.get())) {
                uint32_t id = notifyList_.Register(payload->record);
                payload->record.handlerId = payload->record.returnedId = id;
                return id;
            }
            return 0;
        case netmsg::kRemoveHandler:
            notifyList_.RemoveById(static_cast<uint32_t>(message.wParam));
            return 0;
        case netmsg::kRemoveWindowHandlers:
            notifyList_.RemoveByWindow(static_cast<WindowHandle>(message.wParam));
            return 0;
        case netmsg::kRegisterStandardHandlers:
            notifyList_.RegisterStandardSet(static_cast<WindowHandle>(message.wParam));
            return 0;
        default:
            return 0;
    }
}

void CNetworkWnd::Status(const std::string& text) {
    status_.WriteStatus(text);
}

void CNetworkWnd::Progress(const std::string& text) {
    if (connectProgress_)
        connectProgress_->AddStatus(text);
    else
        Status(text);
}

void CNetworkWnd::FailAttempt(const std::string& text) {
    if (connectProgress_)
        connectProgress_->NextServer(text);
    else
        Status(text);
}

void CNetworkWnd::Connect(const std::string& host, uint16_t port) {
    const LogonSettings& logon = settings_.logon;
    state_.servicesNetwork = IsServicesHost(host);
    state_.currentNick = logon.nick;
    state_.currentUserName = logon.userName;
    if (state_.connected) Send(texts::kQuitChangingServer);
    if (socket_->Used()) Reset();
    StartConnect(host, port);
}

bool CNetworkWnd::StartConnect(const std::string& host, uint16_t port) {
    bool created = false;
    for (int attempt = 0; attempt < kSocketCreateAttempts && !created; ++attempt)
        created = socket_->Create(RandomLocalPort(), kServerSocketEvents);
    if (!created) {
        FailAttempt(texts::kFailedToCreateSocket);
        return false;
    }
    if (!socket_->SetNoLinger()) {
        FailAttempt(texts::kFailedToSetOption);
        return false;
    }
    Progress(fmt::sprintf(texts::kConnectingTo, host, port));
    socket_->MarkUsed();
    if (socket_->Connect(host, port)) {
        Progress(texts::kConnectTrue);
    } else if (socket_->LastError() != wsa::kWouldBlock) {
        FailAttempt(texts::kRequestFailed);
        return false;
    } else {
        Progress(texts::kWaiting);
    }
    return true;
}

void CNetworkWnd::OnServerConnect(int error) {
    if (error != 0) {
        FailAttempt(texts::ConnectErrorText(error));
        return;
    }
    Register();
}

void CNetworkWnd::Register() {
    const LogonSettings& logon = settings_.logon;
    Progress(texts::kNegotiating);
    if (connectProgress_) {
        if (auto password = connectProgress_->ServerPassword()) Send("PASS " + *password);
    }
    Send("NICK " + logon.nick + "\r\n");
    uint16_t localPort = 0;
    const bool localAddressKnown = socket_->GetSockName(state_.localAddress, localPort);
    if (localAddressKnown) {
        Status(fmt::sprintf(texts::kLocalAddress, state_.localAddress));
        state_.localHostName = state_.localAddress;
        hostNameLookup_ = LookUpHostName(Loop(), state_.localAddress,
                                         [this](const std::string& name) { state_.localHostName = name; });
    }
    StartClientLink(localAddressKnown ? state_.localAddress : std::string());
    StartIdent(localAddressKnown);
    Send(fmt::sprintf(texts::kUserLine, logon.userName, ClientLinkPort(), logon.tagline));
}

void CNetworkWnd::StartClientLink(const std::string& localAddress) {
    if (clientLink_ || localAddress.empty()) return PARLEVOX_INTERNAL_ERROR();
    // Posted: handlers never run inside a link socket's notification.
    auto dispatch = [this](std::unique_ptr<CIRCMessage> message) {
        auto payload = std::make_unique<EventPayload>(std::move(message));
        Loop().PostMessage(Handle(), WindowMessage(netmsg::kDispatchEvent, std::move(payload)));
    };
    clientLink_ = std::make_unique<CInterClientListener>(
        Loop(), InterClientServices {status_, settings_.colours, clientLinkInbox_, dispatch});
    if (clientLink_->Start(localAddress)) return;
    clientLink_.reset();
    PARLEVOX_INTERNAL_ERROR();
}

// Shut at once, destroyed after the caller has returned, as sockets are.
void CNetworkWnd::StopClientLink() {
    if (!clientLink_) return;
    clientLink_->Shut();
    Loop().DeleteLater(std::move(clientLink_));
}

uint16_t CNetworkWnd::ClientLinkPort() const {
    return clientLink_ ? clientLink_->Port() : 0;
}

void CNetworkWnd::StartIdent(bool localAddressKnown) {
    if (ident_) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    auto listener = std::make_unique<CIdentListener>(Loop(), state_);
    if (listener->Start(localAddressKnown ? state_.localAddress : std::string(), settings_.identPort))
        ident_ = std::move(listener);
}

void CNetworkWnd::OnServerClose(int) {
    socket_->Close();
    ident_.reset();
    StopClientLink();
    if (state_.connected) {
        state_.connected = false;
        Dispatch(std::make_unique<C_imDisconnect>(1));
    } else if (connectProgress_) {
        FailAttempt(texts::kClosedDuringRegistration);
    }
}

void CNetworkWnd::OnOverlongLine() {
    Status(fmt::sprintf(texts::kOverlongReceived, Colour(colour::kProblem), LineFramer::kCapacity,
                        Colour(colour::kInformation)));
}

void CNetworkWnd::Reset() {
    hostNameLookup_.reset();
    ident_.reset();
    socket_->Close();
    StopClientLink();
    Loop().DeleteLater(std::move(socket_));
    socket_ = std::make_unique<CIRCClientSocket>(Loop(), Handle(), *this);
    state_.connected = false;
}

void CNetworkWnd::HandleLine(std::string& line) {
    if (line.empty()) return;
    if (state_.suppressOutput) {
        state_.suppressOutput = false;
        Status(fmt::sprintf(texts::kSuppressNotUnset, Colour(colour::kProblem)));
    }
    if (trafficLog_) trafficLog_->LogReceived(line);
    std::string_view view = line;
    if (StartsWith(view, "PING")) return AnswerPing(view);
    if (IsPrefixedPing(view)) return AnswerPing(view.substr(view.find(' ') + 1));
    if (StartsWith(view, "ERROR")) {
        Dispatch(std::make_unique<C_imError>(line.size() > 7 ? line.substr(7) : std::string()));
        return;
    }
    if (StartsWith(view, "NOTICE")) {
        size_t colon = line.find(':');
        Dispatch(std::make_unique<C_imServerNotice>(colon == std::string::npos ? std::string() : line.substr(colon + 1)));
        return;
    }
    ParsedLine parsed = ParseIRCLine(line, parseOptions_);
    if (parsed.sender.find('!') != std::string::npos) recent_.Offer(parsed.sender);
    switch (parsed.outcome) {
        case ParseOutcome::Parsed: return Dispatch(std::move(parsed.message));
        case ParseOutcome::Partly:
            ReportUnreadable(texts::kUnrecognisedData, line);
            return Dispatch(std::move(parsed.message));
        case ParseOutcome::Malformed: return ReportUnreadable(texts::kMalformedData, line);
        case ParseOutcome::Unrecognised: return ReportUnreadable(texts::kUnrecognisedData, line);
    }
}

void CNetworkWnd::ReportUnreadable(const char* format, const std::string& line) {
    int heldBack = 0;
    if (!unreadableLines_.Allow(Clock::TickCount(), heldBack)) return;
    if (heldBack > 0) Status(fmt::sprintf(texts::kUnreadableHeldBack, Colour(colour::kProblem), heldBack));
    Status(fmt::sprintf(format, Colour(colour::kProblem), Colour(colour::kInformation), line,
                        Colour(colour::kProblem)));
}

void CNetworkWnd::AnswerPing(std::string_view line) {
    size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        Send("PONG :" + state_.currentNick);
    else
        Send("PONG " + std::string(line.substr(colon)));
}

void CNetworkWnd::Send(std::string line) {
    std::string prepared;
    if (!PrepareOutgoingLine(line, kSendBufferSize, prepared)) {
        Status(fmt::sprintf(texts::kLineTooLong, Colour(colour::kProblem), static_cast<int>(prepared.size()),
                            static_cast<int>(kSendBufferSize), Colour(colour::kInformation)));
        return;
    }
    if (trafficLog_) trafficLog_->LogSent(prepared);
    switch (socket_->SendAll(prepared)) {
        case CIRCClientSocket::SendResult::Sent: return;
        case CIRCClientSocket::SendResult::Failed:
            return Status(fmt::sprintf(texts::kCannotSend, Colour(colour::kProblem), Colour(colour::kInformation)));
        case CIRCClientSocket::SendResult::QueueFull:
            Status(fmt::sprintf(texts::kSendQueueFull, Colour(colour::kProblem),
                                static_cast<int>(socket_->PendingOutput()), Colour(colour::kInformation)));
            return DropConnection();
    }
}

void CNetworkWnd::DropConnection() {
    bool wasConnected = state_.connected;
    Reset();
    if (wasConnected) Dispatch(std::make_unique<C_imDisconnect>(1));
}

void CNetworkWnd::Dispatch(std::unique_ptr<CIRCMessage> message) {
    if (message) notifyList_.Dispatch(std::move(message));
}

}  // namespace parlevox
