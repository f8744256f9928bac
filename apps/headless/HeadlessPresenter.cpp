#include "HeadlessPresenter.h"

#include "ConsoleOutput.h"
#include "irc/AddressRecord.h"
#include "irc/EventTypes.h"
#include "irc/IMPrivmsg.h"

namespace parlevox {
namespace {

// The channel of a channel event: params[0], or the text when that is empty.
std::string ChannelOf(const CIRCMessage& m) {
    return m.params[0].empty() ? m.text : m.params[0];
}

std::string JoinParams(const CIRCMessage& m, size_t first) {
    std::string out;
    for (size_t i = first; i < m.params.size() && !m.params[i].empty(); ++i) {
        if (!out.empty()) out += ' ';
        out += m.params[i];
    }
    return out;
}

std::string ActionText(const CIRCMessage& m) {
    auto* ctcp = dynamic_cast<const C_imCTCPMessage*>(&m);
    return ctcp ? ctcp->ctcpArgument : m.text;
}

}  // namespace

HeadlessPresenter::HeadlessPresenter(EventLoop& loop, WindowHandle networkWindow, ConsoleOutput& output,
                                     ConnectionChange onChange)
    : EventHandlerWindow(loop, networkWindow), output_(output), onChange_(std::move(onChange)) {
    for (const EventTypeNode& node : EventTypeNodes())
        if (node.parent == 0) Register(node.id, priority::kFallback);
}

void HeadlessPresenter::Show(const std::string& window, const std::string& text) {
    output_.WriteLine(window, text);
}

void HeadlessPresenter::OnEvent(CIRCMessage& m, uint32_t) {
    if (m.eventType == kConnect || m.eventType == kDisconnect) onChange_(m.eventType == kConnect);
    AddressRecord from = AddressRecord::FromSender(m.sender);
    const std::string& nick = from.nick;
    switch (m.eventType) {
        case kChannelMessage: return Show(m.params[0], "<" + nick + "> " + m.text);
        case kPrivateMessage: return Show(nick, "<" + nick + "> " + m.text);
        case kChannelMe: return Show(m.params[0], "* " + nick + " " + ActionText(m));
        case kPrivateMe: return Show(nick, "* " + nick + " " + ActionText(m));
        case kChannelNotice: return Show(m.params[0], "-" + nick + "- " + m.text);
        case kPrivateNotice: return Show(kStatusWindow, "-" + nick + "- " + m.text);
        case kChannelJoin:
            return Show(ChannelOf(m), "# " + nick + " (" + from.user + "@" + from.host + ") has joined");
        case kChannelPart: return Show(ChannelOf(m), "# " + nick + " has left (" + m.text + ")");
        case kChannelKick:
            return Show(ChannelOf(m), "# " + m.params[1] + " was kicked by " + nick + " (" + m.text + ")");
        case kChannelTopic: return Show(ChannelOf(m), "# " + nick + " sets the topic: " + m.text);
        case kChannelMode: return Show(ChannelOf(m), "# " + nick + " sets mode " + JoinParams(m, 1));
        case kQuit: return Show(kStatusWindow, "# " + nick + " has quit (" + m.text + ")");
        case kNick: return Show(kStatusWindow, "# " + nick + " is now " + ChannelOf(m));
        case kConnect: return Show(kStatusWindow, "- Connected");
        case kDisconnect: return Show(kStatusWindow, "! Disconnected");
        case kError: return Show(kStatusWindow, "! " + m.text);
        case kServerNotice: return Show(kStatusWindow, "-" + m.sender + "- " + m.text);
        case kServerNumeric: {
            std::string params = JoinParams(m, 1);
            return Show(kStatusWindow, params.empty() ? m.text : params + (m.text.empty() ? "" : " " + m.text));
        }
        default: return Show(kStatusWindow, m.raw);
    }
}

}  // namespace parlevox
