#include "ui/qt/FavouritesPage.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/UserInterface.h"
#include "settings/OptionsRecord.h"
#include "ui/FavouriteChannels.h"
#include "ui/qt/JoinWindowContext.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/PreferencesTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

namespace {

enum Column { kChannel, kTopic, kAutoJoin };

}  // namespace

FavouritesPage::FavouritesPage(JoinWindowContext& context, ChannelAction join, QWidget* parent)
    : QWidget(parent), context_(context), joinChannel_(std::move(join)) {
    list_ = new QTreeWidget(this);
    list_->setObjectName("favourites");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({tr(jointext::kChannelColumn), tr(jointext::kTopicColumn), tr(jointext::kAutoJoinColumn)});
    // The switch column at the end, sized to its heading.
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(kTopic, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(kAutoJoin, QHeaderView::ResizeToContents);
    list_->setColumnWidth(kChannel, 160);
    add_ = new QPushButton(tr(jointext::kAdd), this);
    add_->setObjectName("favouriteAdd");
    remove_ = new QPushButton(tr(jointext::kRemove), this);
    remove_->setObjectName("favouriteRemove");
    join_ = new QPushButton(tr(jointext::kJoin), this);
    join_->setObjectName("favouriteJoin");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(join_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(add_, &QPushButton::clicked, this, &FavouritesPage::Add);
    connect(remove_, &QPushButton::clicked, this, &FavouritesPage::Remove);
    auto* removeKey = new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, &FavouritesPage::Remove);
    connect(join_, &QPushButton::clicked, this, [this] {
        const int row = SelectedRow();
        if (row >= 0 && joinChannel_) joinChannel_(context_.options.favourites[row].channel);
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int column) {
        if (column != kAutoJoin) join_->click();
    });
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (!loading_ && column == kAutoJoin)
            AutoJoinToggled(list_->indexOfTopLevelItem(item), item->checkState(kAutoJoin) == Qt::Checked);
    });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &FavouritesPage::SelectionChanged);
    Reload();
}

void FavouritesPage::Reload() {
    loading_ = true;
    const int selected = SelectedRow();
    list_->clear();
    for (const FavouriteChannel& favourite : context_.options.favourites) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kChannel, ToQString(favourite.channel));
        item->setText(kTopic, ToQString(favourite.topic));
        item->setToolTip(kTopic, item->text(kTopic));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kAutoJoin, favourite.autoJoin ? Qt::Checked : Qt::Unchecked);
    }
    if (selected >= 0 && selected < list_->topLevelItemCount()) list_->setCurrentItem(list_->topLevelItem(selected));
    loading_ = false;
    SelectionChanged();
}

void FavouritesPage::Add() {
    std::optional<std::string> typed =
        context_.ui.PromptText(favourites_text::kAddPrompt, favourites_text::kAddTitle, "");
    if (!typed) return;
    const std::string channel = ToBytes(ToQString(*typed).trimmed());
    if (channel.empty()) return;
    if (!FavouriteChannels::Acceptable(channel)) {
        context_.ui.ShowMessageBox({favourites_text::kAddTitle, texts::kBadChannel, MessageIcon::Exclamation});
        return;
    }
    if (FavouriteChannels::Add(context_.options.favourites, channel) && context_.optionsChanged)
        context_.optionsChanged();
    Reload();
    const int row = FavouriteChannels::Find(context_.options.favourites, channel);
    if (row >= 0) list_->setCurrentItem(list_->topLevelItem(row));
}

void FavouritesPage::Remove() {
    const int row = SelectedRow();
    if (row < 0) return;
    context_.options.favourites.erase(context_.options.favourites.begin() + row);
    if (context_.optionsChanged) context_.optionsChanged();
    Reload();
    const int next = std::min(row, list_->topLevelItemCount() - 1);
    if (next >= 0) list_->setCurrentItem(list_->topLevelItem(next));
}

void FavouritesPage::AutoJoinToggled(int row, bool on) {
    if (row < 0 || row >= static_cast<int>(context_.options.favourites.size())) return;
    context_.options.favourites[row].autoJoin = on;
    if (context_.optionsChanged) context_.optionsChanged();
}

int FavouritesPage::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

void FavouritesPage::SelectionChanged() {
    const bool any = SelectedRow() >= 0;
    remove_->setEnabled(any);
    join_->setEnabled(any);
}

}  // namespace parlevox
