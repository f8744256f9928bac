#pragma once
// What the title screen shows of its own.
namespace parlevox::titletext {

inline constexpr const char* kStartingUp = "Starting up the system...";
inline constexpr const char* kCaption = "Loading screen for Parlevox";

}  // namespace parlevox::titletext
