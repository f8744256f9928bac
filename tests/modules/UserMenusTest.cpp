// The user menus' lists: which command id reaches which item, what a shown
// menu offers, and a module's items moving in, back and out.
#include "modules/UserMenus.h"

#include <gtest/gtest.h>

#include "modules/ScriptModule.h"

namespace parlevox {
namespace {

MenuItem Item(const char* name, int32_t owner = 7) {
    return {name, std::string("/") + name, false, owner};
}

TEST(UserMenusTest, CommandIdsCountFromEachMenusBaseAndLeadBackToTheItem) {
    CUserMenus menus;
    for (MenuKind kind : kAllMenuKinds)
        for (int i = 0; i < CUserMenus::kMaxShown + 1; ++i)
            menus.Add(kind, Item(("k" + std::to_string(static_cast<int>(kind)) + "i" + std::to_string(i)).c_str()));
    // Background, user, channel, both: the user menu's ids come before the channel menu's.
    struct Case {
        MenuKind kind;
        size_t index;
        uint32_t id;
    };
    const Case cases[] = {{MenuKind::Background, 0, 20480}, {MenuKind::User, 0, 20580},
                          {MenuKind::Channel, 0, 20680}, {MenuKind::Both, 0, 20780},
                          {MenuKind::Background, 99, 20579}, {MenuKind::Both, 99, 20879}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(CUserMenus::CommandId(c.kind, c.index), c.id);
        ASSERT_NE(menus.ItemAt(c.id), nullptr);
        EXPECT_EQ(menus.ItemAt(c.id), &menus.Items(c.kind)[c.index]);
    }
    EXPECT_EQ(menus.ItemAt(20479), nullptr);
    EXPECT_EQ(menus.ItemAt(20880), nullptr) << "the both menu's 101st item is never shown";
    EXPECT_EQ(menus.Entries(MenuKind::Channel).size(), size_t(CUserMenus::kMaxShown));
}

TEST(UserMenusTest, AMenuShowsTheMenusItsAdditionsNameAfterItsOwn) {
    CUserMenus menus;
    menus.Add(MenuKind::Both, Item("Op"));
    menus.Add(MenuKind::Both, Item(""));  // nothing to show
    menus.Add(MenuKind::User, Item("Query"));
    menus.Add(MenuKind::Background, Item("Time"));
    menus.Add(MenuKind::Channel, Item("Topic"));
    menus.Additions(MenuKind::Both) = {0, 0, 2};
    menus.Additions(MenuKind::User) = {1, 0, 1};  // itself is not shown twice

    std::vector<MenuEntry> both = menus.Entries(MenuKind::Both);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].label, "Op");
    EXPECT_FALSE(both[0].separatorBefore);
    EXPECT_EQ(both[1].label, "Query");
    EXPECT_EQ(both[1].commandId, 20580u) << "an added item keeps its own menu's id";
    EXPECT_TRUE(both[1].separatorBefore);

    std::vector<MenuEntry> user = menus.Entries(MenuKind::User);
    ASSERT_EQ(user.size(), 2u);
    EXPECT_EQ(user[1].label, "Time");
    EXPECT_EQ(menus.Entries(MenuKind::Channel).size(), 1u);
}

TEST(UserMenusTest, AModulesItemsJoinTheMenusAndAreGatheredBackInKindOrder) {
    CScriptModule module(0x5a3c1e01, "Tools", "", "");
    module.MenuItems() = {{"Slap", "/slap %sN%", 1, 3}, {"Stats", "Stats", 0, 0}, {"Lost", "/x", 0, 7}};
    CUserMenus menus;
    menus.Add(MenuKind::Both, Item("Kick", 0));
    menus.Install(module);
    ASSERT_EQ(menus.Items(MenuKind::Both).size(), 2u);
    EXPECT_EQ(menus.Items(MenuKind::Both)[1], (MenuItem{"Slap", "/slap %sN%", true, 0x5a3c1e01}));
    EXPECT_EQ(menus.Items(MenuKind::Background)[0].owner, 0x5a3c1e01);

    module.ClearChanges();
    menus.Gather(module);
    const std::vector<ModuleMenuItem> gathered = {{"Stats", "Stats", 0, 0}, {"Slap", "/slap %sN%", 1, 3}};
    EXPECT_EQ(module.MenuItems(), gathered);
    EXPECT_TRUE(module.HasChanges()) << "the item of no menu is gone from its copy";
    module.ClearChanges();
    menus.Gather(module);
    EXPECT_FALSE(module.HasChanges()) << "nothing changed, nothing to save";

    menus.RemoveOwnedBy(module.Id());
    EXPECT_TRUE(menus.Items(MenuKind::Background).empty());
    ASSERT_EQ(menus.Items(MenuKind::Both).size(), 1u);
    EXPECT_EQ(menus.Items(MenuKind::Both)[0].name, "Kick");
}

}  // namespace
}  // namespace parlevox
