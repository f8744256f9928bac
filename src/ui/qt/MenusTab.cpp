#include "ui/qt/MenusTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "modules/MenuTexts.h"
#include "ui/MenuEditor.h"
#include "ui/ScriptEditor.h"
#include "ui/qt/QtText.h"
#include "ui/qt/RowTable.h"

namespace parlevox {
namespace {

enum Column { kName, kAction, kConfirm, kOwner, kColumnCount };

struct KindChoice {
    MenuKind kind;
    const char* label;
    const char* where;
};
constexpr KindChoice kKinds[] = {
    {MenuKind::Background, "Background", "Right-click in the status window"},
    {MenuKind::Channel, "Channel", "Right-click in a channel window's text"},
    {MenuKind::User, "User", "Right-click in a private chat with the user"},
    {MenuKind::Both, "User in a channel",
     "Right-click on a nickname in a channel window's text or names list"},
};

constexpr int32_t MenuAdditions::*kAdditionFields[] = {&MenuAdditions::addBackground, &MenuAdditions::addChannel,
                                                       &MenuAdditions::addUser};
constexpr MenuKind kAdditionKinds[] = {MenuKind::Background, MenuKind::Channel, MenuKind::User};

}  // namespace

MenusTab::MenusTab(CMenuEditor& menus, CScriptEditor& editor, QWidget* parent)
    : QWidget(parent), menus_(menus), editor_(editor), kind_(new QComboBox(this)),
      table_(new QTableWidget(0, kColumnCount, this)) {
    kind_->setObjectName("menuKind");
    for (const KindChoice& choice : kKinds) {
        kind_->addItem(tr(choice.label), static_cast<int>(choice.kind));
        kind_->setItemData(kind_->count() - 1, tr(choice.where), Qt::ToolTipRole);
    }
    auto* where = new QLabel(this);
    where->setObjectName("menuPlace");
    auto* kindLabel = new QLabel(tr("&Which menu:"), this);
    kindLabel->setBuddy(kind_);
    auto* top = new QHBoxLayout;
    top->addWidget(kindLabel);
    top->addWidget(kind_);
    top->addWidget(where, 1);
    connect(kind_, &QComboBox::currentIndexChanged, this, [this, where](int index) {
        where->setText(tr(kKinds[index].where));
        table_->clearSelection();
        Refresh();
    });
    where->setText(tr(kKinds[0].where));

    table_->setObjectName("menuItems");
    SetUpRowTable(table_, {tr("Name"), tr("Function or /-command"), tr("Asks first"), tr("Owner module")});
    connect(table_, &QTableWidget::itemSelectionChanged, this, &MenusTab::RowChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildAdditions());
    layout->addWidget(table_, 1);
    layout->addWidget(BuildEditor());
    Refresh();
    Load({});
}

QWidget* MenusTab::BuildAdditions() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(tr("After its own items, also show those of the"), box));
    const char* labels[] = {"&background menu", "c&hannel menu", "user menu"};
    const char* names[] = {"addBackground", "addChannel", "addUser"};
    for (size_t i = 0; i < additions_.size(); ++i) {
        additions_[i] = new QCheckBox(tr(labels[i]), box);
        additions_[i]->setObjectName(names[i]);
        row->addWidget(additions_[i]);
        connect(additions_[i], &QCheckBox::toggled, this, &MenusTab::AdditionToggled);
    }
    row->addStretch();
    return box;
}

QWidget* MenusTab::BuildEditor() {
    auto* box = new QGroupBox(tr("Menu item"), this);
    name_ = new QLineEdit(box);
    name_->setObjectName("itemName");
    name_->setPlaceholderText(tr("The text the menu shows"));
    action_ = new QLineEdit(box);
    action_->setObjectName("itemAction");
    action_->setPlaceholderText(
        tr("A function name, or an IRC command line starting with / (%sC% channel, %sN% nick)"));
    confirm_ = new QCheckBox(tr("As&k before running it"), box);
    confirm_->setObjectName("itemConfirm");
    owner_ = new QComboBox(box);
    owner_->setObjectName("itemOwner");
    auto* form = new QFormLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), box);
    auto* actionLabel = new QLabel(tr("Ac&tion:"), box);
    auto* ownerLabel = new QLabel(tr("&Owner module:"), box);
    nameLabel->setBuddy(name_);
    actionLabel->setBuddy(action_);
    ownerLabel->setBuddy(owner_);
    form->addRow(nameLabel, name_);
    form->addRow(actionLabel, action_);
    form->addRow(ownerLabel, owner_);
    form->addRow(QString(), confirm_);

    auto* clear = new QPushButton(tr("&Clear"), box);
    auto* add = new QPushButton(tr("&Add"), box);
    auto* update = new QPushButton(tr("&Update"), box);
    auto* remove = new QPushButton(tr("R&emove"), box);
    auto* up = new QPushButton(tr("Move u&p"), box);
    auto* down = new QPushButton(tr("Move &down"), box);
    const char* names[] = {"clear", "add", "update", "remove", "up", "down"};
    QPushButton* buttons[] = {clear, add, update, remove, up, down};
    auto* column = new QVBoxLayout;
    for (size_t i = 0; i < std::size(buttons); ++i) {
        buttons[i]->setObjectName(names[i]);
        column->addWidget(buttons[i]);
    }
    column->addStretch();
    connect(clear, &QPushButton::clicked, this, [this] {
        table_->clearSelection();
        Load({});
    });
    connect(add, &QPushButton::clicked, this, &MenusTab::Add);
    connect(update, &QPushButton::clicked, this, &MenusTab::Update);
    connect(remove, &QPushButton::clicked, this, &MenusTab::Remove);
    connect(up, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { Move(1); });

    auto* layout = new QHBoxLayout(box);
    layout->addLayout(form, 1);
    layout->addLayout(column);
    return box;
}

MenuKind MenusTab::Kind() const {
    return static_cast<MenuKind>(kind_->currentData().toInt());
}

void MenusTab::ShowKind(MenuKind kind) {
    kind_->setCurrentIndex(kind_->findData(static_cast<int>(kind)));
}

void MenusTab::Refresh() {
    const MenuKind kind = Kind();
    const std::vector<MenuRow> rows = menus_.Rows(kind);
    const int chosen = table_->currentRow();
    {
        QSignalBlocker block(table_);
        table_->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < table_->rowCount(); ++row) {
            const MenuRow& r = rows[static_cast<size_t>(row)];
            table_->setItem(row, kName, new QTableWidgetItem(ToQString(r.name)));
            table_->setItem(row, kAction, new QTableWidgetItem(ToQString(r.action)));
            table_->setItem(row, kConfirm, new QTableWidgetItem(r.confirm ? tr("Yes") : tr("No")));
            table_->setItem(row, kOwner, new QTableWidgetItem(ToQString(r.owner)));
        }
        if (chosen >= 0 && chosen < table_->rowCount()) table_->selectRow(chosen);
    }
    const MenuAdditions& additions = menus_.Additions(kind);
    for (size_t i = 0; i < additions_.size(); ++i) {
        QSignalBlocker block(additions_[i]);
        additions_[i]->setChecked(additions.*kAdditionFields[i] != 0);
        additions_[i]->setVisible(kAdditionKinds[i] != kind);  // a menu always shows its own items
    }
    FillOwners(owner_->count() ? owner_->currentData().toInt() : (editor_.Module() ? editor_.Module()->Id() : 0));
}

void MenusTab::FillOwners(int32_t chosen) {
    QSignalBlocker block(owner_);
    owner_->clear();
    owner_->addItem(tr(menu_text::kNoOwner), 0);
    for (const InstalledModule& installed : editor_.Modules()) {
        owner_->addItem(ToQString(installed.module->Name()), installed.module->Id());
        if (installed.module->Id() == chosen) owner_->setCurrentIndex(owner_->count() - 1);
    }
}

MenuItem MenusTab::Edited() const {
    return {ToBytes(name_->text()), ToBytes(action_->text().trimmed()), confirm_->isChecked(),
            owner_->currentData().toInt()};
}

void MenusTab::Load(const MenuItem& item) {
    name_->setText(ToQString(item.name));
    action_->setText(ToQString(item.action));
    confirm_->setChecked(item.confirm);
    FillOwners(item.owner);
}

void MenusTab::RowChosen() {
    const int row = table_->currentRow();
    if (const MenuItem* item = menus_.At(Kind(), row < 0 ? SIZE_MAX : static_cast<size_t>(row))) Load(*item);
}

// A stored value other than 1 that means "show" stays as it is.
void MenusTab::AdditionToggled() {
    MenuAdditions additions = menus_.Additions(Kind());
    for (size_t i = 0; i < additions_.size(); ++i) {
        int32_t& value = additions.*kAdditionFields[i];
        if (additions_[i]->isChecked() != (value != 0)) value = additions_[i]->isChecked() ? 1 : 0;
    }
    menus_.SetAdditions(Kind(), additions);
}

bool MenusTab::Add() {
    if (!menus_.Add(Kind(), Edited())) return false;
    Refresh();
    table_->selectRow(table_->rowCount() - 1);
    return true;
}

bool MenusTab::Update() {
    const int row = table_->currentRow();
    if (row < 0 || !menus_.Update(Kind(), static_cast<size_t>(row), Edited())) return false;
    Refresh();
    return true;
}

void MenusTab::Remove() {
    const int row = table_->currentRow();
    if (row < 0 || !menus_.Remove(Kind(), static_cast<size_t>(row))) return;
    table_->clearSelection();
    Refresh();
}

void MenusTab::Move(int direction) {
    const int row = table_->currentRow();
    if (row < 0 || !menus_.Move(Kind(), static_cast<size_t>(row), direction)) return;
    QSignalBlocker block(table_);
    table_->selectRow(row + direction);
    Refresh();
}

}  // namespace parlevox
