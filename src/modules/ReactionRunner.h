#pragma once
// How script hooks run what they start (reactions, the script event
// window's timers and hooks); the script engine implements it over the call
// dispatcher and the command processor.
#include <optional>
#include <string>

#include "script/Variable.h"

namespace parlevox {

class CommandOutput;

// Where a hook's action runs: the window its output goes to, and that
// window's name for command lines ("" for the status window).
struct ReactionWindow {
    CommandOutput& output;
    std::string channel;
};

class ReactionRunner {
public:
    virtual ~ReactionRunner() = default;
    // The window hook output goes to: the most recently activated one, or
    // the control bar's output area when none is open.
    virtual ReactionWindow CurrentWindow() = 0;
    // Calls the function with the empty value; nothing when no function of
    // that name exists.
    virtual std::optional<CVariable> CallFunction(const std::string& name, ReactionWindow& window) = 0;
    virtual void RunCommandLine(const std::string& line, ReactionWindow& window) = 0;
};

}  // namespace parlevox
