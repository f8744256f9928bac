#pragma once
// The texts a scheme shows at run time, and the names it makes.
namespace parlevox::texts {

inline constexpr const char* kUrlErrorTitle = "URL Error";
inline constexpr const char* kUrlNotValid =
    "There was a problem executing the URL you clicked on.\n\n"
    "It is not a valid URL - you must include the http:// at the beginning.";
inline constexpr const char* kUrlOpenFailed =
    "There was a problem executing the URL you clicked on.\n\n"
    "Check your web browser is set up correctly; you should be able to type a URL into the Run box (from the "
    "Windows Start menu) and have it load.";

// Accepted beginnings of a URL action's address.
inline constexpr const char* kUrlPrefixes[] = {"http://", "ftp://"};

// New items on the Graphics page: the time in seconds and the tick count.
inline constexpr const char* kNewImageName = "i%8x%8x";
inline constexpr const char* kNewShapeName = "f%8x%8x";
// A new hot spot's companions: normal, mouse-over, mouse-down images and its action.
inline constexpr const char* kHotspotCompanionSuffixes[] = {"N", "O", "D", "A"};

inline constexpr const char* kTextFontName = "Text";
inline constexpr const char* kDefaultFontFace = "Arial";

// Kind names of built-in windows in a scheme's usage lists.
inline constexpr const char* kControlBarKind = "CControlBarWnd";
inline constexpr const char* kMotdWindowKind = "CMOTDWindow";
inline constexpr const char* kBackgroundWindowKind = "CBackgroundWindow";
inline constexpr const char* kTextWindowKindPrefix = "CTextWindow:";

}  // namespace parlevox::texts
