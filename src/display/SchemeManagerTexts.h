#pragma once
// What the scheme manager and its dialogs say.
namespace parlevox::texts {

// Boxes the manager shows have the program's name as their title.
inline constexpr const char* kSchemeBoxTitle = "Parlevox";
inline constexpr const char* kSchemesLost =
    "There was a problem loading scheme settings from the registry - some of the schemes that were  installed "
    "appear to have been lost.";
inline constexpr const char* kProblemLoadingScheme = "Problem loading scheme file ";
inline constexpr const char* kSchemeListFull =
    "No more schemes can be installed: the list holds 128 already. Remove one first.";

inline constexpr const char* kSchemeAlreadyInstalled = "That scheme is already installed.";

inline constexpr const char* kSchemeFilter = "Parlevox schemes (*.ParlevoxScheme)|*.ParlevoxScheme||";
inline constexpr const char* kSchemeDefaultExtension = "ParlevoxScheme";
inline constexpr const char* kInstallTitle = "Install";
inline constexpr const char* kNewSchemeTitle = "New";
inline constexpr const char* kCloneSchemeTitle = "Clone";
inline constexpr const char* kSaveNewSchemeTitle = "Save New Scheme As";
inline constexpr const char* kEditorTitleSuffix = " - Scheme settings";

// One-shot information 61239, before the first install.
inline constexpr int kInstallHint = 61239;
inline constexpr const char* kInstallHintTitle = "Installing a scheme";
inline constexpr const char* kInstallHintText =
    "Installing a new scheme is usually fairly safe, but it is not without potential hazards.\n\n"
    "A scheme cannot do anything by itself. It can only act when you click in a window that uses it: its hot "
    "spots can then run script commands, as if you had typed them, and open web addresses.\n\n"
    "If you are not sure you can trust the scheme you are installing, open it with the scheme editor (\"Edit...\") "
    "and look at what each of its hot spots does before you click on any of them.";

inline constexpr const char* kEditSchemeTitle = "Edit scheme";
inline constexpr const char* kEditSchemeQuestion =
    "This window does not have its own scheme; it uses a scheme that also applies to many other windows. If you "
    "change the existing scheme, you will affect the other windows too. What would you like to do?";
inline constexpr const char* kCreateSpecificScheme = "Create a new scheme specific to this window:";
inline constexpr const char* kByCopyingCurrent = "by making a new copy of the current scheme";
inline constexpr const char* kByStartingBlank = "by starting from a blank scheme";
inline constexpr const char* kEditExistingScheme = "Edit the existing scheme";

inline constexpr const char* kSchemesPageHelp =
    "When two schemes suit a window, the one lower down the list is used.";
inline constexpr const char* kSchemesPageGreyed =
    "This window will be greyed out if you have a scheme editing window open. Close the scheme window to access "
    "these controls again.";

}  // namespace parlevox::texts
