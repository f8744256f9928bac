#include "settings/OwnerLists.h"

namespace parlevox {

ListLayout NotifyListLayout() {
    return ListLayout::Strict("Notify");
}

ListLayout ModuleListLayout() {
    return ListLayout::Strict("Modules");
}

ListLayout ReactionListLayout() {
    return ListLayout::Strict("Reactions");
}

ListLayout ScPlugInListLayout() {
    return ListLayout::Strict("SC Plug-ins");
}

ListLayout DccPlugInListLayout() {
    return ListLayout::Strict("DCC Plug-ins");
}

ListLayout SchemeManagerListLayout() {
    return ListLayout::Strict("Scheme manager");
}

ListLayout AllowRunListLayout() {
    return ListLayout::Counted("AllowRun");
}

SettingsList<MenuItemSetting> MenuList(std::string_view section) {
    return SettingsList<MenuItemSetting>(ListLayout::Counted(std::string(section), ListIndex::Decimal))
        .Text("Name", &MenuItemSetting::name)
        .Text("Function", &MenuItemSetting::function)
        .Text("Owner", &MenuItemSetting::owner)
        .Bool("Confirm", &MenuItemSetting::confirm);
}

const SettingsList<IgnoreSetting>& IgnoreList() {
    static const auto list = SettingsList<IgnoreSetting>(ListLayout::Counted("Idiots", ListIndex::Padded3))
                                 .Int("Hold", &IgnoreSetting::hold)
                                 .Int("Date", &IgnoreSetting::date)
                                 .Text("History", &IgnoreSetting::history)
                                 .Text("Reason", &IgnoreSetting::reason)
                                 .TextList("Mask", &IgnoreSetting::masks)
                                 .TextList("Nick", &IgnoreSetting::nicks);
    return list;
}

const SettingsList<DccFiletypeSetting>& DccFiletypeList() {
    static const auto list = SettingsList<DccFiletypeSetting>(ListLayout::Strict("DCC Filetypes"))
                                 .Text("", &DccFiletypeSetting::pattern)
                                 .Int("Action", &DccFiletypeSetting::action)
                                 .Text("Folder", &DccFiletypeSetting::folder)
                                 .Text("Helper", &DccFiletypeSetting::helper)
                                 .Text("Plug-in", &DccFiletypeSetting::plugIn);
    return list;
}

const SettingsList<SoundSetting>& SoundList() {
    static const auto list =
        SettingsList<SoundSetting>(ListLayout::Fixed("Sounds", kSoundEvents, ListIndex::Padded8))
            .Int("ResourceNum", &SoundSetting::resourceNum, -1)
            .Text("Filename", &SoundSetting::filename);
    return list;
}

}  // namespace parlevox
