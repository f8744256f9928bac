#include "ui/ClientLinkRequests.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/TextHelpers.h"
#include "irc/ClientLinkTexts.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/IMServer.h"
#include "irc/NetworkControl.h"
#include "irc/StatusOutput.h"

namespace parlevox {
namespace {

constexpr int kWhoisUser = 311;
constexpr int kEndOfWhois = 318;

bool IsWhoisReply(int numeric) {
    return numeric >= 310 && numeric <= 319;
}

// The channel list, server and idle lines are the person's to see.
bool PassesOn(int numeric) {
    return numeric >= 314 && numeric <= 316;
}

}  // namespace

CClientLinkRequests::CClientLinkRequests(const ClientLinkRequestServices& services)
    : EventHandlerWindow(services.loop, services.networkWindow),
      services_(services),
      dumps_(services.loop, services.status, services.colours) {
    Register(kDisconnect, priority::kConnection);
}

CClientLinkRequests::~CClientLinkRequests() = default;

void CClientLinkRequests::RequestChat(const std::string& nick) {
    if (Lookup* lookup = LookUp(nick)) lookup->chat = true;
}

void CClientLinkRequests::SendYourInfo(const std::string& nick) {
    if (Lookup* lookup = LookUp(nick)) lookup->yourInfo = true;
}

CClientLinkRequests::Lookup* CClientLinkRequests::LookUp(const std::string& nick) {
    if (nick.empty()) return nullptr;
    auto it = std::find_if(lookups_.begin(), lookups_.end(),
                           [&](const Lookup& lookup) { return EqualsIgnoringCase(lookup.nick, nick); });
    if (it != lookups_.end()) return &*it;  // its WHOIS serves this request too
    // Without a connection the line only says so; no reply will come.
    if (!services_.connection.connected) {
        SendToServer(Loop(), NetworkWindow(), "WHOIS " + nick);
        return nullptr;
    }
    HandlerRecord record;
    record.eventType = kServerNumeric;
    record.priority = priority::kConnection;
    lookups_.push_back({nick, Register(record)});
    SendToServer(Loop(), NetworkWindow(), "WHOIS " + nick);
    return &lookups_.back();
}

void CClientLinkRequests::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (message.eventType == kDisconnect) return EndAll();
    auto it = std::find_if(lookups_.begin(), lookups_.end(),
                           [&](const Lookup& lookup) { return lookup.handlerId == handlerId; });
    if (it == lookups_.end() || message.eventType != kServerNumeric) return;
    const auto& reply = static_cast<const C_imServerNumeric&>(message);
    if (!IsWhoisReply(reply.numeric) || !EqualsIgnoringCase(reply.ReplyParam(1), it->nick)) return;
    if (reply.numeric == kWhoisUser) OnWhoisReply(*it, reply);
    if (!PassesOn(reply.numeric)) EndChain();
    if (reply.numeric == kEndOfWhois) EndLookup(handlerId);
}

void CClientLinkRequests::OnWhoisReply(const Lookup& lookup, const C_imServerNumeric& reply) {
    const std::optional<uint16_t> linkPort = AdvertisedLinkPort(reply.text);
    const std::string& host = reply.ReplyParam(3);
    if (!linkPort || host.empty()) return;
    if (lookup.chat) {
        if (const uint16_t chatPort = services_.openChatListener(lookup.nick)) {
            const std::string& ownNick = services_.connection.currentNick;
            Send(host, *linkPort, FrameDccChatBlock(ownNick, services_.ownAddress(), chatPort));
        }
    }
    if (lookup.yourInfo) {
        const std::optional<std::string> block = FrameYourInfoBlock(services_.yourInfo());
        if (!block) return;
        const ColourCodes& c = services_.colours;
        services_.status.WriteStatus(fmt::sprintf(client_link_text::kSendingYourInfo, c.Code(colour::kProblem),
                                                  c.Code(colour::kNick), lookup.nick, c.Code(colour::kInformation)));
        Send(host, *linkPort, block);
    }
}

void CClientLinkRequests::Send(const std::string& host, uint16_t port, const std::optional<std::string>& bytes) {
    if (bytes) dumps_.Send(host, port, *bytes);
}

void CClientLinkRequests::EndLookup(uint32_t handlerId) {
    RemoveHandler(handlerId);
    std::erase_if(lookups_, [&](const Lookup& lookup) { return lookup.handlerId == handlerId; });
}

// The replies of a lost connection never come.
void CClientLinkRequests::EndAll() {
    for (const Lookup& lookup : lookups_) RemoveHandler(lookup.handlerId);
    lookups_.clear();
}

}  // namespace parlevox
