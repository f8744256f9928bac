#pragma once
// What the script event window writes: the prefixes of the lines its
// timers' and hooks' functions write, and why a timer was not started.
namespace parlevox::texts {

// Filled with user colours 14, 13, 14 and 13.
inline constexpr const char* kOnTimerPrefix = "\x03%s[%s/OnTimer%s]%s ";
inline constexpr const char* kOnPrefix = "\x03%s[%s/On%s]%s ";

// The problem colour, then the given interval and function.
inline constexpr const char* kTimerIntervalTooShort =
    "%sOnTimer: the interval must be at least one second (%i given); no timer started for %s.";
// The problem colour, then the most timers there can be.
inline constexpr const char* kTooManyTimers = "%sOnTimer: %u timers are running, the most there can be; no timer started.";
// The problem colour.
inline constexpr const char* kTimerWithoutFunction = "%sOnTimer: a function name is needed; no timer started.";

}  // namespace parlevox::texts
