#include "irc/NotifyWatch.h"

#include <unordered_set>

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/IMNetSystem.h"
#include "irc/NetworkControl.h"
#include "irc/NetworkMessages.h"
#include "irc/NotifyTexts.h"
#include "irc/StatusOutput.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

// The words of a reply, folded: a nick is online when the reply names it
// as a whole word in any case ("bob" is not online because "bobby" is).
std::unordered_set<std::string> FoldedWords(std::string_view text) {
    std::unordered_set<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(' ', pos);
        if (end == std::string_view::npos) end = text.size();
        if (end > pos) words.insert(ToLower(text.substr(pos, end - pos)));
        pos = end + 1;
    }
    return words;
}

}  // namespace

CNotifyWatch::CNotifyWatch(const NotifyWatchServices& services, const std::vector<std::string>& nicks)
    : services_(services) {
    SetTickSource({});
    entries_.push_back({notifytext::kServicesNick});
    for (const std::string& nick : nicks)
        if (!nick.empty() && !Find(nick)) entries_.push_back({nick});
}

void CNotifyWatch::SetTickSource(TickSource ticks) {
    ticks_ = ticks ? std::move(ticks) : TickSource(&Clock::TickCount);
}

uint64_t CNotifyWatch::Now() const {
    return ticks_();
}

CNotifyWatch::Entry* CNotifyWatch::Find(std::string_view nick) {
    for (Entry& entry : entries_)
        if (EqualsIgnoringCase(entry.nick, nick)) return &entry;
    return nullptr;
}

std::vector<std::string> CNotifyWatch::Nicks() const {
    std::vector<std::string> nicks;
    for (size_t i = 1; i < entries_.size(); ++i) nicks.push_back(entries_[i].nick);
    return nicks;
}

std::vector<std::string> CNotifyWatch::OnlineNicks() const {
    std::vector<std::string> nicks;
    for (size_t i = 1; i < entries_.size(); ++i)
        if (entries_[i].online) nicks.push_back(entries_[i].nick);
    return nicks;
}

std::string CNotifyWatch::CommandLine(const char* format, const std::string& nick, int leadingSlot) const {
    const std::string leading = services_.colours.Code(leadingSlot);
    return fmt::sprintf(format, leading, services_.colours.Code(colour::kNick), nick, leading);
}

// "NickServ" counts as being on the list: it is watched, though never shown.
std::string CNotifyWatch::Add(const std::string& nick) {
    if (Find(nick)) return CommandLine(notifytext::kAlreadyOn, nick, colour::kProblem);
    entries_.push_back({nick});
    changed_ = true;
    return CommandLine(notifytext::kAdded, nick, colour::kInformation);
}

// The request in flight counted the removed entry: its counts are cut back
// so that the reply is read against the entries that remain.
std::string CNotifyWatch::Remove(const std::string& nick) {
    for (size_t i = 1; i < entries_.size(); ++i) {
        if (!EqualsIgnoringCase(entries_[i].nick, nick)) continue;
        const std::string removed = entries_[i].nick;
        if (entries_[i].online) SetOnline(entries_[i], false);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < carried_) --carried_;
        if (i < listed_) --listed_;
        changed_ = true;
        return CommandLine(notifytext::kRemoved, removed, colour::kInformation);
    }
    return CommandLine(notifytext::kNotOn, nick, colour::kProblem);
}

void CNotifyWatch::Poll() {
    if (!services_.connection.connected) {
        if (servicesUp_) {
            servicesUp_ = false;
            Dispatch(std::make_unique<C_imServicesDown>());
        }
        AllOffline();
        return;
    }
    if (outstanding_) {
        if (CurrentLagMs() > kResetAfterMs) ResetConnection();
        return;
    }
    SendRequest();
}

// From the start of the list, each entry only while the line stays at most
// 511 characters.
void CNotifyWatch::SendRequest() {
    std::string line = notifytext::kIsonPrefix;
    size_t carried = 0;
    for (const Entry& entry : entries_) {
        if (line.size() + 1 + entry.nick.size() > kMaxRequestLength) break;
        if (carried > 0) line += ' ';
        line += entry.nick;
        ++carried;
    }
    carried_ = carried;
    listed_ = entries_.size();
    outstanding_ = true;
    sentThisConnection_ = true;
    sentAt_ = Now();
    // LF alone: a full 511 characters and their terminator fit the 512 the
    // network window sends.
    Send(line + "\n");
}

void CNotifyWatch::Reply(std::string_view text) {
    if (!outstanding_) return;
    outstanding_ = false;
    lag_ = Age();
    if (onLagMeasured) onLagMeasured();

    const std::unordered_set<std::string> online = FoldedWords(text);
    WatchServices(online.contains(ToLower(entries_[0].nick)));

    std::string joined, left, notCarried;
    // Entries added since the request was sent wait for the next one.
    for (size_t i = 1; i < listed_; ++i) {
        Entry& entry = entries_[i];
        if (i >= carried_) {
            notCarried += entry.nick + ' ';
            continue;
        }
        const bool now = online.contains(ToLower(entry.nick));
        if (now == entry.online) continue;
        (now ? joined : left) += entry.nick + ' ';
        SetOnline(entry, now);
    }
    if ((!joined.empty() || !left.empty()) && onPeopleCameOrWent) onPeopleCameOrWent();

    const ColourCodes& c = services_.colours;
    const std::string nickColour = c.Code(colour::kNick);
    if (!joined.empty())
        services_.status.WriteStatus(fmt::sprintf(notifytext::kJoined, c.Code(colour::kJoin), nickColour, joined));
    if (!left.empty())
        services_.status.WriteStatus(fmt::sprintf(notifytext::kLeft, c.Code(colour::kPart), nickColour, left));
    if (!notCarried.empty())
        services_.status.WriteStatus(
            fmt::sprintf(notifytext::kNotChecking, c.Code(colour::kProblem), nickColour, notCarried));
}

// NickServ coming back on the services' own network brings the services
// up and identifies the registered nicks; it going takes them down.
void CNotifyWatch::WatchServices(bool online) {
    Entry& services = entries_[0];
    if (online && !services.online && services_.connection.servicesNetwork) {
        services.online = true;
        servicesUp_ = true;
        Dispatch(std::make_unique<C_imServicesUp>());
        Identify();
    } else if (!online && servicesUp_) {
        services.online = false;
        servicesUp_ = false;
        Dispatch(std::make_unique<C_imServicesDown>());
    }
}

// One line per slot in order, up to the first slot without a nick; a slot
// without a password is skipped.
void CNotifyWatch::Identify() {
    for (const RegisteredNick& slot : registered_) {
        if (slot.nick.empty()) break;
        if (!slot.password.empty()) Send(fmt::sprintf(notifytext::kIdentify, slot.nick, slot.password));
    }
}

void CNotifyWatch::ConnectionBegan() {
    outstanding_ = false;
    sentThisConnection_ = false;
    carried_ = listed_ = 0;
    sentAt_ = 0;
    lag_ = 0;
}

void CNotifyWatch::ConnectionEnded() {
    outstanding_ = false;
    sentThisConnection_ = false;
    AllOffline();
}

uint64_t CNotifyWatch::CurrentLagMs() const {
    if (outstanding_ && Age() > lag_) return Age();
    return lag_;
}

uint64_t CNotifyWatch::Age() const {
    const uint64_t now = Now();
    return now > sentAt_ ? now - sentAt_ : 0;
}

std::optional<int> CNotifyWatch::ShownLagSeconds() const {
    if (!services_.connection.connected || !sentThisConnection_) return std::nullopt;
    return static_cast<int>(CurrentLagMs() / 1000);
}

void CNotifyWatch::SetOnline(Entry& entry, bool online) {
    entry.online = online;
    if (onOnlineChanged) onOnlineChanged(entry.nick, online);
}

void CNotifyWatch::AllOffline() {
    for (Entry& entry : entries_) entry.online = false;
    if (onAllOffline) onAllOffline();
}

// The network window's reset only closes the socket; the windows learn of
// the lost connection from the Disconnect event that follows.
void CNotifyWatch::ResetConnection() {
    services_.loop.SendMessage(services_.networkWindow, WindowMessage(netmsg::kResetSocket));
    outstanding_ = false;
    Dispatch(std::make_unique<C_imDisconnect>(1));
}

void CNotifyWatch::Dispatch(std::unique_ptr<CIRCMessage> message) {
    services_.loop.PostMessage(services_.networkWindow,
                               WindowMessage(netmsg::kDispatchEvent, std::make_unique<EventPayload>(std::move(message))));
}

void CNotifyWatch::Send(const std::string& line) {
    SendToServer(services_.loop, services_.networkWindow, line);
}

}  // namespace parlevox
