#pragma once
// What the script-command plug-in host says.
namespace parlevox::plugin_text {

inline constexpr const char* kTitle = "Parlevox";
inline constexpr const char* kFailedToLoad = "Failed to load plug-in %s";
inline constexpr const char* kNotCompatible = "Plug-in %s is not compatible with this version of Parlevox";
inline constexpr const char* kDroppedFromList =
    "A plug-in could not be loaded and has been removed from the list of those installed.";
inline constexpr const char* kNameTaken =
    "A plug-in with that name already exists. You can't install two copies of the same plug-in.";
inline constexpr const char* kCouldNotLoad = "The plug-in could not be loaded.";
inline constexpr const char* kConfirmUninstallTitle = "Confirm uninstall";
inline constexpr const char* kConfirmUninstall =
    "Removing a plug-in means you won't be able to use the facilities it provides. If you later change your mind, "
    "you can re-install the plug-in: the file isn't deleted from disk.\n\nAre you sure you want to uninstall the "
    "plug-in?";
inline constexpr const char* kInstallFilter = "Parlevox plug-ins (*.ParlevoxPlugIn)|*.ParlevoxPlugIn||";
inline constexpr const char* kInstallTitle = "Install plug-in";
// Name, second text, third text.
inline constexpr const char* kDisplayLine = "%s / %s (%s)";

// One-shot information 61240, before the first install.
inline constexpr int kInstallHint = 61240;
inline constexpr const char* kInstallHintTitle = "Installing a plug-in";
inline constexpr const char* kInstallHintText =
    "A plug-in is a program. Once installed it runs inside Parlevox every time Parlevox starts, with every right "
    "you have on this computer: it can read and change your files, use the network, and speak for you in any "
    "chat. Parlevox cannot watch or limit what it does.\n\n"
    "Only install a plug-in that comes from someone you trust, from a place you trust.";

// Script calls (after the caller's prefix): command, had, expected (long forms).
inline constexpr const char* kIncorrectParameters =
    "Incorrect parameters calling plug-in command %s; had %s, expected %s.";
// "/" calls: slot 14, command, slot 13, expected type (long form).
inline constexpr const char* kSlashInsufficient =
    "%s! Insufficient parameters provided when calling \x1f%s\x1f. %sThis plug-in command requires parameters of "
    "type %s.";
// Slot 14, command, expected type, the word.
inline constexpr const char* kSlashNotAnInteger =
    "%s! While attempting to parse parameters for \x1f%s\x1f (type %s), %s could not be interpreted as an integer.";
// Slot 14, command, slot 13, expected type.
inline constexpr const char* kSlashArrays =
    "%s! Attempt to call plug-in command \x1f%s\x1f with /-command,%s but this requires parameters of type %s and "
    "arrays can't be entered in /-commands.";

}  // namespace parlevox::plugin_text
