#pragma once
// The Menus tab: one of the four user menus at a time (background,
// channel, user, user in a channel), its items in a table in menu order,
// which other menus' items it shows after its own, and under them the
// editor of one item: name, the function or /-command it runs, whether it
// asks first, and its owner module; Add, Update, Remove, Up and Down.
#include <QWidget>
#include <array>

#include "modules/UserMenus.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace parlevox {

class CMenuEditor;
class CScriptEditor;

class MenusTab final : public QWidget {
    Q_OBJECT

public:
    MenusTab(CMenuEditor& menus, CScriptEditor& editor, QWidget* parent = nullptr);

    void Refresh();
    MenuKind Kind() const;
    void ShowKind(MenuKind kind);
    QTableWidget& Table() const { return *table_; }
    // The item the editor fields describe.
    MenuItem Edited() const;
    void Load(const MenuItem& item);

    bool Add();
    bool Update();

private:
    QWidget* BuildEditor();
    QWidget* BuildAdditions();
    void RowChosen();
    void Remove();
    void Move(int direction);
    void AdditionToggled();
    void FillOwners(int32_t chosen);

    CMenuEditor& menus_;
    CScriptEditor& editor_;
    QComboBox* kind_;
    std::array<QCheckBox*, 3> additions_{};  // background, channel, user
    QTableWidget* table_;
    QLineEdit* name_ = nullptr;
    QLineEdit* action_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QComboBox* owner_ = nullptr;
};

}  // namespace parlevox
