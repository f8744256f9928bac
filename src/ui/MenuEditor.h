#pragma once
// The Menus tab without a toolkit: the items of each of the four user
// menus as rows, adding, updating, removing and moving them, and which
// other menus' items a menu shows after its own. An item needs a name and
// an action; its owner is an installed module, or none (0: the user's own
// item, kept with the menus only). The owners of a changed item are marked,
// so that the items they carry are saved with them.
#include <cstdint>
#include <string>
#include <vector>

#include "modules/UserMenus.h"

namespace parlevox {

class CModuleManager;
class UserInterface;

struct MenuRow {
    std::string name;
    std::string action;
    bool confirm;
    std::string owner;  // module name, "(no module)", or "<invalid>" for one not installed
};

class CMenuEditor {
public:
    CMenuEditor(CUserMenus& menus, CModuleManager& modules, UserInterface& ui);

    std::vector<MenuRow> Rows(MenuKind kind) const;
    const MenuItem* At(MenuKind kind, size_t index) const;

    bool Add(MenuKind kind, const MenuItem& item);
    bool Update(MenuKind kind, size_t index, const MenuItem& item);
    // After a confirmation.
    bool Remove(MenuKind kind, size_t index);
    bool Move(MenuKind kind, size_t index, int direction);

    const MenuAdditions& Additions(MenuKind kind) const { return menus_.Additions(kind); }
    void SetAdditions(MenuKind kind, const MenuAdditions& additions) { menus_.Additions(kind) = additions; }

private:
    bool Complete(const MenuItem& item);
    void MarkOwner(int32_t owner);

    CUserMenus& menus_;
    CModuleManager& modules_;
    UserInterface& ui_;
};

}  // namespace parlevox
