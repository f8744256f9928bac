#include "dcc/DCCQueryWnd.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "dcc/DccTexts.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/NetworkControl.h"

namespace parlevox {

CDCCQueryWnd::CDCCQueryWnd(EventLoop& loop, WindowHandle networkWindow, DccOffer offer, uint64_t existingSize)
    : EventHandlerWindow(loop, networkWindow), offer_(std::move(offer)) {
    if (existingSize == 0) {
        label_ = dcc_text::kAcceptNew;
    } else if (existingSize < offer_.size) {
        position_ = existingSize;
        StartResume();
    } else {
        label_ = dcc_text::kOverwrite;
    }
}

CDCCQueryWnd::~CDCCQueryWnd() = default;

std::string CDCCQueryWnd::Title() const {
    return offer_.fileName + " - " + offer_.sender.nick;
}

void CDCCQueryWnd::SetView(std::unique_ptr<DccQueryView> view) {
    view_ = std::move(view);
    Update();
}

// Asks the sender to continue at what we have, and probes whether it
// answers CTCP at all: a PING answer without an ACCEPT means it cannot.
void CDCCQueryWnd::StartResume() {
    label_ = dcc_text::kTryingResume;
    enabled_ = false;
    waiting_ = true;
    for (uint32_t type : {kDCCAccept, kCTCPReply}) {
        HandlerRecord record;
        record.eventType = type;
        record.filters = filter::kMask;
        record.mask = {offer_.sender.nick, "*", "*"};
        record.priority = priority::kConnection;
        if (type == kCTCPReply) {
            record.filters |= filter::kCTCPType;
            record.ctcpType = "PING";
        }
        Register(std::move(record));
    }
    const std::string to = "PRIVMSG " + offer_.sender.nick + " :\x01";
    const unsigned long long position = position_;
    std::string resume = fmt::sprintf(dcc_text::kResumeRequest, offer_.fileName, offer_.port, position);
    if (!offer_.token.empty()) resume += " " + offer_.token;
    SendToServer(Loop(), NetworkWindow(), to + resume + "\x01");
    SendToServer(Loop(), NetworkWindow(), to + dcc_text::kResumeProbe + "\x01");
}

void CDCCQueryWnd::OnEvent(CIRCMessage& message, uint32_t) {
    if (!waiting_) return;
    if (auto* accept = dynamic_cast<C_imDCCAccept*>(&message)) {
        // Never past what we hold: the gap would be a hole in the file.
        if (!accept->valid || accept->position > position_) return;
        message.handled = 1;
        Answered(dcc_text::kResume, accept->position);
    } else if (auto* reply = dynamic_cast<C_imCTCPReply*>(&message)) {
        if (!EqualsIgnoringCase(reply->ctcpType, "PING")) return;
        Answered(dcc_text::kOverwrite, 0);
    }
}

void CDCCQueryWnd::Answered(const std::string& label, uint64_t position) {
    waiting_ = false;
    RemoveAllHandlers();
    label_ = label;
    position_ = position;
    enabled_ = true;
    Update();
}

void CDCCQueryWnd::Accept() {
    if (!enabled_) return;
    enabled_ = false;
    if (onAccept) onAccept(offer_, position_);
    RequestClose();
}

void CDCCQueryWnd::Decline() {
    enabled_ = false;
    RequestClose();
}

void CDCCQueryWnd::RequestClose() {
    RemoveAllHandlers();
    waiting_ = false;
    if (onCloseRequested) onCloseRequested();
}

void CDCCQueryWnd::Update() {
    if (view_) view_->Updated(*this);
}

}  // namespace parlevox
