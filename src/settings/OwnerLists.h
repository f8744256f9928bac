#pragma once
// How the list owners of the other subsystems store their lists, so that
// each owner loads and saves through the one list helper. The owners keep
// their own records and convert to and from these entries.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsList.h"

namespace parlevox {

// Lists of one text per entry ("%08i"): load and save them with
// LoadTextList / SaveTextList. All but "AllowRun" are strict.
ListLayout NotifyListLayout();         // "Notify": the fixed first entry "NickServ" is not stored
ListLayout ModuleListLayout();         // "Modules"
ListLayout ReactionListLayout();       // "Reactions"
ListLayout ScPlugInListLayout();       // "SC Plug-ins"
ListLayout DccPlugInListLayout();      // "DCC Plug-ins"
ListLayout SchemeManagerListLayout();  // "Scheme manager"
ListLayout AllowRunListLayout();       // "AllowRun", field kAllowRunField
inline constexpr std::string_view kAllowRunField = "Pathname";

// The four user menus, in the order of their kinds: "%iName", "%iFunction",
// "%iOwner" (the module id as eight hexadecimal digits), "%iConfirm"; each
// section also holds the three integers of kMenuAdditionNames.
inline constexpr std::array<std::string_view, 4> kMenuSections = {"Background Menu", "Channel Menu", "User Menu",
                                                                  "Both Menu"};
inline constexpr std::array<std::string_view, 3> kMenuAdditionNames = {"AddBackground", "AddChannel", "AddUser"};
struct MenuItemSetting {
    std::string name;
    std::string function;
    std::string owner;
    bool confirm = false;
    bool operator==(const MenuItemSetting&) const = default;
};
SettingsList<MenuItemSetting> MenuList(std::string_view section);

// "Idiots", the ignore list: "%03i" entries with "%02i" sub-lists.
struct IgnoreSetting {
    int hold = 0;
    int date = 0;
    std::string history;  // the text log shown in the preferences
    std::string reason;
    std::vector<std::string> masks;  // "%03iMaskCount", "%03iMask%02i"
    std::vector<std::string> nicks;  // "%03iNickCount", "%03iNick%02i"
    bool operator==(const IgnoreSetting&) const = default;
};
const SettingsList<IgnoreSetting>& IgnoreList();

// "DCC Filetypes": the pattern is the bare "%08i" value and the list's key.
// The section also holds "Allow" and "Automatic".
struct DccFiletypeSetting {
    std::string pattern;
    int action = 0;
    std::string folder;
    std::string helper;
    std::string plugIn;
    bool operator==(const DccFiletypeSetting&) const = default;
};
const SettingsList<DccFiletypeSetting>& DccFiletypeList();

// "Sounds": the thirteen sound events, always all of them, no "Count".
// The section also holds "UserEnabled", "BuiltInEnabled" and "Folder".
inline constexpr int kSoundEvents = 13;
struct SoundSetting {
    int resourceNum = -1;
    std::string filename;
    bool operator==(const SoundSetting&) const = default;
};
const SettingsList<SoundSetting>& SoundList();

}  // namespace parlevox
