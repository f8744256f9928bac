#include "ui/ChannelListQuery.h"

#include <fmt/printf.h>

#include "common/ParseInteger.h"
#include "common/TextHelpers.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMServer.h"
#include "irc/NetworkControl.h"

namespace parlevox {

namespace {

constexpr double kFilteringServices = 4.5;
constexpr int kListStart = 321, kListEntry = 322, kListEnd = 323;

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

CChannelListQuery::CChannelListQuery(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection)
    : EventHandlerWindow(loop, networkWindow), connection_(connection) {}

CChannelListQuery::~CChannelListQuery() = default;

bool CChannelListQuery::Passes(const ListedChannel& channel, const ChannelListFilter& filter) {
    if (channel.users < filter.minUsers || channel.users > filter.maxUsers) return false;
    if (Contains(channel.name, "!")) return false;
    const std::string name = ToLower(channel.name);
    if (filter.skipXRated && (Contains(name, "sex") || Contains(name, "fuck"))) return false;
    if (filter.text.empty()) return true;
    const std::string wanted = ToLower(filter.text);
    return Contains(name, wanted) || Contains(ToLower(channel.topic), wanted);
}

std::string CChannelListQuery::ListCommand(const ChannelListFilter& filter, double servicesVersion) {
    if (servicesVersion < kFilteringServices) return "LIST";
    return fmt::sprintf("LIST >%i <%i *%s*", filter.minUsers, filter.maxUsers, filter.text);
}

void CChannelListQuery::Refresh(const ChannelListFilter& filter) {
    Stop();
    filter_ = filter;
    arrived_.clear();
    for (int numeric : {kListEntry, kListEnd, kListStart}) {
        HandlerRecord record;
        record.eventType = kServerNumeric;
        record.filters = filter::kNumeric;
        record.numeric = numeric;
        record.priority = priority::kLists;
        handlers_.push_back(Register(record));
    }
    running_ = true;
    Send(ListCommand(filter_, connection_.servicesVersion));
}

void CChannelListQuery::Leave() {
    const bool cutShort = running_ && connection_.servicesVersion >= kFilteringServices;
    Stop();
    if (cutShort) Send("LIST >999");
}

void CChannelListQuery::Stop() {
    for (uint32_t id : handlers_) RemoveHandler(id);
    handlers_.clear();
    running_ = false;
}

std::vector<ListedChannel> CChannelListQuery::TakeArrived() {
    std::vector<ListedChannel> taken;
    taken.swap(arrived_);
    return taken;
}

void CChannelListQuery::OnEvent(CIRCMessage& message, uint32_t) {
    if (!running_ || message.eventType != kServerNumeric) return;
    auto& reply = static_cast<C_imServerNumeric&>(message);
    EndChain();
    if (reply.numeric == kListEnd) return Stop();
    if (reply.numeric != kListEntry || reply.params.size() < 3) return;
    ListedChannel channel {reply.ReplyParam(1), reply.text, 0};
    const std::optional<uint64_t> users = ParseStrictDecimal(reply.ReplyParam(2), 1u << 30);
    if (!users) return;
    channel.users = static_cast<int>(*users);
    if (Passes(channel, filter_)) arrived_.push_back(std::move(channel));
}

void CChannelListQuery::Send(const std::string& line) {
    SendToServer(Loop(), NetworkWindow(), line);
}

}  // namespace parlevox
