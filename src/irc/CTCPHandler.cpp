#include "irc/CTCPHandler.h"

#include <utility>

#include "common/MessageBox.h"
#include "irc/CTCPTexts.h"
#include "irc/EventTypes.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/NetworkControl.h"
#include "irc/StatusOutput.h"
#include "platform/Clock.h"
#include "platform/UserInterface.h"

namespace parlevox {

CCTCPHandler::TimeSources CCTCPHandler::TimeSources::System() {
    return {&Clock::TickCount, &Clock::Now, [] { return ReadLocalTime(Clock::Now()); }};
}

CCTCPHandler::CCTCPHandler(EventLoop& loop, WindowHandle networkWindow, const ColourCodes& colours,
                           StatusOutput& status, UserInterface& ui, CTCPSettings settings, TimeSources time)
    : EventHandlerWindow(loop, networkWindow),
      colours_(colours),
      status_(status),
      ui_(ui),
      settings_(std::move(settings)),
      time_(std::move(time)) {
    answerId_ = Register(kCTCPMessage, priority::kAutomatic);
    Register(kPrivateCTCP, priority::kFallback);
    Register(kChannelCTCP, priority::kFallback);
    Register(kCTCPReply, priority::kFallback);
}

void CCTCPHandler::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (auto* request = dynamic_cast<C_imCTCPMessage*>(&message)) {
        if (handlerId == answerId_)
            Answer(*request);
        else
            ShowRequest(*request);
    } else if (auto* reply = dynamic_cast<C_imCTCPReply*>(&message)) {
        ShowReply(*reply);
    }
}

void CCTCPHandler::Answer(const C_imCTCPMessage& request) {
    const std::string& type = request.ctcpType;
    const bool yourInfo = yourInfoHook_ && IsCTCPType(type, ctcptexts::kYourInfo);
    std::optional<LocalTimeReading> localTime;
    if (IsCTCPType(type, ctcptexts::kTime)) {
        localTime = time_.localTime();
        if (!localTime) return ShowZoneProblemOnce();
    }
    std::optional<std::string> text = AutomaticReply(type, request.ctcpArgument, settings_, localTime);
    if (!text && !yourInfo) return;
    // The WHOIS the exchange starts goes to the server too, so it counts.
    if (!budget_.Allow(time_.tickMs())) return;
    if (text) {
        std::string line = ReplyNotice(request.senderAddress.nick, type, *text);
        if (!line.empty()) SendToServer(Loop(), NetworkWindow(), line);
    }
    if (yourInfo) yourInfoHook_(request.senderAddress);
}

void CCTCPHandler::ShowRequest(C_imCTCPMessage& request) {
    // DCC requests are the DCC control's to show.
    if (request.handled || request.IsDCC()) return;
    status_.WriteStatus(RequestLine(colours_, request.senderAddress.nick, request.ctcpType, request.ctcpArgument));
    request.handled = 1;
    if (requestShownHook_) requestShownHook_();
}

void CCTCPHandler::ShowReply(C_imCTCPReply& reply) {
    if (reply.handled) return;
    const std::string& nick = reply.senderAddress.nick;
    if (IsCTCPType(reply.ctcpType, ctcptexts::kPing))
        status_.WriteStatus(RoundTripLine(colours_, nick, RoundTripSeconds(reply.ctcpArgument, time_.now())));
    else
        status_.WriteStatus(ReplyLine(colours_, nick, reply.ctcpType, reply.ctcpArgument));
    reply.handled = 1;
}

void CCTCPHandler::ShowZoneProblemOnce() {
    // Every TIME request from the network would ask again; the user needs
    // to hear it once.
    if (std::exchange(zoneProblemShown_, true)) return;
    ui_.ShowMessageBox({ctcptexts::kZoneProblemTitle, ctcptexts::kZoneProblemText, MessageIcon::Exclamation,
                        MessageButtons::Ok});
}

}  // namespace parlevox
