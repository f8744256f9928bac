#pragma once
// What a script function started by an event hands back: a pair of
// integers <continue, handled> steers the event; anything else (the empty
// value of a failed call included) lets it pass on unchanged.
#include <optional>

#include "script/Variable.h"

namespace parlevox {

class CIRCMessage;
class SystemVariableSink;

struct HookVerdict {
    bool passOn;
    bool handled;
};

std::optional<HookVerdict> HookVerdictOf(const CVariable& result);

// Marks the event handled (the message and iSysHandled) when the verdict
// says so; true when the event must go to no later hook.
bool ApplyHookResult(const std::optional<CVariable>& result, CIRCMessage& message, SystemVariableSink& variables);

}  // namespace parlevox
