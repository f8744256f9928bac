#pragma once
// The script event window of a session: the timers scripts start with
// OnTimer and the event hooks they register with On, each calling a script
// function by name. They last until OffTimer or Off, or the end of the
// session. A hook's function reads and steers the event as a reaction's
// does; errors inside the functions are written and stop neither.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "irc/ColourCodes.h"
#include "irc/EventHandlerWindow.h"
#include "irc/SystemVariableSink.h"
#include "modules/ReactionRunner.h"

namespace parlevox {

class CTimerService;

class CScriptEventWindow final : public EventHandlerWindow {
public:
    static constexpr size_t kMaxTimers = 4096;
    static constexpr int32_t kMaxHookPriority = 16000;

    // variables: where events publish their fields for the hooks' functions.
    CScriptEventWindow(EventLoop& loop, WindowHandle networkWindow, CTimerService& timers,
                       SystemVariableSink& variables, ReactionRunner& runner);

    // User colours 13 and 14 make the prefixes.
    void SetColours(const ColourCodes& colours) { colours_ = colours; }

    // OnTimer: calls the function every `seconds` seconds, the first time
    // one interval from now. An interval below one second, a missing name
    // or a full table start nothing and say why in `output`.
    bool StartTimer(int32_t seconds, const std::string& function, CommandOutput& output);
    // OffTimer: stops every timer of that function (any letter case);
    // returns how many.
    size_t StopTimers(std::string_view function);

    // On: 1 when the hook was registered, 0 for an unknown event name, a
    // specification without its four "/"-ended fields (sender mask, text 1,
    // text 2, number; each non-empty one switches its filter on), a
    // priority above 16000 or no function name.
    int32_t AddHook(std::string_view eventName, std::string_view filterSpec, int32_t priority,
                    const std::string& function);
    // Off: removes the hooks of that function (any letter case); returns
    // how many.
    size_t RemoveHooks(std::string_view function);

    size_t TimerCount() const { return timers_.size(); }
    size_t HookCount() const { return hooks_.size(); }

    std::string TimerPrefix() const;
    std::string HookPrefix() const;

protected:
    void OnTimer(uint32_t timerId) override;
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

private:
    uint32_t NextTimerId();
    std::string Prefix(const char* format) const;

    CTimerService& timerService_;
    SystemVariableSink& variables_;
    ReactionRunner& runner_;
    ColourCodes colours_;
    std::map<uint32_t, std::string> timers_;  // timer id -> function
    std::map<uint32_t, std::string> hooks_;   // handler id -> function
    uint32_t timerCounter_ = 0;
    // Timers and hooks whose function is running: a box it opens runs the
    // loop, and the same timer or an event of the same kind then skips it
    // instead of running it again inside itself.
    std::vector<uint32_t> runningTimers_;
    std::vector<uint32_t> runningHooks_;
};

}  // namespace parlevox
