#include "modules/UserMenus.h"

#include <algorithm>

#include "modules/ScriptModule.h"

namespace parlevox {
namespace {

// The bases in kind order: background, channel, user, both.
constexpr std::array<uint32_t, kMenuKinds> kBases = {20480, 20680, 20580, 20780};

bool IsMenuKind(int32_t kind) {
    return kind >= 0 && kind < kMenuKinds;
}

}  // namespace

uint32_t CUserMenus::CommandBase(MenuKind kind) {
    return kBases[Slot(kind)];
}

uint32_t CUserMenus::CommandId(MenuKind kind, size_t index) {
    return CommandBase(kind) + static_cast<uint32_t>(index);
}

std::optional<CUserMenus::ItemPlace> CUserMenus::PlaceOf(uint32_t commandId) {
    for (MenuKind kind : kAllMenuKinds) {
        const uint32_t base = CommandBase(kind);
        if (commandId >= base && commandId < base + kMaxShown) return ItemPlace{kind, commandId - base};
    }
    return std::nullopt;
}

const MenuItem* CUserMenus::ItemAt(uint32_t commandId) const {
    std::optional<ItemPlace> place = PlaceOf(commandId);
    if (!place) return nullptr;
    const std::vector<MenuItem>& items = Items(place->kind);
    return place->index < items.size() ? &items[place->index] : nullptr;
}

void CUserMenus::AppendShown(MenuKind kind, bool separated, std::vector<MenuEntry>& entries) const {
    const std::vector<MenuItem>& items = Items(kind);
    const size_t shown = std::min<size_t>(items.size(), kMaxShown);
    for (size_t i = 0; i < shown; ++i) {
        if (items[i].name.empty()) continue;
        entries.push_back({items[i].name, CommandId(kind, i), separated});
        separated = false;
    }
}

std::vector<MenuEntry> CUserMenus::Entries(MenuKind kind) const {
    std::vector<MenuEntry> entries;
    AppendShown(kind, false, entries);
    const MenuAdditions& add = Additions(kind);
    const std::pair<MenuKind, int32_t> added[] = {
        {MenuKind::Background, add.addBackground}, {MenuKind::Channel, add.addChannel}, {MenuKind::User, add.addUser}};
    for (const auto& [other, wanted] : added)
        if (wanted != 0 && other != kind) AppendShown(other, !entries.empty(), entries);
    return entries;
}

void CUserMenus::Add(MenuKind kind, MenuItem item) {
    Items(kind).push_back(std::move(item));
}

bool CUserMenus::Replace(MenuKind kind, size_t index, MenuItem item) {
    std::vector<MenuItem>& items = Items(kind);
    if (index >= items.size()) return false;
    items[index] = std::move(item);
    return true;
}

bool CUserMenus::Remove(MenuKind kind, size_t index) {
    std::vector<MenuItem>& items = Items(kind);
    if (index >= items.size()) return false;
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool CUserMenus::Move(MenuKind kind, size_t index, int direction) {
    std::vector<MenuItem>& items = Items(kind);
    if (index >= items.size() || (direction < 0 && index == 0) || (direction > 0 && index + 1 >= items.size()))
        return false;
    std::swap(items[index], items[direction < 0 ? index - 1 : index + 1]);
    return true;
}

// An item of a kind no menu has cannot be shown; it is left out.
void CUserMenus::Install(const CScriptModule& module) {
    for (const ModuleMenuItem& item : module.MenuItems()) {
        if (!IsMenuKind(item.kind)) continue;
        Items(static_cast<MenuKind>(item.kind)).push_back({item.name, item.function, item.confirm != 0, module.Id()});
    }
}

void CUserMenus::Gather(CScriptModule& module) {
    std::vector<ModuleMenuItem> gathered;
    for (MenuKind kind : kAllMenuKinds)
        for (const MenuItem& item : Items(kind))
            if (item.owner == module.Id())
                gathered.push_back({item.name, item.action, item.confirm ? 1 : 0, static_cast<int32_t>(kind)});
    if (module.MenuItems() == gathered) return;
    module.MenuItems() = std::move(gathered);
    module.MarkModified();
}

void CUserMenus::RemoveOwnedBy(int32_t owner) {
    for (List& list : lists_) std::erase_if(list.items, [owner](const MenuItem& item) { return item.owner == owner; });
}

}  // namespace parlevox
