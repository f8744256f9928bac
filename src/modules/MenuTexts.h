#pragma once
// What the user menus and aliases say and store.
namespace parlevox::menu_text {

// The settings sections of the four menus, in kind order.
inline constexpr const char* kBackgroundMenu = "Background Menu";
inline constexpr const char* kChannelMenu = "Channel Menu";
inline constexpr const char* kUserMenu = "User Menu";
inline constexpr const char* kBothMenu = "Both Menu";

inline constexpr const char* kConfirmationTitle = "Menu confirmation";
// Item name, action, then nickname and channel as the context has them.
inline constexpr const char* kConfirmNickAndChannel =
    "Are you sure you want to carry out the %s menu command (%s) on %s, in channel %s?";
inline constexpr const char* kConfirmNick = "Are you sure you want to carry out the %s menu command (%s) on %s?";
inline constexpr const char* kConfirmChannel =
    "Are you sure you want to carry out the %s menu command (%s) in channel %s?";
inline constexpr const char* kConfirmPlain = "Are you sure you want to carry out the %s menu command?";

// The Menus tab's own.
inline constexpr const char* kNoOwner = "(no module)";
inline constexpr const char* kItemNameTitle = "Menu item name required";
inline constexpr const char* kItemNameRequired = "Enter the text the menu shows for this item.";
inline constexpr const char* kRemoveItemTitle = "Remove menu item";
inline constexpr const char* kRemoveItemQuestion = "Remove the menu item \"%s\"?";

// Aliases.
inline constexpr const char* kAliasHead =
    "// This is an automatically-generated alias\r\n// If you modify it in Editor, DELETE THESE 2 LINES.\r\n";
inline constexpr const char* kNameRequiredTitle = "Function name required";
inline constexpr const char* kNameRequired = "You must enter a function name.";
inline constexpr const char* kInvalidNameTitle = "Invalid function name";
inline constexpr const char* kNameInUse =
    "That function name is in use by another script function. Choose another name for your alias.";
inline constexpr const char* kNameCharacters =
    "No characters are permitted inside an alias name except letters and numbers. The first character must be an "
    "upper-case letter.";
inline constexpr const char* kAliasCompileFailed =
    "An error was detected during compilation. Make sure you start each line with a / and do not include any other "
    "lines.";
inline constexpr const char* kLeaveTitle = "Confirmation";
// What is being switched: "alias", "window" or "module" (the changes are the alias's either way).
inline constexpr const char* kLeaveQuestion =
    "You have made changes to this alias. Switching to a different %s, without first clicking Set, will lose these "
    "changes.\n\nAre you sure you want to lose your changes?";
inline constexpr const char* kDeleteAliasTitle = "Delete alias";
inline constexpr const char* kDeleteAliasQuestion = "Delete the alias %s of the module %s?";

}  // namespace parlevox::menu_text
