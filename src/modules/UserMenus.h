#pragma once
// The four right-click menus users add to: their items (a name, the
// function or "/" command line it runs, whether to ask first, and the
// module that owns it), the command ids a shown menu gives them, and the
// moves of a module's items into and out of the lists when it is installed,
// saved or removed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "modules/ModuleManager.h"

namespace parlevox {

class CScriptModule;

// The number is the kind a module file stores.
enum class MenuKind : int32_t { Background = 0, Channel = 1, User = 2, Both = 3 };
inline constexpr int kMenuKinds = 4;
inline constexpr std::array<MenuKind, kMenuKinds> kAllMenuKinds = {MenuKind::Background, MenuKind::Channel,
                                                                    MenuKind::User, MenuKind::Both};

struct MenuItem {
    std::string name;
    std::string action;  // a function name, or a command line starting with "/"
    bool confirm = false;
    int32_t owner = 0;  // module id
    bool operator==(const MenuItem&) const = default;
};

// Which other menus' items a menu shows after its own. Stored with each
// menu as "AddBackground", "AddChannel" and "AddUser" and written back as
// they were read.
struct MenuAdditions {
    int32_t addBackground = 0;
    int32_t addChannel = 0;
    int32_t addUser = 0;
    bool operator==(const MenuAdditions&) const = default;
};

// One line of a shown menu.
struct MenuEntry {
    std::string label;
    uint32_t commandId = 0;
    bool separatorBefore = false;  // the first item of an added menu
};

class CUserMenus final : public ModuleItemOwner {
public:
    // The ids of a menu's items count up from its base. One menu's ids stop
    // below the next base, so a shown menu offers at most kMaxShown items of
    // each list (the lists themselves may hold any number).
    static constexpr int kMaxShown = 100;
    static uint32_t CommandBase(MenuKind kind);
    static uint32_t CommandId(MenuKind kind, size_t index);
    struct ItemPlace {
        MenuKind kind;
        size_t index;
    };
    static std::optional<ItemPlace> PlaceOf(uint32_t commandId);

    std::vector<MenuItem>& Items(MenuKind kind) { return lists_[Slot(kind)].items; }
    const std::vector<MenuItem>& Items(MenuKind kind) const { return lists_[Slot(kind)].items; }
    MenuAdditions& Additions(MenuKind kind) { return lists_[Slot(kind)].additions; }
    const MenuAdditions& Additions(MenuKind kind) const { return lists_[Slot(kind)].additions; }
    const MenuItem* ItemAt(uint32_t commandId) const;

    // The kind's own items, then those of each menu its additions name
    // (background, channel, user; never itself). Items without a name are
    // left out.
    std::vector<MenuEntry> Entries(MenuKind kind) const;

    // For the Menus tab. False for an index out of range.
    void Add(MenuKind kind, MenuItem item);
    bool Replace(MenuKind kind, size_t index, MenuItem item);
    bool Remove(MenuKind kind, size_t index);
    // Swaps the item with its neighbour above (-1) or below (+1).
    bool Move(MenuKind kind, size_t index, int direction);

    // ModuleItemOwner: a module's items join their menus; before a save the
    // module's copy becomes its items of the four lists, kinds in order (the
    // module is marked when that changes it); after an uninstall they leave.
    void Install(const CScriptModule& module) override;
    void Gather(CScriptModule& module) override;
    void RemoveOwnedBy(int32_t owner) override;

private:
    struct List {
        std::vector<MenuItem> items;
        MenuAdditions additions;
    };
    static size_t Slot(MenuKind kind) { return static_cast<size_t>(kind) & 3; }
    void AppendShown(MenuKind kind, bool separated, std::vector<MenuEntry>& entries) const;

    std::array<List, kMenuKinds> lists_;
};

}  // namespace parlevox
