#include "ui/qt/CategoriesPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "settings/MajorChannels.h"
#include "ui/qt/ArtImage.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

namespace {

constexpr int kChannelRole = Qt::UserRole;  // the channel's name; none on a category

void ClearDisplayBytes(QString& text) {
    for (QChar& c : text)
        if (c.unicode() < 32) c = QChar(' ');
}

QString Shown(const std::string& bytes) {
    QString text = ToQString(bytes);
    ClearDisplayBytes(text);
    return text;
}

}  // namespace

CategoriesPage::CategoriesPage(const MajorChannels* categories, ChannelAction join, ChannelAction addFavourite,
                               QWidget* parent)
    : QWidget(parent), joinChannel_(std::move(join)), addFavourite_(std::move(addFavourite)) {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("categories");
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({tr(jointext::kNameColumn), tr(jointext::kDescriptionColumn)});
    tree_->setIconSize(QSize(kIconSize, kIconSize));
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    tree_->header()->setStretchLastSection(true);
    join_ = new QPushButton(tr(jointext::kJoin), this);
    join_->setObjectName("categoryJoin");
    favourite_ = new QPushButton(tr(jointext::kAddToFavourites), this);
    favourite_->setObjectName("categoryFavourite");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(favourite_);
    buttons->addWidget(join_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    if (!categories || categories->Root().name.empty()) {
        auto* none = new QLabel(tr(jointext::kNoCategories), this);
        none->setObjectName("noCategories");
        layout->addWidget(none);
    }
    layout->addLayout(buttons);

    if (categories) Fill(*categories);
    tree_->resizeColumnToContents(0);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CategoriesPage::SelectionChanged);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kChannelRole).isNull()) join_->click();
    });
    connect(join_, &QPushButton::clicked, this, [this] {
        if (std::string channel = SelectedChannel(); !channel.empty() && joinChannel_) joinChannel_(channel);
    });
    connect(favourite_, &QPushButton::clicked, this, [this] {
        if (std::string channel = SelectedChannel(); !channel.empty() && addFavourite_) addFavourite_(channel);
    });
    SelectionChanged();
}

// The root ("MAIN") is the file's frame, not a category to browse: its
// children are the tree's first level.
void CategoriesPage::Fill(const MajorChannels& categories) {
    AddChildren(nullptr, categories.Root(), categories);
    if (entries_ <= kExpandAllUpTo) {
        tree_->expandAll();
        return;
    }
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) tree_->topLevelItem(i)->setExpanded(true);
}

void CategoriesPage::AddChildren(QTreeWidgetItem* parent, const ChannelCategory& category,
                                 const MajorChannels& categories) {
    for (const ChannelCategory& child : category.children) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        ++entries_;
        item->setText(0, Shown(child.name));
        item->setIcon(0, IconFor(child.iconName, categories));
        if (child.IsChannel()) {
            item->setText(1, Shown(child.description));
            item->setToolTip(1, item->text(1));
            item->setData(0, kChannelRole, ToQString(child.name));
        } else {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
            AddChildren(item, child, categories);
        }
    }
}

QIcon CategoriesPage::IconFor(const std::string& name, const MajorChannels& categories) {
    const QString key = ToQString(name);
    if (auto found = icons_.constFind(key); found != icons_.constEnd()) return *found;
    QIcon icon;
    if (const CRawBitmap* bitmap = categories.Icon(name))
        icon = QIcon(QPixmap::fromImage(ToQImage(*bitmap)));
    icons_.insert(key, icon);
    return icon;
}

std::string CategoriesPage::SelectedChannel() const {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return {};
    return ToBytes(selected.front()->data(0, kChannelRole).toString());
}

void CategoriesPage::SelectionChanged() {
    const bool channel = !SelectedChannel().empty();
    join_->setEnabled(channel);
    favourite_->setEnabled(channel);
}

}  // namespace parlevox
