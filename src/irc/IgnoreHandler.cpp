#include "irc/IgnoreHandler.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IgnoreTexts.h"
#include "irc/NetworkControl.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

const AddressRecord* SenderOf(const CIRCMessage& message) {
    if (auto* m = dynamic_cast<const C_imPRIVMSG*>(&message)) return &m->senderAddress;
    if (auto* m = dynamic_cast<const C_imNotice*>(&message)) return &m->senderAddress;
    if (auto* m = dynamic_cast<const C_imGlobalEvent*>(&message)) return &m->senderAddress;
    return nullptr;
}

// Nick changes and CTCP requests and replies (the 0x0201 bits of the type).
bool CountsForFlood(uint32_t type) {
    return type == kNick || (type & 0x0201u) == 0x0201u;
}

}  // namespace

IgnoreCheck::IgnoreCheck(CIgnoreList& list, const ConnectionState& state, const ColourCodes& colours,
                         StatusOutput& status)
    : list_(list), state_(state), colours_(colours), status_(status) {}

bool IgnoreCheck::ShouldDrop(const CIRCMessage& message, std::time_t now) {
    const AddressRecord* sender = SenderOf(message);
    if (!sender) return false;
    lowered_.Set(*sender);
    if (friends_.IsFriend(lowered_)) return false;
    if (list_.Check(*sender, lowered_, now) >= 0) return true;
    return CountsForFlood(message.eventType) && IsFlood(*sender, now);
}

bool IgnoreCheck::IsFlood(const AddressRecord& sender, std::time_t now) {
    // Without a user and host there is no mask to make; and the user's own
    // lines come back through here as events and must not ignore the user.
    if (sender.user.empty() || sender.host.empty()) return false;
    if (!state_.currentNick.empty() && EqualsIgnoringCase(sender.nick, state_.currentNick)) return false;
    if (!flood_.IsFlood(sender, now)) return false;
    list_.Add(sender, texts::kFloodReason, false, now);
    status_.WriteStatus(fmt::sprintf(texts::kFloodAdded, colours_.Code(colour::kProblem), colours_.Code(colour::kNick),
                                     sender.nick, colours_.Code(colour::kInformation), sender.user, sender.host));
    return true;
}

CIgnoreHandler::CIgnoreHandler(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state,
                               const ColourCodes& colours, StatusOutput& status, CIgnoreList& list, Now now)
    : EventHandlerWindow(loop, networkWindow), list_(list), check_(list, state, colours, status),
      now_(now ? std::move(now) : Now([] { return Clock::Now(); })) {
    for (uint32_t type : {kPRIVMSG, kNotice, kGlobalEvent, kConnect, kDisconnect})
        Register(type, priority::kIgnoreList);
}

void CIgnoreHandler::OnEvent(CIRCMessage& message, uint32_t) {
    if (message.eventType == kConnect || message.eventType == kDisconnect) {
        list_.ClearSilenced();
        list_.SaveIfChanged();
        return;
    }
    if (check_.ShouldDrop(message, now_())) EndChain();
}

CIgnoreList::Sender SilenceSender(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state) {
    return [&loop, networkWindow, &state](const std::string& line) {
        if (state.connected) SendToServer(loop, networkWindow, line);
    };
}

}  // namespace parlevox
