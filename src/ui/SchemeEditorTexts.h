#pragma once
// What the scheme editor window and the "Schemes" preferences page show, in
// one place.
#include <array>

namespace parlevox::texts {

// Usage.
inline constexpr const char* kAllChannels = "All channel windows that don't have a more specific scheme";
inline constexpr const char* kAllPrivateChats =
    "All private-chat (message/DCC) windows that don't have a more specific scheme";
inline constexpr const char* kAllServers = "All servers";
inline constexpr const char* kSeparateNames = "To specify more than one channel or person, separate the names with spaces.";
inline constexpr const char* kOnlyChannels = "Only these channels:";
inline constexpr const char* kOnlyPrivateChats = "Only private chats with these people:";
inline constexpr const char* kAllBuiltInWindows =
    "All other windows (control bar, message of the day, background, script text windows)";
inline constexpr const char* kOnlyBuiltInWindows = "Only these windows:";
inline constexpr const char* kBuiltInWindowNames =
    "Other windows are named CControlBarWnd, CMOTDWindow, CBackgroundWindow and CTextWindow: followed by the text "
    "window's name; * stands for any text.";
inline constexpr const char* kOnlyServers = "Only servers matching:";

// Text font.
inline constexpr const char* kAntialias = "Antialias (smooth)";
inline constexpr const char* kFontFallback = "If that font doesn't exist, use instead:";
// The fallback choices, by the number the scheme keeps.
inline constexpr std::array<const char*, 3> kFontFallbacks = {
    "A serif font (like Times)",
    "A sans-serif font (like Arial)",
    "A fixed-width font (like Courier)",
};

// Hot spot actions; a command is typed as on the input line.
inline constexpr const char* kNoAction = "Nothing";
inline constexpr const char* kUrlAction = "URL";
inline constexpr const char* kCommandAction = "IRC /-command";

// The three ways into a scheme image (the choice dialog's title and text
// are in ImageTexts.h).
inline constexpr std::array<const char*, 3> kImageSources = {
    "A 24-bit bitmap (solid, no transparency)",
    "An 8-bit greyscale bitmap giving the transparency of the current image (black solid, white clear)",
    "A raw file of red, green, blue and alpha bytes",
};
inline constexpr const char* kRawWidthPrompt = "Width of the raw image, in pixels:";
inline constexpr const char* kRawHeightPrompt = "Height of the raw image, in pixels:";

// A hot spot's sounds.
inline constexpr const char* kSchemeSoundTitle = "Open scheme sound";
inline constexpr const char* kSchemeSoundFilter = "Wave files (*.wav)|*.wav||";
inline constexpr const char* kSchemeSoundErrorTitle = "Scheme sound";

// The preview's sample lines: the user's own nick, the colour map's line,
// and what a command hot spot would run.
inline constexpr const char* kPreviewOwnNick = "pat";
inline constexpr const char* kPreviewColours = "- Colour map:";
inline constexpr const char* kPreviewCommand = "%s- This hot spot runs: %s";

// The "Schemes" preferences page.
inline constexpr const char* kSchemesHelp =
    "Each scheme says which windows it is for. When two schemes suit a window, the one lower down this list is "
    "used in preference.";
inline constexpr const char* kSchemesGreyed =
    "This window will be greyed out if you have a scheme editing window open. Close the scheme window to access "
    "these controls again.";

}  // namespace parlevox::texts
