#include "settings/UserMenuStore.h"

#include <fmt/format.h>

#include "settings/OwnerLists.h"
#include "settings/SettingsSection.h"

namespace parlevox {
namespace {

struct StartingItem {
    MenuKind kind;
    const char* name;
    const char* action;
    bool confirm;
};

// What a new installation's menus hold; the "Both" menu adds the user menu.
constexpr StartingItem kStartingItems[] = {
    {MenuKind::Background, "User count", "/lusers", false},
    {MenuKind::Background, "Time at server", "/time", false},
    {MenuKind::Background, "Server admin", "/admin", false},
    {MenuKind::Channel, "Info about chan", "/chaninfo %sC%", false},
    {MenuKind::User, "Chat privately", "/query %sN%", false},
    {MenuKind::User, "Info about user", "/nickinfo %sN%", false},
    {MenuKind::User, "Send a file...", "/dccsend %sN%", false},
    {MenuKind::User, "Make friend", "/friend %sN%", false},
    {MenuKind::User, "Ignore", "/ignore %sN%", false},
    {MenuKind::User, "Check lag", "/ping %sN%", false},
    {MenuKind::Both, "Give ops", "/op %sC% %sN%", true},
    {MenuKind::Both, "Remove ops", "/deop %sC% %sN%", false},
    {MenuKind::Both, "Kick", "/kick %sC% %sN%", true},
    {MenuKind::Both, "Ban", "/ban %sC% %sN%", true},
};

CUserMenus StartingMenus() {
    CUserMenus menus;
    for (const StartingItem& item : kStartingItems) menus.Add(item.kind, {item.name, item.action, item.confirm, 0});
    menus.Additions(MenuKind::Both).addUser = 1;
    return menus;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// In the order of kMenuAdditionNames.
constexpr int32_t MenuAdditions::*kAdditionFields[] = {&MenuAdditions::addBackground, &MenuAdditions::addChannel,
                                                       &MenuAdditions::addUser};

// An owner stored in another spelling of the same id ("0") is kept as it is.
std::string OwnerToStore(const SettingsSection& values, size_t index, int32_t owner) {
    std::string stored = values.ReadText(ListValueName(ListIndex::Decimal, static_cast<int>(index), "Owner"));
    return OwnerFromText(stored) == owner ? stored : OwnerText(owner);
}

}  // namespace

std::string OwnerText(int32_t owner) {
    return fmt::format("{:08x}", static_cast<uint32_t>(owner));
}

int32_t OwnerFromText(std::string_view text) {
    if (text.empty() || text.size() > 8) return 0;
    uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return 0;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
}

// A store whose background menu has no "Count" has never held the menus.
CUserMenus LoadUserMenus(Registry& registry) {
    const bool newUser = SettingsSection(registry, kMenuSections[0]).ReadInt(ListStorage::kCountName, -1) < 0;
    if (newUser) return StartingMenus();
    CUserMenus menus;
    for (MenuKind kind : kAllMenuKinds) {
        const std::string_view section = kMenuSections[static_cast<size_t>(kind)];
        for (MenuItemSetting& stored : MenuList(section).Load(registry))
            menus.Add(kind, {std::move(stored.name), std::move(stored.function), stored.confirm,
                             OwnerFromText(stored.owner)});
        SettingsSection values(registry, section);
        for (size_t i = 0; i < kMenuAdditionNames.size(); ++i)
            menus.Additions(kind).*kAdditionFields[i] = values.ReadInt(kMenuAdditionNames[i], 0);
    }
    return menus;
}

void SaveUserMenus(Registry& registry, const CUserMenus& menus) {
    for (MenuKind kind : kAllMenuKinds) {
        const std::string_view section = kMenuSections[static_cast<size_t>(kind)];
        SettingsSection values(registry, section);
        const std::vector<MenuItem>& items = menus.Items(kind);
        std::vector<MenuItemSetting> stored;
        stored.reserve(items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            const MenuItem& item = items[i];
            stored.push_back({item.name, item.action, OwnerToStore(values, i, item.owner), item.confirm});
        }
        MenuList(section).Save(registry, stored);
        // An empty background menu still says so: without its "Count" the
        // next start would take the store for a new user's.
        if (kind == MenuKind::Background)
            values.WriteInt(ListStorage::kCountName, static_cast<int>(items.size()), -1);
        for (size_t i = 0; i < kMenuAdditionNames.size(); ++i)
            values.WriteInt(kMenuAdditionNames[i], menus.Additions(kind).*kAdditionFields[i], 0);
    }
}

}  // namespace parlevox
