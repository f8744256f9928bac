#include "ui/MainFrame.h"

#include <fmt/printf.h>

#include "common/TextHelpers.h"
#include "display/ChatWindow.h"
#include "display/SoundSystem.h"
#include "irc/ColourCodes.h"
#include "irc/ConnectionState.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMServer.h"
#include "irc/NamesReply.h"
#include "irc/NetworkControl.h"
#include "irc/NetworkMessages.h"
#include "irc/NotifyWatch.h"
#include "irc/NumericReplyText.h"
#include "irc/StatusOutput.h"
#include "platform/EventLoop.h"
#include "platform/UserInterface.h"
#include "ui/KillExplanation.h"
#include "ui/MainFrameTexts.h"

namespace parlevox {
namespace {

constexpr int kNamesReply = 353;
constexpr int kNickInUse = 433;
constexpr int kMotdStart = 375;
constexpr int kMotdLine = 372;
constexpr int kIsonReply = 303;

std::string ModeText(const C_imNickMode& mode) {
    std::string text = mode.modeFlags;
    for (const std::string& param : mode.modeParams) text += ' ' + param;
    return text;
}

HandlerRecord NumericRecord(int numeric, int32_t priority) {
    HandlerRecord record;
    record.eventType = kServerNumeric;
    record.filters = filter::kNumeric;
    record.numeric = numeric;
    record.priority = priority;
    return record;
}

bool EndsWithServ(const std::string& nick) {
    return nick.size() >= 4 && EqualsIgnoringCase(std::string_view(nick).substr(nick.size() - 4), "serv");
}

}  // namespace

CMainFrame::CMainFrame(const MainFrameServices& services, const MainFrameSettings& settings)
    : EventHandlerWindow(services.loop, services.networkWindow), services_(services) {
    SetSettings(settings);
    services.loop.SendMessage(services.networkWindow,
                              WindowMessage(netmsg::kRegisterStandardHandlers, static_cast<intptr_t>(Handle())));
    Register(kDisconnect, priority::kConnection);
    Register(kConnect, priority::kConnection);
    for (uint32_t type : {kDCCOffer, kDCCChat, kDCCResume, kDCCAccept}) Register(type, priority::kReactions);
    Register(kNick, priority::kAutomatic);
    Register(kKill, priority::kAutomatic);
    Register(NumericRecord(kNickInUse, priority::kAutomatic));
    isonReplyId_ = Register(NumericRecord(kIsonReply, priority::kAutomatic));
    motdStartId_ = Register(NumericRecord(kMotdStart, priority::kMotdStart));
    numericDisplayId_ = Register(kServerNumeric, priority::kFallback);
    for (uint32_t type : {kServerNotice, kInvite, kError, kNickMode}) Register(type, priority::kFallback);
    SetTimer(kNotifyTimer, CNotifyWatch::kPollIntervalMs);
}

void CMainFrame::OnTimer(uint32_t timerId) {
    if (timerId == kNotifyTimer && notify_) notify_->Poll();
}

// The poll's own reply goes no further; one the person asked for with
// /ison while none was outstanding is shown as any other.
void CMainFrame::OnIsonReply(CIRCMessage& m) {
    if (!notify_ || !notify_->Outstanding()) return;
    notify_->Reply(m.text);
    EndChain();
}

void CMainFrame::SetSettings(const MainFrameSettings& settings) {
    settings_ = settings;
    nickRetry_.SetNicks(settings.nicks);
}

void CMainFrame::OnEvent(CIRCMessage& m, uint32_t handlerId) {
    const std::string& c13 = services_.colours.Code(colour::kInformation);
    switch (m.eventType) {
        case kServerNumeric: return OnNumeric(m, handlerId);
        case kNick: return FollowOwnNick(m);
        case kConnect:
        case kDisconnect: return OnConnection(m);
        case kKill: {
            services_.ui.ShowMessageBox(KillExplanation(static_cast<C_imKill&>(m)));
            return;
        }
        case kDCCOffer:
        case kDCCChat:
        case kDCCResume:
        case kDCCAccept: return OnDccRequest(m);
        case kChannelJoin:
            if (m.handled) return;
            services_.windows.OpenChannelWindow(TargetOf(m));
            return PlaySound(mainframe_text::kChannelWindowSound);
        case kPrivateMessage:
        case kPrivateMe: return OnPrivateMessage(m);
        case kPrivateNotice: return OnPrivateNotice(m);
        case kServerNotice:
            return ShowOnce(m, fmt::sprintf(mainframe_text::kServerNotice, c13,
                                            services_.colours.Code(colour::kNotice), m.text));
        case kError: return ShowOnce(m, fmt::sprintf(mainframe_text::kError, c13, m.text));
        case kNickMode:
            return ShowOnce(m, fmt::sprintf(mainframe_text::kOwnModes, c13, ModeText(static_cast<C_imNickMode&>(m))));
        case kInvite: {
            auto& invite = static_cast<C_imInvite&>(m);
            return ShowOnce(m, fmt::sprintf(mainframe_text::kInvite, c13, services_.colours.Code(colour::kNick),
                                            invite.senderAddress.nick, c13, invite.channel));
        }
        default: return;
    }
}

void CMainFrame::OnConnection(CIRCMessage& m) {
    const bool connected = m.eventType == kConnect;
    nickRetry_.Reset();
    if (!connected) PlaySound(mainframe_text::kDisconnectSound);
    if (notify_ && connected) notify_->ConnectionBegan();
    if (notify_ && !connected) notify_->ConnectionEnded();
    services_.windows.ConnectionChanged(connected);
}

void CMainFrame::OnNumeric(CIRCMessage& m, uint32_t handlerId) {
    auto& reply = static_cast<C_imServerNumeric&>(m);
    if (handlerId == isonReplyId_) return OnIsonReply(m);
    if (handlerId == motdWatcherId_) return OnMotdLine(m);
    if (handlerId == motdStartId_) {
        motdServer_ = reply.sendingServer;
        if (!motdWatcherId_) motdWatcherId_ = Register(NumericRecord(kMotdLine, priority::kMotdStart));
        return;
    }
    if (handlerId != numericDisplayId_) {
        if (reply.numeric == kNamesReply) DispatchNames(reply);
        if (reply.numeric == kNickInUse) OnNickInUse(m);
        return;
    }
    if (m.handled && reply.numeric != kNamesReply) return;
    if (auto line = NumericReplyLine(reply, services_.colours)) services_.status.WriteStatus(*line);
    m.handled = 1;
}

// While registering, a taken nick is swapped for the next choice; once
// registered the reply is only shown.
void CMainFrame::OnNickInUse(CIRCMessage& m) {
    if (services_.connection.connected) return;
    m.handled = 1;
    std::string& nick = services_.connection.currentNick;
    if (auto next = nickRetry_.Next(nick)) {
        nick = *next;
        SendToServer(Loop(), NetworkWindow(), "NICK " + nick);
        return;
    }
    services_.status.WriteStatus(
        fmt::sprintf(mainframe_text::kNoFreeNick, services_.colours.Code(colour::kProblem)));
}

// The first line of a message of the day: the window opens once per server
// (unless the person hides them) and collects the rest.
void CMainFrame::OnMotdLine(CIRCMessage& m) {
    RemoveHandler(motdWatcherId_);
    motdWatcherId_ = 0;
    services_.windows.CloseMotdWindow();
    if (settings_.hideMotds || !motdServersSeen_.insert(motdServer_).second) return;
    services_.windows.OpenMotdWindow().ShowEvent(m);
}

void CMainFrame::OnPrivateMessage(CIRCMessage& m) {
    if (m.handled) return;
    services_.windows.ShowInNewQueryWindow(m);
    PlaySound(mainframe_text::kNewMessageSound);
    Tip(mainframe_text::kPrivateMessageTip, mainframe_text::kPrivateMessageTipText);
}

void CMainFrame::OnPrivateNotice(CIRCMessage& m) {
    if (m.handled) return;
    auto& notice = static_cast<C_imNotice&>(m);
    const ColourCodes& c = services_.colours;
    ShowOnce(m, fmt::sprintf(mainframe_text::kPrivateNotice, c.Code(colour::kText), c.Code(colour::kNick),
                             notice.senderAddress.nick, c.Code(colour::kText), c.Code(colour::kNotice), m.text));
    PlaySound(mainframe_text::kNoticeSound);
    if (!EndsWithServ(notice.senderAddress.nick)) Tip(mainframe_text::kNoticeTip, mainframe_text::kNoticeTipText);
}

void CMainFrame::OnDccRequest(CIRCMessage& m) {
    if (services_.dcc && services_.dcc->HandRequest(m)) m.handled = 1;
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
    std::string& current = services_.connection.currentNick;
    if (!current.empty() && EqualsIgnoringCase(nick.senderAddress.nick, current)) current = nick.targetNick;
}

void CMainFrame::ShowOnce(CIRCMessage& m, const std::string& line) {
    if (m.handled) return;
    services_.status.WriteStatus(line);
    m.handled = 1;
}

void CMainFrame::PlaySound(const char* event) {
    if (services_.sounds) services_.sounds->Play(event);
}

void CMainFrame::Tip(int tip, const char* text) {
    if (services_.tips) services_.tips->ShowOnce(tip, text);
}

}  // namespace parlevox
