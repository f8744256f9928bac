#include "ui/MainFrame.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMServer.h"
#include "irc/NamesReply.h"
#include "irc/NetworkMessages.h"
#include "irc/NumericReplyText.h"
#include "irc/StatusOutput.h"
#include "platform/EventLoop.h"
#include "ui/MainFrameTexts.h"

namespace parlevox {
namespace {

std::string ModeText(const C_imNickMode& mode) {
    std::string text = mode.modeFlags;
    for (const std::string& param : mode.modeParams) text += ' ' + param;
    return text;
}

}  // namespace

CMainFrame::CMainFrame(EventLoop& loop, WindowHandle networkWindow, ConnectionState& state,
                       const ColourCodes& colours, StatusOutput& status, MainFrameWindows& windows)
    : EventHandlerWindow(loop, networkWindow), state_(state), colours_(colours), status_(status), windows_(windows) {
    loop.SendMessage(networkWindow, WindowMessage(netmsg::kRegisterStandardHandlers, static_cast<intptr_t>(Handle())));
    Register(kNick, priority::kAutomatic);
    Register(kConnect, priority::kConnection);
    Register(kDisconnect, priority::kConnection);
    numericDisplayId_ = Register(kServerNumeric, priority::kFallback);
    for (uint32_t type : {kServerNotice, kError, kInvite, kNickMode}) Register(type, priority::kFallback);
}

void CMainFrame::OnEvent(CIRCMessage& m, uint32_t handlerId) {
    const std::string& c13 = colours_.Code(colour::kInformation);
    switch (m.eventType) {
        case kServerNumeric: return OnNumeric(m, handlerId);
        case kNick: return FollowOwnNick(m);
        case kConnect:
        case kDisconnect: return windows_.ConnectionChanged(m.eventType == kConnect);
        case kChannelJoin:
            if (!m.handled) windows_.OpenChannelWindow(TargetOf(m));
            return;
        case kPrivateMessage:
        case kPrivateMe:
            if (!m.handled) windows_.ShowInNewQueryWindow(m);
            return;
        case kPrivateNotice: {
            auto& notice = static_cast<C_imNotice&>(m);
            return ShowOnce(m, fmt::sprintf(mainframe_text::kPrivateNotice, colours_.Code(colour::kText),
                                            colours_.Code(colour::kNick), notice.senderAddress.nick,
                                            colours_.Code(colour::kText), colours_.Code(colour::kNotice), m.text));
        }
        case kServerNotice:
            return ShowOnce(m, fmt::sprintf(mainframe_text::kServerNotice, c13, colours_.Code(colour::kNotice), m.text));
        case kError: return ShowOnce(m, fmt::sprintf(mainframe_text::kError, c13, m.text));
        case kNickMode:
            return ShowOnce(m, fmt::sprintf(mainframe_text::kOwnModes, c13, ModeText(static_cast<C_imNickMode&>(m))));
        case kInvite: {
            auto& invite = static_cast<C_imInvite&>(m);
            return ShowOnce(m, fmt::sprintf(mainframe_text::kInvite, c13, colours_.Code(colour::kNick),
                                            invite.senderAddress.nick, c13, invite.channel));
        }
        default: return;
    }
}

void CMainFrame::OnNumeric(CIRCMessage& m, uint32_t handlerId) {
    auto& reply = static_cast<C_imServerNumeric&>(m);
    if (handlerId != numericDisplayId_) {
        if (reply.numeric == 353) DispatchNames(reply);
        return;
    }
    if (m.handled && reply.numeric != 353) return;
    if (auto line = NumericReplyLine(reply, colours_)) status_.WriteStatus(*line);
    m.handled = 1;
}

// Each name becomes an event of its own, dispatched now, so the channel's
// names list is filled before the reply goes on.
void CMainFrame::DispatchNames(const CIRCMessage& reply) {
    for (auto& name : SplitNamesReply(static_cast<const C_imServerNumeric&>(reply))) {
        WindowMessage dispatch(netmsg::kDispatchEvent, std::make_unique<EventPayload>(std::move(name)));
        Loop().SendMessage(NetworkWindow(), dispatch);
    }
}

void CMainFrame::FollowOwnNick(const CIRCMessage& m) {
    auto& nick = static_cast<const C_imNick&>(m);
    if (!state_.currentNick.empty() && EqualsIgnoringCase(nick.senderAddress.nick, state_.currentNick))
        state_.currentNick = nick.targetNick;
}

void CMainFrame::ShowOnce(CIRCMessage& m, const std::string& line) {
    if (m.handled) return;
    status_.WriteStatus(line);
    m.handled = 1;
}

}  // namespace parlevox
