#include "modules/ScriptEventWindow.h"

#include <fmt/printf.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "commands/CommandOutput.h"
#include "common/ParseInteger.h"
#include "common/TextHelpers.h"
#include "irc/EventTypeTree.h"
#include "irc/IRCMessage.h"
#include "modules/HookVerdict.h"
#include "modules/PrefixedOutput.h"
#include "modules/Reaction.h"
#include "modules/ScriptEventTexts.h"
#include "platform/TimerService.h"

namespace parlevox {
namespace {

// The four "/"-ended fields of a hook's filter specification: sender mask,
// text 1, text 2, number; whatever follows the fourth is not read.
std::optional<std::array<std::string_view, 4>> FilterFields(std::string_view spec) {
    std::array<std::string_view, 4> fields;
    for (std::string_view& field : fields) {
        const size_t end = spec.find('/');
        if (end == std::string_view::npos) return std::nullopt;
        field = spec.substr(0, end);
        spec.remove_prefix(end + 1);
    }
    return fields;
}

// The hook as a reaction would register it, so that both filter alike.
HandlerRecord HookRecord(uint32_t eventType, const std::array<std::string_view, 4>& fields, int32_t priority) {
    CReaction hook;
    hook.eventSelector = eventType;
    hook.filterFlags = 0;
    const uint32_t flags[] = {CReaction::kFilterSender, CReaction::kFilterText1, CReaction::kFilterText2,
                              CReaction::kFilterNumber};
    for (size_t i = 0; i < fields.size(); ++i)
        if (!fields[i].empty()) hook.filterFlags |= flags[i];
    hook.senderMask = fields[0];
    hook.textFilter1 = fields[1];
    hook.textFilter2 = fields[2];
    hook.number = ParseInteger(fields[3]);
    HandlerRecord record = hook.ToHandlerRecord();
    record.priority = priority;
    return record;
}

template <typename Map>
size_t EraseByFunction(Map& map, std::string_view function, const auto& beforeErase) {
    size_t erased = 0;
    for (auto it = map.begin(); it != map.end();) {
        if (!EqualsIgnoringCase(it->second, function)) {
            ++it;
            continue;
        }
        beforeErase(it->first);
        it = map.erase(it);
        ++erased;
    }
    return erased;
}

// Marks a timer or hook as running for the length of its call.
class Running {
public:
    Running(std::vector<uint32_t>& running, uint32_t id) : running_(running), id_(id) { running_.push_back(id); }
    ~Running() { running_.erase(std::find(running_.begin(), running_.end(), id_)); }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    static bool Contains(const std::vector<uint32_t>& running, uint32_t id) {
        return std::find(running.begin(), running.end(), id) != running.end();
    }

private:
    std::vector<uint32_t>& running_;
    uint32_t id_;
};

}  // namespace

CScriptEventWindow::CScriptEventWindow(EventLoop& loop, WindowHandle networkWindow, CTimerService& timers,
                                       SystemVariableSink& variables, ReactionRunner& runner)
    : EventHandlerWindow(loop, networkWindow), timerService_(timers), variables_(variables), runner_(runner) {}

std::string CScriptEventWindow::Prefix(const char* format) const {
    return fmt::sprintf(format, colours_.Code(colour::kProblem), colours_.Code(colour::kInformation),
                        colours_.Code(colour::kProblem), colours_.Code(colour::kInformation));
}

std::string CScriptEventWindow::TimerPrefix() const {
    return Prefix(texts::kOnTimerPrefix);
}

std::string CScriptEventWindow::HookPrefix() const {
    return Prefix(texts::kOnPrefix);
}

// Ids count up from 0 for the run. The service's milliseconds key is passed
// over (it would turn the seconds into milliseconds), and so is an id still
// in use once the counter has come round.
uint32_t CScriptEventWindow::NextTimerId() {
    while (timerCounter_ == CTimerService::kMilliseconds || timers_.contains(timerCounter_)) ++timerCounter_;
    return timerCounter_++;
}

bool CScriptEventWindow::StartTimer(int32_t seconds, const std::string& function, CommandOutput& output) {
    const std::string problem = colours_.Code(colour::kProblem);
    if (function.empty()) {
        output.AddLine(fmt::sprintf(texts::kTimerWithoutFunction, problem));
        return false;
    }
    if (seconds < 1) {
        output.AddLine(fmt::sprintf(texts::kTimerIntervalTooShort, problem, seconds, function));
        return false;
    }
    if (timers_.size() >= kMaxTimers) {
        output.AddLine(fmt::sprintf(texts::kTooManyTimers, problem, kMaxTimers));
        return false;
    }
    const uint32_t id = NextTimerId();
    timers_.emplace(id, function);
    timerService_.AddWindowTimer(Handle(), static_cast<uint32_t>(seconds), id);
    return true;
}

size_t CScriptEventWindow::StopTimers(std::string_view function) {
    return EraseByFunction(timers_, function, [this](uint32_t id) { timerService_.RemoveWindowTimers(Handle(), id); });
}

int32_t CScriptEventWindow::AddHook(std::string_view eventName, std::string_view filterSpec, int32_t priority,
                                    const std::string& function) {
    const uint32_t eventType = EventTypeFromScriptName(eventName);
    std::optional<std::array<std::string_view, 4>> fields = FilterFields(filterSpec);
    if (eventType == 0 || !fields || priority > kMaxHookPriority || function.empty()) return 0;
    const uint32_t handlerId = Register(HookRecord(eventType, *fields, priority));
    if (handlerId == 0) return 0;
    hooks_.emplace(handlerId, function);
    return 1;
}

size_t CScriptEventWindow::RemoveHooks(std::string_view function) {
    return EraseByFunction(hooks_, function, [this](uint32_t id) { RemoveHandler(id); });
}

// The function may stop its own timer, or start others, while it runs.
void CScriptEventWindow::OnTimer(uint32_t timerId) {
    auto timer = timers_.find(timerId);
    if (timer == timers_.end() || Running::Contains(runningTimers_, timerId)) return;
    const std::string function = timer->second;
    Running running(runningTimers_, timerId);
    ReactionWindow current = runner_.CurrentWindow();
    PrefixedOutput output(current.output, TimerPrefix());
    ReactionWindow window{output, current.channel};
    runner_.CallFunction(function, window);
}

void CScriptEventWindow::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    auto hook = hooks_.find(handlerId);
    if (hook == hooks_.end() || Running::Contains(runningHooks_, handlerId)) return;  // passes on
    const std::string function = hook->second;
    Running running(runningHooks_, handlerId);
    message.SetSystemVariables(variables_);
    ReactionWindow current = runner_.CurrentWindow();
    PrefixedOutput output(current.output, HookPrefix());
    ReactionWindow window{output, current.channel};
    std::optional<CVariable> result = runner_.CallFunction(function, window);
    message.ReadBackSystemVariables(variables_);
    if (ApplyHookResult(result, message, variables_)) EndChain();
}

}  // namespace parlevox
