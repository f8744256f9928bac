#include "script/ScriptWatchdog.h"

#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "script/InterpreterTexts.h"
#include "script/ScriptError.h"

namespace parlevox {

ScriptWatchdog::ScriptWatchdog(Sources sources) : sources_(std::move(sources)) {}

ScriptWatchdog::ScriptWatchdog()
    : ScriptWatchdog(Sources{[] { return Clock::TickCount(); }, [] { return Keyboard::IsPauseDown(); }, {}}) {}

void ScriptWatchdog::RunStarts() {
    runStart_ = sources_.now();
    lastPause_ = 0;
    nodes_ = 0;
}

void ScriptWatchdog::Poll() {
    nodes_ = 0;
    const uint64_t now = sources_.now();
    if (now - lastPause_ >= kPausePollMs || lastPause_ == 0) {
        lastPause_ = now;
        if (sources_.pauseDown && sources_.pauseDown()) throw CScriptError(script_text::kPauseAbort);
    }
    // The start moves an hour on, so the hint shows once per run.
    if (now > runStart_ + kHintAfterMs && now < runStart_ + kHintDeferMs) {
        runStart_ = now + kHintDeferMs;
        if (sources_.showLongRunningHint) sources_.showLongRunningHint();
    }
}

}  // namespace parlevox
