#pragma once
// The sound system's names and texts, in one place.
#include <array>

namespace parlevox::texts {

// Interface events, by index.
inline constexpr std::array<const char*, 13> kSoundEvents = {
    "Button down",
    "Button up",
    "Mouse over button",
    "Window minimise",
    "Window restore",
    "Switch to different window",
    "Window close",
    "New channel window opens",
    "New message or DCC request",
    "Connect",
    "Disconnect",
    "Notice received",
    "Notify list",
};

// Built-in sounds by number, in the order the preferences page lists them,
// and their wave resources.
inline constexpr std::array<const char*, 8> kBuiltInSounds = {
    "Click", "Tock", "Quiet swoosh", "Click-click", "Thud", "Suction", "Electronic ring", "Digested by alien",
};
inline constexpr std::array<int, 8> kBuiltInSoundResources = {5123, 5125, 5124, 5126, 5127, 5128, 5129, 5130};

// A sound file that cannot be played; the file name is shown in bold.
inline constexpr const char* kMissingSoundFile = "%s- You don't have \x02%s\x02.";

// Sound files other users ask for and that are not played.
inline constexpr const char* kRequestedNotSound = "%s- Sound \x02%s\x02 not played: only .wav and .mid files are played.";
inline constexpr const char* kRequestedNotInFolder =
    "%s- Sound \x02%s\x02 not played: it is not a file in the sound folder.";
inline constexpr const char* kRequestedTooLarge = "%s- Sound \x02%s\x02 not played: it is larger than %i MB.";

// Settings, section "Sounds".
inline constexpr const char* kSoundsSection = "Sounds";
inline constexpr const char* kEventResourceValue = "%08iResourceNum";
inline constexpr const char* kEventFileValue = "%08iFilename";
inline constexpr const char* kUserEnabledValue = "UserEnabled";
inline constexpr const char* kBuiltInEnabledValue = "BuiltInEnabled";
inline constexpr const char* kFolderValue = "Folder";

}  // namespace parlevox::texts
