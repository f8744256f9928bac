#include "settings/SettingsList.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/OptionLists.h"
#include "settings/OwnerLists.h"
#include "settings/StrictListMessages.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

constexpr const char* kRoot = "Software\\quornwright\\Parlevox\\";

std::vector<std::string> ValueNames(const Registry& registry, const std::string& section) {
    std::vector<std::string> names;
    if (const RegistryKey* key = registry.OpenKey(kRoot + section))
        for (const auto& entry : key->values) names.push_back(entry.first);
    return names;
}

TEST(SettingsListTest, ListsWriteTheirValueNames) {
    Registry registry;
    // The history is the entry's text log.
    const std::vector<IgnoreSetting> ignores = {
        {1, 2, "Mon Dec 07 22:10:05 1998\r\nReason: x\r\n\r\n", "flood", {"*!*@a", "*!*@b"}, {"x"}}};
    IgnoreList().Save(registry, ignores);
    EXPECT_EQ(IgnoreList().Load(registry), ignores);
    EXPECT_EQ(ValueNames(registry, "Idiots"),
              (std::vector<std::string> {"000Date", "000History", "000Hold", "000Mask00", "000Mask01", "000MaskCount",
                                         "000Nick00", "000NickCount", "000Reason", "Count"}));
    std::vector<MenuItemSetting> menu(11, MenuItemSetting {"Op", "/op %", "me", true});
    MenuList("User Menu").Save(registry, menu);
    std::vector<std::string> names = ValueNames(registry, "User Menu");
    EXPECT_EQ(names.size(), 1u + 11 * 4);
    for (const char* name : {"0Name", "10Function", "10Confirm", "9Owner"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    SoundList().Save(registry, std::vector<SoundSetting>(kSoundEvents, SoundSetting {3, "ding.wav"}));
    names = ValueNames(registry, "Sounds");
    EXPECT_EQ(names.size(), 2u * kSoundEvents) << "a fixed list has no Count";
    EXPECT_EQ(names.front(), "00000000Filename");
    EXPECT_EQ(names.back(), "00000012ResourceNum");
    SaveTextList(registry, AllowRunListLayout(), {"/usr/bin/true"}, kAllowRunField);
    EXPECT_EQ(ValueNames(registry, "AllowRun"), (std::vector<std::string> {"00000000Pathname", "Count"}));
}

TEST(SettingsListTest, StrictListsStopAtAMissingEntryAndSayItOnce) {
    for (const StrictListMessage& strict : kStrictListMessages) {
        SCOPED_TRACE(std::string(strict.section));
        test::ScriptedUserInterface ui;
        Registry registry;
        const ListLayout layout = ListLayout::Strict(std::string(strict.section));
        SaveTextList(registry, layout, {"a", "b", "c", "d", "e"});
        registry.DeleteValue(kRoot + std::string(strict.section), "00000003");
        EXPECT_EQ(LoadTextList(registry, layout), (std::vector<std::string> {"a", "b", "c"}));
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, strict.text);
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::Ok);
    }
}

TEST(SettingsListTest, StrictnessDependsOnTheListAndItsKey) {
    struct Case {
        const char* description;
        ListLayout layout;
        std::string damage;  // value name blanked or removed
        bool remove;
        size_t expectedEntries;
        size_t expectedBoxes;
    } cases[] = {
        {"strict, key missing", NotifyListLayout(), "00000001", true, 1, 1},
        {"strict, key stored empty", ModuleListLayout(), "00000002", false, 2, 1},
        {"strict, first entry missing", ReactionListLayout(), "00000000", true, 0, 1},
        {"other list, entry missing", AllowRunListLayout(), "00000003", true, 5, 0},
        {"other list, entry empty", ListLayout::Counted("Somewhere"), "00000000", false, 5, 0},
    };
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        Registry registry;
        SaveTextList(registry, c.layout, {"a", "b", "c", "d", "e"});
        const std::string section = kRoot + c.layout.section;
        if (c.remove)
            registry.DeleteValue(section, c.damage);
        else
            registry.SetValue(section, c.damage, RegistryValue::FromString(""));
        std::vector<std::string> loaded = LoadTextList(registry, c.layout);
        EXPECT_EQ(loaded.size(), c.expectedEntries) << c.description;
        EXPECT_EQ(ui.boxes.size(), c.expectedBoxes) << c.description;
    }
}

TEST(SettingsListTest, StrictKeyIsTheFirstFieldOnly) {
    test::ScriptedUserInterface ui;
    Registry registry;
    DccFiletypeList().Save(registry, {{"*.txt", 1, "", "", ""}, {"*.jpg", 0, "", "", ""}, {"*.wav", 3, "", "", ""}});
    registry.DeleteValue(kRoot + "DCC Filetypes"s, "00000000Action");
    registry.DeleteValue(kRoot + "DCC Filetypes"s, "00000002");
    std::vector<DccFiletypeSetting> loaded = DccFiletypeList().Load(registry);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].action, 0) << "a missing value that is not the key reads as its default";
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST(SettingsListTest, ShrinkingLeavesStaleValuesThatCountHides) {
    Registry registry;
    std::vector<FriendEntry> five;
    for (int i = 0; i < 5; ++i) five.push_back({"nick" + std::to_string(i), "*!*@host", i});
    FriendList().Save(registry, five);
    FriendList().Save(registry, {five[0], five[1]});
    const std::string section = kRoot + "Friends"s;
    EXPECT_EQ(registry.GetValue(section, "Count")->AsDword(), 2u);
    for (const char* stale : {"00000002Nickname", "00000003Mask", "00000004Level"})
        EXPECT_TRUE(registry.GetValue(section, stale)) << stale;
    EXPECT_EQ(FriendList().Load(registry), (std::vector<FriendEntry> {five[0], five[1]}));
}

TEST(SettingsListTest, DamagedCountsAreBounded) {
    struct Case {
        const char* description;
        RegistryValue count;
        size_t expected;
    } cases[] = {
        {"negative", RegistryValue::FromDword(static_cast<uint32_t>(-5)), 0},
        {"huge", RegistryValue::FromDword(0x7fffffff), ListStorage::kMaxEntries},
        {"text", RegistryValue::FromString("3"), 0},
        {"short dword", RegistryValue {RegistryType::Dword, "\x03"s}, 0},
    };
    for (const auto& c : cases) {
        Registry registry;
        registry.SetValue(kRoot + "AllowRun"s, "Count", c.count);
        EXPECT_EQ(LoadTextList(registry, AllowRunListLayout(), kAllowRunField).size(), c.expected) << c.description;
    }
    Registry registry;
    registry.WriteProfileInt("Idiots", "Count", 1);
    registry.WriteProfileInt("Idiots", "000MaskCount", -1);
    registry.WriteProfileInt("Idiots", "000NickCount", INT_MAX);
    std::vector<IgnoreSetting> ignores = IgnoreList().Load(registry);
    ASSERT_EQ(ignores.size(), 1u);
    EXPECT_TRUE(ignores[0].masks.empty());
    EXPECT_EQ(ignores[0].nicks.size(), static_cast<size_t>(ListStorage::kMaxEntries));
}

TEST(SettingsListTest, SavingWhatWasLoadedChangesNothing) {
    test::TempDir dir;
    test::WriteWholeFile(dir.File("r.reg"),
                         "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Channels]\n"
                         "\"Count\"=dword:00000003\n\"00000000Name\"=\"#a\"\n"
                         "\"00000000Logging\"=\"yes\"\n\"00000002PositionTop\"=dword:00000007\n\n"
                         "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Sounds]\n"
                         "\"00000004ResourceNum\"=dword:0000000c\n");
    Registry registry;
    ASSERT_TRUE(registry.Load(dir.File("r.reg")));
    std::vector<ChannelSetting> channels = ChannelList().Load(registry);
    ASSERT_EQ(channels.size(), 3u);
    EXPECT_EQ(channels[0].logging, false) << "text where a number belongs reads as the default";
    EXPECT_EQ(channels[2].top, 7);
    std::vector<SoundSetting> sounds = SoundList().Load(registry);
    EXPECT_EQ(sounds[4].resourceNum, 12);
    EXPECT_EQ(sounds[5].resourceNum, -1);
    ChannelList().Save(registry, channels);
    SoundList().Save(registry, sounds);
    EXPECT_FALSE(registry.Modified());

    channels[1].logging = true;
    ChannelList().Save(registry, channels);
    EXPECT_TRUE(registry.Modified());
    EXPECT_EQ(registry.GetValue(kRoot + "Channels"s, "00000001Logging")->AsDword(), 1u);
    EXPECT_EQ(registry.GetValue(kRoot + "Channels"s, "00000000Logging")->type, RegistryType::String);
}

}  // namespace
}  // namespace parlevox
