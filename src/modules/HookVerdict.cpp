#include "modules/HookVerdict.h"

#include "irc/IRCMessage.h"
#include "irc/SystemVariableSink.h"

namespace parlevox {

std::optional<HookVerdict> HookVerdictOf(const CVariable& result) {
    if (result.Count() != 2) return std::nullopt;
    const VariableComponent& goOn = result.Component(0);
    const VariableComponent& handled = result.Component(1);
    if (goOn.type != ComponentType::Int || handled.type != ComponentType::Int) return std::nullopt;
    return HookVerdict{goOn.number != 0, handled.number != 0};
}

bool ApplyHookResult(const std::optional<CVariable>& result, CIRCMessage& message, SystemVariableSink& variables) {
    std::optional<HookVerdict> verdict = result ? HookVerdictOf(*result) : std::nullopt;
    if (!verdict) return false;
    if (verdict->handled) {
        message.handled = 1;
        variables.SetInt("iSysHandled", 1);
    }
    return !verdict->passOn;
}

}  // namespace parlevox
