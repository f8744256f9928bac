#include "display/ChanWnd.h"

#include <fmt/printf.h>

#include <sys/stat.h>

#include <algorithm>

#include "display/ChatTexts.h"
#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IMServer.h"
#include "irc/NetworkControl.h"
#include "platform/Clock.h"
#include "platform/UserInterface.h"

namespace parlevox {

CChanWnd::CChanWnd(const ChatWindowServices& services, std::string channel, ChannelMembers& members,
                   ChatWindowView& view)
    : CChatWindow(services, std::move(channel), view), members_(members), splits_(services.colours) {
    Subscribe();
}

CChanWnd::~CChanWnd() {
    // Closing the window ends the log; the pane and view are going too.
    if (log_.IsOpen()) log_.WriteLine(Clock::FormatLocal(texts::kLogEnd, Clock::Now()));
}

void CChanWnd::Subscribe() {
    auto onChannel = [this](uint32_t type) {
        HandlerRecord record;
        record.eventType = type;
        record.filters = filter::kChannel;
        record.channel = Name();
        record.priority = priority::kWindow;
        return record;
    };
    for (uint32_t type : {kChannelJoin, kChannelPart, kChannelKick, kChannelMode, kChannelTopic, kChannelMessage,
                          kChannelMe, kChannelNotice})
        Register(onChannel(type));
    HandlerRecord sound = onChannel(kChannelCTCP);
    sound.filters |= filter::kCTCPType;
    sound.ctcpType = "SOUND";
    Register(sound);
    for (int numeric : {329, 332, 333}) {
        HandlerRecord reply = onChannel(kServerNumeric);
        reply.filters |= filter::kNumeric;
        reply.numeric = numeric;
        Register(reply);
    }
    for (uint32_t type : {kNick, kQuit, kDisconnect, kConnect}) Register(type, priority::kWindow);
}

template <typename T>
static T* As(CIRCMessage& message) {
    return dynamic_cast<T*>(&message);
}

void CChanWnd::OnEvent(CIRCMessage& message, uint32_t) {
    const ChatLineFormatter format = Formatter();
    switch (message.eventType) {
        case kNick:
            if (auto* nick = As<C_imNick>(message)) {
                // The names list has renamed the member already.
                if (members_.Contains(nick->targetNick) || members_.Contains(nick->senderAddress.nick))
                    Show(message, format.NickChange(nick->senderAddress.nick, nick->targetNick));
                return;
            }
            break;
        case kQuit:
            if (auto* quit = As<C_imQuit>(message)) return OnQuit(*quit);
            break;
        case kDisconnect:
            Show(message, format.Disconnected());
            View().InputEnabled(false);
            return;
        case kConnect:
            SendToServer(Loop(), NetworkWindow(), fmt::sprintf(texts::kRejoin, Name()));
            View().InputEnabled(true);
            return;
        case kServerNumeric:
            if (auto* reply = As<C_imServerNumeric>(message)) return OnNumeric(*reply);
            break;
        default:
            if (ShowChannelEvent(message)) return;
            break;
    }
    Show(message, ChatLineFormatter::Invalid(message.eventType, message.raw));
}

bool CChanWnd::ShowChannelEvent(CIRCMessage& message) {
    const ChatLineFormatter format = Formatter();
    // Messages first: they are nearly everything a busy channel sends.
    if (auto* said = As<C_imChannelMessage>(message)) {
        Show(message, format.Message(said->senderAddress.nick, said->text));
    } else if (auto* join = As<C_imChannelJoin>(message)) {
        Show(message, format.Join(join->senderAddress));
    } else if (auto* part = As<C_imChannelPart>(message)) {
        Show(message, format.Part(part->senderAddress, part->text));
        if (IsOwnNick(part->senderAddress.nick)) View().CloseRequested();
    } else if (auto* kick = As<C_imChannelKick>(message)) {
        OnKick(*kick);
    } else if (auto* mode = As<C_imChannelMode>(message)) {
        Show(message, format.Mode(mode->senderAddress.nick, mode->modeFlags, mode->modeParams));
    } else if (auto* topic = As<C_imChannelTopic>(message)) {
        Show(message, format.TopicChange(topic->senderAddress.nick, topic->text));
        SetTopic(topic->text);
    } else if (auto* action = As<C_imChannelMe>(message)) {
        Show(message, format.Action(action->senderAddress.nick, action->ctcpArgument));
    } else if (auto* notice = As<C_imChannelNotice>(message)) {
        Show(message, format.ChannelNotice(notice->senderAddress.nick, notice->channel, notice->text));
    } else if (auto* ctcp = As<C_imChannelCTCP>(message); ctcp && ctcp->ctcpType == "SOUND") {
        const SoundRequest request = SplitSoundRequest(ctcp->ctcpArgument);
        Show(message, format.Sound(ctcp->senderAddress.nick, request));
        PlaySoundRequest(ctcp->senderAddress.nick, request);
    } else {
        return false;
    }
    return true;
}

void CChanWnd::OnKick(C_imChannelKick& kick) {
    const std::string& kicker = kick.senderAddress.nick;
    Show(kick, Formatter().Kick(kick.targetNick, kicker, kick.text));
    if (!IsOwnNick(kick.targetNick)) return;
    MessageBoxRequest box;
    box.title = texts::kKickedTitle;
    box.icon = MessageIcon::Exclamation;
    box.text = kick.text.empty() || kick.text == kicker
                   ? fmt::sprintf(texts::kKickedText, Name(), kicker)
                   : fmt::sprintf(texts::kKickedWithReason, Name(), kicker, kick.text);
    Services().ui.ShowMessageBox(box);
    View().CloseRequested();
}

void CChanWnd::OnQuit(C_imQuit& quit) {
    const std::string& nick = quit.senderAddress.nick;
    // Every channel window hears every quit; only members count here.
    if (!members_.Contains(nick)) return;
    members_.RemoveMember(nick);
    quit.handled = 1;
    if (auto lines = splits_.Quit(nick, quit.text, Clock::TickCount())) {
        for (const std::string& line : *lines) AddLine(line);
        return ScheduleSplitTimer();
    }
    AddLine(Formatter().Quit(nick, quit.text));
}

void CChanWnd::OnNumeric(C_imServerNumeric& reply) {
    const ChatLineFormatter format = Formatter();
    switch (reply.numeric) {
        case 329: return Show(reply, format.ChannelOpened(reply.ReplyParam(1), reply.ReplyParam(2)));
        case 333: return Show(reply, format.TopicSetBy(reply.ReplyParam(2), reply.ReplyParam(3)));
        case 332: {
            // Servers put the topic in the text; a bare third word will do.
            std::string topic = reply.text.empty() ? reply.ReplyParam(2) : reply.text;
            Show(reply, format.TopicOnJoin(topic));
            return SetTopic(std::move(topic));
        }
        default: return Show(reply, ChatLineFormatter::Invalid(reply.eventType, reply.raw));
    }
}

void CChanWnd::SetTopic(std::string topic) {
    topic_ = std::move(topic);
    SetCaption(fmt::sprintf(texts::kTopicCaption, Name(), topic_));
    View().TopicChanged(topic_);
}

void CChanWnd::ScheduleSplitTimer() {
    const auto due = splits_.NextDueMs();
    if (!due) return KillTimer(kSplitTimer);
    const uint64_t now = Clock::TickCount();
    SetTimer(kSplitTimer, static_cast<uint32_t>(std::max<uint64_t>(*due > now ? *due - now : 0, 1)));
}

void CChanWnd::OnTimer(uint32_t timerId) {
    if (timerId != kSplitTimer) return CChatWindow::OnTimer(timerId);
    for (const std::string& line : splits_.Tick(Clock::TickCount())) AddLine(line);
    ScheduleSplitTimer();
}

void CChanWnd::StartLog() {
    if (log_.IsOpen()) return;
    const std::string path = ChannelLog::PathFor(Services().programFolder, Name());
    // The first log makes the folder; an error shows as the file not opening.
    ::mkdir((Services().programFolder + texts::kLogFolder).c_str(), 0700);
    if (!log_.Open(path))
        return AddLine(fmt::sprintf(texts::kLogNotOpened, Services().colours.Code(colour::kProblem), path));
    AddLine(Clock::FormatLocal(texts::kLogStart, Clock::Now()));
}

void CChanWnd::StopLog() {
    if (!log_.IsOpen()) return;
    AddLine(Clock::FormatLocal(texts::kLogEnd, Clock::Now()));
    log_.Close();
}

void CChanWnd::LineShown(std::string_view text) {
    if (!log_.IsOpen() || log_.WriteLine(text)) return;
    const std::string path = log_.Path();
    log_.Close();
    AddLine(fmt::sprintf(texts::kLogNotWritten, Services().colours.Code(colour::kProblem), path));
}

}  // namespace parlevox
