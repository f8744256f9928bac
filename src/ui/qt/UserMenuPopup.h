#pragma once
// The windows' right-click menus: a window's built-in entries, then (after
// a separator) the items of the user menu that belongs there, each run
// with the context the menu was opened for once the menu has closed.
#include <QPoint>

#include "modules/UserMenuRunner.h"

class QAction;
class QMenu;

namespace parlevox {

class UserMenuPopup {
public:
    // Appends the kind's entries to menu (which may hold built-in ones).
    static void AddItems(QMenu& menu, const UserMenuRunner& runner, MenuKind kind);
    // Shows menu at the screen position and returns the command id of the
    // user menu item chosen (0 for none or a built-in entry), for the caller
    // to run once it has made sure that its window outlived the menu. An
    // empty menu is not shown.
    static uint32_t Choose(QMenu& menu, const QPoint& global);
    // The command id a user menu entry carries, or 0 for a built-in one.
    static uint32_t CommandIdOf(const QAction* action);
};

}  // namespace parlevox
