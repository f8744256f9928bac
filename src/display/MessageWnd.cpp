#include "display/MessageWnd.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "display/ChatTexts.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"

namespace parlevox {
namespace {

template <typename T>
T* As(CIRCMessage& message) {
    return dynamic_cast<T*>(&message);
}

const AddressRecord* SenderOf(CIRCMessage& message) {
    if (auto* privmsg = As<C_imPRIVMSG>(message)) return &privmsg->senderAddress;
    if (auto* notice = As<C_imNotice>(message)) return &notice->senderAddress;
    if (auto* global = As<C_imGlobalEvent>(message)) return &global->senderAddress;
    return nullptr;
}

}  // namespace

CMessageWnd::CMessageWnd(const ChatWindowServices& services, std::string nick, ChatWindowView& view)
    : CChatWindow(services, std::move(nick), view) {
    SubscribePartner();
    Register(kDisconnect, priority::kWindow);
    // The user's own lines carry the user's nick, not the partner's, so
    // they come through a registration without a mask.
    ownHandler_ = Register(kPRIVMSG, priority::kWindow);
}

void CMessageWnd::SubscribePartner() {
    for (uint32_t id : partnerHandlers_)
        if (id) RemoveHandler(id);
    const uint32_t types[] = {kPrivateMessage, kPrivateMe, kPrivateNotice, kPrivateCTCP, kNick, kQuit};
    for (size_t i = 0; i < partnerHandlers_.size(); ++i) {
        HandlerRecord record;
        record.eventType = types[i];
        record.filters = filter::kMask;
        record.mask = {Name(), "*", "*"};
        record.priority = priority::kWindow;
        if (types[i] == kPrivateCTCP) {
            record.filters |= filter::kCTCPType;
            record.ctcpType = "SOUND";
        }
        partnerHandlers_[i] = Register(std::move(record));
    }
}

bool CMessageWnd::IsOwnToPartner(const CIRCMessage& message) const {
    const AddressRecord sender = AddressRecord::FromSender(message.sender);
    // Talking to oneself: the partner's registrations show it already.
    return IsOwnNick(sender.nick) && !EqualsIgnoringCase(sender.nick, Name()) &&
           EqualsIgnoringCase(message.params[0], Name());
}

void CMessageWnd::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (handlerId == ownHandler_) {
        if (!IsOwnToPartner(message)) return;
        if (auto* sender = SenderOf(message)) ShowPrivateEvent(message, *sender);
        return;
    }
    if (message.eventType == kDisconnect) return Show(message, Formatter().Disconnected());
    const AddressRecord* sender = SenderOf(message);
    if (!sender) return Show(message, ChatLineFormatter::Invalid(message.eventType, message.raw));
    if (!sender->user.empty() && !sender->host.empty())
        SetCaption(fmt::sprintf(texts::kQueryCaption, Name(), sender->user, sender->host));
    if (auto* nick = As<C_imNick>(message)) {
        Show(message, Formatter().NickChange(sender->nick, nick->targetNick));
        if (nick->targetNick.empty()) return;
        SetName(nick->targetNick);
        SetCaption(fmt::sprintf(texts::kQueryCaption, Name(), sender->user, sender->host));
        return SubscribePartner();
    }
    if (message.eventType == kQuit) return Show(message, Formatter().Quit(sender->nick, message.text));
    if (!ShowPrivateEvent(message, *sender))
        Show(message, ChatLineFormatter::Invalid(message.eventType, message.raw));
}

bool CMessageWnd::ShowPrivateEvent(CIRCMessage& message, const AddressRecord& sender) {
    const ChatLineFormatter format = Formatter();
    if (message.eventType == kPrivateMessage) {
        Show(message, format.Message(sender.nick, message.text));
    } else if (message.eventType == kPrivateNotice) {
        Show(message, format.PrivateNotice(sender.nick, message.text));
    } else if (auto* action = As<C_imPrivateMe>(message)) {
        Show(message, format.Action(sender.nick, action->ctcpArgument));
    } else if (auto* ctcp = As<C_imPrivateCTCP>(message); ctcp && ctcp->ctcpType == "SOUND") {
        const SoundRequest request = SplitSoundRequest(ctcp->ctcpArgument);
        Show(message, format.Sound(sender.nick, request));
        PlaySoundRequest(sender.nick, request);
    } else {
        return false;
    }
    return true;
}

}  // namespace parlevox
