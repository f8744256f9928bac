#pragma once
// The client's CTCP duties on the event chain: answers requests that arrive
// in a PRIVMSG (within a budget shared by all senders), starts the "Your
// Info" exchange for BVUSERINFO, and, as the handler of last resort, shows
// requests and replies nobody else took, with the round trip of a PING.
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>

#include "irc/AddressRecord.h"
#include "irc/CTCPReplyBudget.h"
#include "irc/CTCPResponse.h"
#include "irc/CTCPSettings.h"
#include "irc/EventHandlerWindow.h"

namespace parlevox {

class C_imCTCPMessage;
class C_imCTCPReply;
class ColourCodes;
class StatusOutput;
class UserInterface;

class CCTCPHandler : public EventHandlerWindow {
public:
    // Where time comes from; tests fix it.
    struct TimeSources {
        std::function<uint64_t()> tickMs;                            // for the answer budget
        std::function<std::time_t()> now;                            // for the PING round trip
        std::function<std::optional<LocalTimeReading>()> localTime;  // for TIME answers
        static TimeSources System();
    };

    CCTCPHandler(EventLoop& loop, WindowHandle networkWindow, const ColourCodes& colours, StatusOutput& status,
                 UserInterface& ui, CTCPSettings settings, TimeSources time = TimeSources::System());

    void SetSettings(CTCPSettings settings) { settings_ = std::move(settings); }
    // Called with the requester of a BVUSERINFO request.
    void SetYourInfoHook(std::function<void(const AddressRecord& requester)> hook) { yourInfoHook_ = std::move(hook); }
    // Called after a request has been shown (the main frame's tip).
    void SetRequestShownHook(std::function<void()> hook) { requestShownHook_ = std::move(hook); }

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

private:
    void Answer(const C_imCTCPMessage& request);
    void ShowRequest(C_imCTCPMessage& request);
    void ShowReply(C_imCTCPReply& reply);
    void ShowZoneProblemOnce();

    const ColourCodes& colours_;
    StatusOutput& status_;
    UserInterface& ui_;
    CTCPSettings settings_;
    TimeSources time_;
    CTCPReplyBudget budget_;
    bool zoneProblemShown_ = false;
    std::function<void(const AddressRecord&)> yourInfoHook_;
    std::function<void()> requestShownHook_;
    uint32_t answerId_ = 0;
};

}  // namespace parlevox
