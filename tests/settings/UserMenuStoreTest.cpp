// The user menus in the store: what is read comes back as it was, items go
// under unpadded numbers, and a large stored menu loads whole.
#include "settings/UserMenuStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "settings/OwnerLists.h"
#include "settings/SettingsSection.h"

namespace parlevox {
namespace {

constexpr const char* kKey = "[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\";

// Owner spelled "0" and in hex, a confirm of 2, and addition values that
// are not 0 or 1: all must survive a save untouched.
const std::string kStored = std::string("REGEDIT4\n\n") + kKey +
                            "Background Menu]\n\"Count\"=dword:00000000\n\n" + kKey +
                            "Both Menu]\n\"Count\"=dword:00000002\n\"AddUser\"=dword:00000001\n"
                            "\"AddChannel\"=dword:00000005\n"
                            "\"0Name\"=\"Give ops\"\n\"0Function\"=\"/op %sC% %sN%\"\n\"0Owner\"=\"0\"\n"
                            "\"0Confirm\"=dword:00000002\n"
                            "\"1Name\"=\"Slap\"\n\"1Function\"=\"Slap\"\n\"1Owner\"=\"5a3c1e01\"\n"
                            "\"1Confirm\"=dword:00000000\n";

TEST(UserMenuStoreTest, WhatWasLoadedIsSavedUnchangedAndNewItemsGetUnpaddedNumbers) {
    Registry registry;
    registry.ImportText(kStored);
    const std::string before = registry.ExportText();
    CUserMenus menus = LoadUserMenus(registry);
    ASSERT_EQ(menus.Items(MenuKind::Both).size(), 2u);
    EXPECT_EQ(menus.Items(MenuKind::Both)[0], (MenuItem{"Give ops", "/op %sC% %sN%", true, 0}));
    EXPECT_EQ(menus.Items(MenuKind::Both)[1], (MenuItem{"Slap", "Slap", false, 0x5a3c1e01}));
    EXPECT_EQ(menus.Additions(MenuKind::Both), (MenuAdditions{0, 5, 1}));
    EXPECT_TRUE(menus.Items(MenuKind::User).empty());

    SaveUserMenus(registry, menus);
    EXPECT_EQ(registry.ExportText(), before);

    menus.Add(MenuKind::Both, {"Kick", "/kick %sC% %sN%", true, -2});
    menus.Items(MenuKind::Both)[0].owner = 0x12ab;
    SaveUserMenus(registry, menus);
    SettingsSection both(registry, "Both Menu");
    EXPECT_EQ(both.ReadInt("Count", 0), 3);
    EXPECT_EQ(both.ReadText("2Name"), "Kick");
    EXPECT_EQ(both.ReadText("2Owner"), "fffffffe");
    EXPECT_EQ(both.ReadText("0Owner"), "000012ab");
    EXPECT_EQ(both.ReadText("00000002Name"), "");
    EXPECT_EQ(LoadUserMenus(registry).Items(MenuKind::Both), menus.Items(MenuKind::Both));
    EXPECT_EQ(SettingsSection(registry, "User Menu").ReadInt("AddUser", -1), -1) << "no value is made up";
}

TEST(UserMenuStoreTest, OwnersAreReadAsOneToEightHexDigits) {
    struct Case {
        const char* text;
        int32_t owner;
    };
    const Case cases[] = {{"5a3c1e01", 0x5a3c1e01}, {"FFFFFFFF", -1}, {"7", 7},   {"", 0},
                          {"123456789", 0},         {"12 ab", 0},     {"-1", 0}, {"0x10", 0}};
    for (const Case& c : cases) EXPECT_EQ(OwnerFromText(c.text), c.owner) << c.text;
}

TEST(UserMenuStoreTest, ANewUserGetsStartingMenusButAnEmptiedMenuStaysEmpty) {
    Registry registry;
    CUserMenus menus = LoadUserMenus(registry);
    EXPECT_FALSE(menus.Items(MenuKind::User).empty());
    EXPECT_EQ(menus.Additions(MenuKind::Both).addUser, 1);
    for (MenuKind kind : kAllMenuKinds) menus.Items(kind).clear();
    SaveUserMenus(registry, menus);
    for (MenuKind kind : kAllMenuKinds) EXPECT_TRUE(LoadUserMenus(registry).Items(kind).empty());
}

TEST(UserMenuStoreTest, TenThousandStoredItemsLoadWhole) {
    Registry registry;
    CUserMenus menus;
    constexpr int kItems = 10000;
    for (int i = 0; i < kItems; ++i)
        menus.Add(MenuKind::User, {"Item " + std::to_string(i), "/echo " + std::to_string(i), i % 2 == 0, i});
    const auto start = std::chrono::steady_clock::now();
    SaveUserMenus(registry, menus);
    CUserMenus loaded = LoadUserMenus(registry);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("10,000 menu items saved and loaded in %lld ms\n", static_cast<long long>(took.count()));
    EXPECT_EQ(loaded.Items(MenuKind::User), menus.Items(MenuKind::User));
    EXPECT_EQ(loaded.Entries(MenuKind::User).size(), size_t(CUserMenus::kMaxShown));
}

}  // namespace
}  // namespace parlevox
