#pragma once
// What the script text window commands say.
namespace parlevox::texts {

inline constexpr const char* kTextWindowCommandHelp = "(Script command, see help)";
inline constexpr const char* kNoWindowToWrite = "Attempt to WndTextWrite with a window that doesn't exist.";
inline constexpr const char* kNoWindowToClose = "Attempt to WndTextClose with a window that doesn't exist.";
inline constexpr const char* kTextWindowWords =
    "WndTextNew needs four words: name, title (underscores for spaces), input function (or -), clear or keep.";
inline constexpr const char* kTextWindowName = "A text window's name is a word of 1 to 64 characters.";
inline constexpr const char* kTextWindowLastWord = "The last word of WndTextNew is clear or keep.";
// %s: the problem colour, the function.
inline constexpr const char* kNoTextInputFunction = "%sThis window's input function %s doesn't exist.";
inline constexpr const char* kTooManyTextWindows =
    "No more text windows can be opened: 256 are open. Close one with WndTextClose first.";

}  // namespace parlevox::texts
