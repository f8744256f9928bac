#include "ui/qt/FriendsPage.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "common/Masks.h"
#include "irc/AddressRecord.h"
#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

FriendsPage::FriendsPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    table_ = new QTableWidget(0, static_cast<int>(texts::kFriendColumns.size()), this);
    table_->setObjectName("friends");
    QStringList headers;
    for (const char* header : texts::kFriendColumns) headers << tr(header);
    table_->setHorizontalHeaderLabels(headers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    auto* label = new QLabel(tr("&Friends (level 1 or more: never ignored):"), this);
    label->setBuddy(table_);
    AddContent(label);
    AddContent(table_);
    AddContent(MakeAddRow());
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { remove_->setEnabled(table_->currentRow() >= 0); });
}

QWidget* FriendsPage::MakeAddRow() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    nickname_ = new QLineEdit(box);
    nickname_->setObjectName("newNickname");
    mask_ = new QLineEdit(box);
    mask_->setObjectName("newMask");
    mask_->setPlaceholderText("nick!user@host");
    level_ = new QSpinBox(box);
    level_->setObjectName("newLevel");
    level_->setRange(0, 999);
    level_->setValue(1);
    const std::pair<const char*, QWidget*> fields[] = {
        {"&Nickname:", nickname_}, {"&Mask:", mask_}, {"&Level:", level_}};
    int column = 0;
    for (const auto& [text, field] : fields) {
        auto* fieldLabel = new QLabel(tr(text), box);
        fieldLabel->setBuddy(field);
        grid->addWidget(fieldLabel, 0, column);
        grid->addWidget(field, 1, column++);
    }
    auto* add = new QPushButton(tr("&Add"), box);
    add->setObjectName("add");
    remove_ = new QPushButton(tr("R&emove"), box);
    remove_->setObjectName("remove");
    grid->addWidget(add, 1, column++);
    grid->addWidget(remove_, 1, column);
    grid->setColumnStretch(1, 1);
    connect(add, &QPushButton::clicked, this, &FriendsPage::AddFriend);
    connect(mask_, &QLineEdit::returnPressed, this, &FriendsPage::AddFriend);
    connect(remove_, &QPushButton::clicked, this, &FriendsPage::RemoveFriend);
    return box;
}

void FriendsPage::Load() {
    const auto& friends = Context().options.friends;
    table_->setRowCount(static_cast<int>(friends.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const FriendEntry& entry = friends[static_cast<size_t>(row)];
        table_->setItem(row, 0, ReadOnlyItem(ToQString(entry.nickname)));
        table_->setItem(row, 1, ReadOnlyItem(ToQString(entry.mask)));
        table_->setItem(row, 2, ReadOnlyItem(QString::number(entry.level)));
    }
    remove_->setEnabled(table_->currentRow() >= 0);
}

void FriendsPage::AddFriend() {
    const QString mask = mask_->text().trimmed();
    FriendEntry entry {.nickname = ToBytes(nickname_->text().trimmed()), .mask = ToBytes(mask), .level = level_->value()};
    if (!IsCompleteMask(entry.mask)) {
        ShowProblem(QString(texts::kBadMask).arg(mask));
        mask_->setFocus();
        return;
    }
    ClearProblem();
    // Without a nickname of its own the friend goes by the mask's.
    if (entry.nickname.empty()) entry.nickname = AddressRecord::FromSender(entry.mask).nick;
    Context().options.friends.push_back(std::move(entry));
    OptionsChanged();
    nickname_->clear();
    mask_->clear();
    Load();
}

void FriendsPage::RemoveFriend() {
    auto& friends = Context().options.friends;
    const int row = table_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= friends.size()) return;
    friends.erase(friends.begin() + row);
    OptionsChanged();
    Load();
}

}  // namespace parlevox
