#include "dcc/DCCChatWnd.h"

#include <fmt/printf.h>

#include <utility>

#include "common/ControlBytes.h"
#include "common/TextHelpers.h"
#include "dcc/DCCChatSockets.h"
#include "dcc/DccChatTexts.h"
#include "dcc/DccNumbers.h"
#include "display/ChatTexts.h"
#include "platform/EventLoop.h"
#include "platform/SocketErrors.h"

namespace parlevox {
namespace {

bool IsActionLine(std::string_view line) {
    return line.size() >= 3 && EqualsIgnoringCase(line.substr(0, 3), "/me");
}

// What a peer sends, fit for the pane: the colour and style codes stay; a
// zero byte would cut the line short, a nickname mark would make words
// into nicknames with a menu, and other control bytes have no glyph.
std::string PaneText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') out += ' ';
        else if ((byte >= 32 && byte != 0x7F) || (IsFormattingCode(c) && c != '\b')) out += c;
    }
    return out;
}

std::string Title(const std::string& peer, uint16_t telnetPort) {
    if (telnetPort != 0) return fmt::sprintf(texts::kTelnetTitle, peer, telnetPort);
    return fmt::sprintf(texts::kDccChatTitle, peer);
}

}  // namespace

CDCCChatWnd::CDCCChatWnd(const ChatWindowServices& services, std::string peer, uint16_t telnetPort,
                         ChatWindowView& view)
    : CChatWindow(services, std::move(peer), view), telnetPort_(telnetPort) {
    SetCaption(Title(Name(), telnetPort_));
    View().InputEnabled(false);
}

CDCCChatWnd::~CDCCChatWnd() {
    RetireSocket();
}

void CDCCChatWnd::RetireSocket() {
    if (!socket_) return;
    socket_->Retire();
    // The socket may be the one whose notification is running.
    Loop().DeleteLater(std::move(socket_));
}

uint16_t CDCCChatWnd::Listen(const DccTransferSettings& settings) {
    RetireSocket();
    auto listener = std::make_unique<CDCCChatListenSocket>(Loop(), *this);
    std::string error;
    const uint16_t port = listener->Start(settings, error);
    if (port == 0) {
        ShowStatus(colour::kProblem, error);
        return 0;
    }
    socket_ = std::move(listener);
    return port;
}

void CDCCChatWnd::Connect(uint32_t ip, uint16_t port) {
    RetireSocket();
    auto socket = std::make_unique<CDCCChatSocket>(Loop(), *this);
    if (!socket->Create(0, AsyncSocket::kConnect | AsyncSocket::kRead | AsyncSocket::kWrite | AsyncSocket::kClose))
        return ShowStatus(colour::kProblem, texts::kNoChatSocket);
    const std::string address = NumberToDotted(ip);
    if (!socket->Connect(address, port) && socket->LastError() != wsa::kWouldBlock)
        return ShowStatus(colour::kProblem, texts::kCannotConnectTo + address);
    socket_ = std::move(socket);
}

void CDCCChatWnd::HoldOffer(uint32_t ip, uint16_t port) {
    pendingIp_ = ip;
    pendingPort_ = port;
    View().OfferPending(true);
    ShowStatus(colour::kInformation, fmt::sprintf(texts::kChatOfferWaiting, Name(), NumberToDotted(ip), port));
}

void CDCCChatWnd::AcceptOffer() {
    if (!OfferPending()) return;
    const uint32_t ip = std::exchange(pendingIp_, 0);
    const uint16_t port = std::exchange(pendingPort_, 0);
    View().OfferPending(false);
    Connect(ip, port);
}

void CDCCChatWnd::DeclineOffer() {
    if (!OfferPending()) return;
    pendingIp_ = 0;
    pendingPort_ = 0;
    View().OfferPending(false);
    RequestClose();
}

void CDCCChatWnd::Type(std::string_view line) {
    if (line.empty()) return;
    if (line[0] == '/' && !line.starts_with("/me"))
        return Services().commands.Run(line, Name(), CommandNick(), *this);
    if (!connected_ || !socket_) return;  // the input line is off
    ShowSpeech(Services().connection.currentNick, line);
    socket_->SendLine(line);
}

SchemeWindow CDCCChatWnd::SchemeTarget() const {
    SchemeWindow target;
    target.kind = SchemeWindow::Kind::PrivateChat;
    target.name = Name();
    target.serverName = Services().connection.serverName;
    return target;
}

void CDCCChatWnd::OnContextMenu(int x, int y) {
    // A telnet peer is a host, which no user menu is for.
    if (IsTelnet()) return CChatWindow::OnContextMenu(x, y);
    View().NicknameMenu(Name(), x, y);
}

void CDCCChatWnd::SocketConnected(std::unique_ptr<DccChatSocketBase> replacement) {
    if (replacement) {
        RetireSocket();
        socket_ = std::move(replacement);
    }
    connected_ = true;
    View().InputEnabled(true);
    ShowStatus(colour::kInformation, texts::kChatConnected);
}

void CDCCChatWnd::ShowReceivedLine(std::string_view line) {
    ShowSpeech(Name(), line);
}

void CDCCChatWnd::SocketClosed() {
    Ended(colour::kInformation, texts::kChatClosed);
}

void CDCCChatWnd::SocketFailed(const std::string& error) {
    Ended(colour::kProblem, error);
}

void CDCCChatWnd::Ended(int slot, const std::string& text) {
    RetireSocket();
    connected_ = false;
    View().InputEnabled(false);
    ShowStatus(slot, text);
}

void CDCCChatWnd::ShowStatus(int slot, const std::string& text) {
    AddLine(fmt::sprintf(texts::kChatStatusLine, Services().colours.Code(slot), text));
}

void CDCCChatWnd::ShowSpeech(const std::string& who, std::string_view line) {
    const ColourCodes& colours = Services().colours;
    const std::string text = colours.Code(colour::kText);
    const std::string nick = colours.Code(colour::kNick);
    if (IsActionLine(line))
        return AddLine(fmt::sprintf(texts::kActionLine, text, nick, PaneText(who), text, PaneText(line.substr(3))));
    AddLine(fmt::sprintf(texts::kMessageLine, text, nick, PaneText(who), text, PaneText(line)));
}

}  // namespace parlevox
