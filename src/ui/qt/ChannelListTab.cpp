#include "ui/qt/ChannelListTab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/qt/QtText.h"

namespace parlevox {

ChannelListTab::ChannelListTab(ChannelListTabPage page, const QStringList& columns, QWidget* parent)
    : QWidget(parent),
      page_(std::move(page)),
      state_(new QLabel(this)),
      busy_(new QProgressBar(this)),
      list_(new QTreeWidget(this)),
      add_(new QPushButton(tr("&Add..."), this)),
      delete_(new QPushButton(tr("&Delete"), this)),
      refresh_(new QPushButton(tr("&Refresh"), this)) {
    auto* layout = new QVBoxLayout(this);
    auto* stateRow = new QHBoxLayout;
    busy_->setRange(0, 0);  // busy, no percentage: the services say nothing of how much is left
    busy_->setMaximumWidth(80);
    busy_->setMaximumHeight(12);
    busy_->setTextVisible(false);
    stateRow->addWidget(busy_);
    stateRow->addWidget(state_, 1);
    layout->addLayout(stateRow);
    list_->setColumnCount(static_cast<int>(columns.size()));
    list_->setHeaderLabels(columns);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    list_->header()->resizeSection(0, 200);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    if (page_.canClear) {
        clear_ = new QPushButton(tr("C&lear all"), this);
        buttons->addWidget(clear_);
        connect(clear_, &QPushButton::clicked, this, [this] { page_.clear(); });
    }
    buttons->addStretch();
    buttons->addWidget(refresh_);
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, [this] { page_.add(); });
    connect(delete_, &QPushButton::clicked, this, [this] { page_.remove(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { Activate(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        if (refreshing_) return;
        page_.select(list_->indexOfTopLevelItem(list_->currentItem()));
        Refresh();
    });
    Refresh();
}

void ChannelListTab::Activate() {
    page_.activate();
    Refresh();
}

void ChannelListTab::Refresh() {
    refreshing_ = true;
    const std::string line = page_.stateLine();
    state_->setText(ToQString(line));
    busy_->setVisible(!line.empty());
    const std::vector<std::string>& entries = page_.entries();
    if (entries != shown_) {
        list_->clear();
        for (const std::string& entry : entries) {
            const size_t tab = entry.find('\t');
            QStringList cells {ToQString(entry.substr(0, tab))};
            if (tab != std::string::npos) cells << ToQString(entry.substr(tab + 1));
            list_->addTopLevelItem(new QTreeWidgetItem(cells));
        }
        shown_ = entries;
    }
    const int selected = page_.selected();
    list_->setCurrentItem(selected >= 0 ? list_->topLevelItem(selected) : nullptr);
    add_->setEnabled(page_.canAdd());
    delete_->setEnabled(page_.canDelete());
    if (clear_) clear_->setEnabled(page_.canClear());
    refreshing_ = false;
}

}  // namespace parlevox
