#include "ui/qt/UserMenuPopup.h"

#include <QMenu>

#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

constexpr const char* kCommandIdProperty = "userMenuCommandId";

// An "&" in an item's name is shown, not taken as the mnemonic mark.
QString MenuText(const std::string& name) {
    QString text = ToQString(name);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

}  // namespace

void UserMenuPopup::AddItems(QMenu& menu, const UserMenuRunner& runner, MenuKind kind) {
    const std::vector<MenuEntry> entries = runner.Entries(kind);
    if (entries.empty()) return;
    if (!menu.isEmpty()) menu.addSeparator();
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) menu.addSeparator();
        QAction* action = menu.addAction(MenuText(entry.label));
        action->setProperty(kCommandIdProperty, entry.commandId);
    }
}

uint32_t UserMenuPopup::CommandIdOf(const QAction* action) {
    return action ? action->property(kCommandIdProperty).toUInt() : 0;
}

uint32_t UserMenuPopup::Choose(QMenu& menu, const QPoint& global) {
    return menu.isEmpty() ? 0 : CommandIdOf(menu.exec(global));
}

}  // namespace parlevox
