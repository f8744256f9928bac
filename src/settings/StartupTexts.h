#pragma once
// The title screen's status texts while the application object loads.
namespace parlevox::startuptext {

inline constexpr const char* kLoadingSettings = "Loading settings...";
inline constexpr const char* kInitialisingParser = "Initialising parser...";
inline constexpr const char* kInitialisingMajorChannels = "Initialising major channels...";

}  // namespace parlevox::startuptext
