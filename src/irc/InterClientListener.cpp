#include "irc/InterClientListener.h"

#include <arpa/inet.h>
#include <fmt/printf.h>

#include <algorithm>
#include <variant>

#include "irc/ClientLinkBlock.h"
#include "irc/ClientLinkInbox.h"
#include "irc/ClientLinkTexts.h"
#include "irc/ColourCodes.h"
#include "irc/IMPrivmsg.h"
#include "irc/StatusOutput.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

// The peer's IPv4 address in host order; nothing when it cannot be read.
std::optional<uint32_t> PeerAddress(const AsyncSocket& socket) {
    std::string dotted;
    uint16_t port = 0;
    in_addr address {};
    if (!socket.GetPeerName(dotted, port) || inet_pton(AF_INET, dotted.c_str(), &address) != 1) return std::nullopt;
    return ntohl(address.s_addr);
}

}  // namespace

void CInterClientSocket::Retire() {
    listener_ = nullptr;
    Close();
}

void CInterClientSocket::OnReceive(int) {
    while (listener_) {
        if (lengthRead_ < sizeof lengthBytes_ ? !ReadLength() : !ReadBlock()) return;
    }
}

bool CInterClientSocket::ReadLength() {
    const int got = Receive(lengthBytes_ + lengthRead_, static_cast<int>(sizeof lengthBytes_ - lengthRead_));
    if (got <= 0) return false;  // nothing more now; an end comes as OnClose
    lengthRead_ += static_cast<size_t>(got);
    if (lengthRead_ < sizeof lengthBytes_) return true;
    const size_t length = lengthBytes_[0] | static_cast<size_t>(lengthBytes_[1]) << 8;
    if (!client_link::ValidLength(length)) {
        listener_->BadLength(*this);
        return false;
    }
    block_.resize(length);
    return true;
}

bool CInterClientSocket::ReadBlock() {
    const int got = Receive(block_.data() + blockRead_, static_cast<int>(block_.size() - blockRead_));
    if (got <= 0) return false;
    blockRead_ += static_cast<size_t>(got);
    if (blockRead_ < block_.size()) return true;
    listener_->BlockReceived(*this, block_);
    return false;
}

void CInterClientSocket::OnClose(int) {
    if (listener_) listener_->Finished(*this);
}

CInterClientListener::CInterClientListener(EventLoop& loop, const InterClientServices& services)
    : AsyncSocket(loop), services_(services) {}

CInterClientListener::~CInterClientListener() {
    Shut();
}

bool CInterClientListener::Start(const std::string& localAddress) {
    // The connections inherit these, less kAccept.
    if (!Create(0, kAccept | kRead | kClose, localAddress)) return false;
    std::string address;
    if (Listen(kBacklog) && GetSockName(address, port_) && port_ != 0) return true;
    Close();
    port_ = 0;
    return false;
}

void CInterClientListener::Shut() {
    Close();
    for (auto& connection : connections_) connection->Retire();
    connections_.clear();
}

void CInterClientListener::OnAccept(int) {
    const uint64_t now = services_.inbox.Now();
    DropStale(now);
    if (!lastAccept_ || now - *lastAccept_ > kBurstMs) recent_.clear();
    lastAccept_ = now;
    auto connection = std::make_unique<CInterClientSocket>(Loop(), *this);
    if (!Accept(*connection)) return;
    const std::optional<uint32_t> peer = PeerAddress(*connection);
    if (!peer || refused_.contains(*peer)) return;
    if (!recent_.insert(*peer).second) return Refuse(*peer);
    if (connections_.size() >= kMaxOpen) return;
    connection->Adopted(*peer, now);
    connections_.push_back(std::move(connection));
}

void CInterClientListener::DropStale(uint64_t now) {
    std::vector<CInterClientSocket*> stale;
    for (auto& connection : connections_)
        if (now - connection->Since() > kStaleMs) stale.push_back(connection.get());
    for (CInterClientSocket* connection : stale) Finished(*connection);
}

void CInterClientListener::BlockReceived(CInterClientSocket& from, std::string_view block) {
    const uint32_t peer = from.Peer();
    const ClientLinkBlock parsed = ParseClientLinkBlock(block);
    Finished(from);
    // An address refused while this connection was open sends nothing more.
    if (refused_.contains(peer)) return;
    if (const auto* chat = std::get_if<DccChatBlock>(&parsed)) {
        services_.dispatch(C_imDCCChat::FromClientLink(chat->nick, chat->address, chat->ip, chat->port));
    } else if (const auto* info = std::get_if<YourInfoBlock>(&parsed)) {
        if (services_.inbox.Deliver(*info) == ClientLinkInbox::Delivery::kRefuse) Refuse(peer);
    } else {
        Refuse(peer);
    }
}

void CInterClientListener::BadLength(CInterClientSocket& from) {
    const uint32_t peer = from.Peer();
    Finished(from);
    Refuse(peer);
}

void CInterClientListener::Finished(CInterClientSocket& connection) {
    connection.Retire();
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [&](const auto& kept) { return kept.get() == &connection; });
    if (it == connections_.end()) return;
    // It may be inside its own notification: destroyed after it returns.
    Loop().DeleteLater(std::move(*it));
    connections_.erase(it);
}

// Said once per address: a second bad block from it changes nothing.
void CInterClientListener::Refuse(uint32_t address) {
    if (!refused_.insert(address).second) return;
    const ColourCodes& c = services_.colours;
    const std::string c14 = c.Code(colour::kProblem), c13 = c.Code(colour::kInformation);
    services_.status.WriteStatus(fmt::sprintf(client_link_text::kRefused, c14, c13, c14, c13,
                                              static_cast<int>(address >> 24), static_cast<int>(address >> 16 & 0xFF),
                                              static_cast<int>(address >> 8 & 0xFF), static_cast<int>(address & 0xFF)));
}

}  // namespace parlevox
