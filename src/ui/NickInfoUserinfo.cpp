#include "ui/NickInfoUserinfo.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "irc/IMServer.h"
#include "irc/NetworkControl.h"
#include "ui/NickInfoTexts.h"

namespace parlevox {
namespace {

constexpr int kNoSuchNick = 401;

}  // namespace

CNickInfoUserinfo::CNickInfoUserinfo(const NickInfoServices& services, std::string nick)
    : EventHandlerWindow(services.loop, services.networkWindow), services_(services), nick_(std::move(nick)) {}

// A closed page may go after the network window, at shutdown.
CNickInfoUserinfo::~CNickInfoUserinfo() {
    if (!closed_) services_.inbox.StopWaiting(*this);
}

void CNickInfoUserinfo::Shown() {
    if (closed_) return;
    SendToServer(Loop(), NetworkWindow(), fmt::sprintf(nickinfo_text::kYourInfoRequest, nick_));
    services_.inbox.Wait(*this);
    if (!absentId_) {
        HandlerRecord record;
        record.eventType = kServerNumeric;
        record.filters = filter::kNumeric;
        record.numeric = kNoSuchNick;
        record.priority = priority::kConnection;
        absentId_ = Register(record);
    }
    if (state_ != State::kArrived) state_ = State::kAsking;
    Changed();
}

void CNickInfoUserinfo::Close() {
    closed_ = true;
    services_.inbox.StopWaiting(*this);
    RemoveAllHandlers();
    absentId_ = 0;
}

void CNickInfoUserinfo::YourInfoArrived(const YourInfoBlock& info) {
    info_ = info;
    state_ = State::kArrived;
    Changed();
}

void CNickInfoUserinfo::OnEvent(CIRCMessage& message, uint32_t) {
    if (message.eventType != kServerNumeric) return;
    const auto& reply = static_cast<const C_imServerNumeric&>(message);
    if (reply.numeric != kNoSuchNick || !EqualsIgnoringCase(reply.ReplyParam(1), nick_)) return;
    state_ = State::kAbsent;
    Changed();
}

std::array<std::pair<const char*, std::string>, CNickInfoUserinfo::kFields> CNickInfoUserinfo::Fields() const {
    using namespace nickinfo_text;
    return {{{kAge, info_.age},
             {kDescription, info_.description},
             {kEmail, info_.email},
             {kRealName, info_.realName},
             {kLocation, info_.location},
             {kSex, info_.sex}}};
}

std::string CNickInfoUserinfo::StateLine() const {
    switch (state_) {
        case State::kAsking: return fmt::sprintf(nickinfo_text::kAsking, nick_);
        case State::kAbsent: return fmt::sprintf(nickinfo_text::kAbsent, nick_);
        case State::kNotAsked:
        case State::kArrived: return {};
    }
    return {};
}

void CNickInfoUserinfo::Changed() {
    if (view_) view_->UserinfoChanged();
}

}  // namespace parlevox
