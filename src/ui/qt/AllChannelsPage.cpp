#include "ui/qt/AllChannelsPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "irc/ConnectionState.h"
#include "settings/OptionsRecord.h"
#include "ui/qt/ChannelListModel.h"
#include "ui/qt/JoinWindowContext.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

namespace {

constexpr int kMostUsers = 999999;

QSpinBox* UserCount(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, kMostUsers);
    box->setValue(value);
    return box;
}

}  // namespace

AllChannelsPage::AllChannelsPage(const JoinWindowContext& context, ChannelAction join, ChannelAction addFavourite,
                                 QWidget* parent)
    : QWidget(parent), options_(context.options), connection_(context.connection), joinChannel_(std::move(join)),
      addFavourite_(std::move(addFavourite)) {
    if (context.loop && context.connection)
        query_ = std::make_unique<CChannelListQuery>(*context.loop, context.networkWindow, *context.connection);
    const ChannelListFilter defaults;
    minUsers_ = UserCount(this, "minUsers", defaults.minUsers);
    maxUsers_ = UserCount(this, "maxUsers", defaults.maxUsers);
    filter_ = new QLineEdit(this);
    filter_->setObjectName("filter");
    filter_->setPlaceholderText(tr(jointext::kTextFilterHint));
    filter_->setClearButtonEnabled(true);
    refresh_ = new QPushButton(tr(jointext::kRefresh), this);
    refresh_->setObjectName("refresh");
    count_ = new QLabel(this);
    count_->setObjectName("count");

    model_ = new ChannelListModel(this);
    table_ = new QTableView(this);
    table_->setObjectName("channelList");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->verticalHeader()->hide();
    // Fixed row heights: a view of 100,000 rows never measures them.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(ChannelListModel::kChannel, 180);
    table_->setColumnWidth(ChannelListModel::kUsers, 60);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ChannelListModel::kUsers, Qt::DescendingOrder);

    join_ = new QPushButton(tr(jointext::kJoin), this);
    join_->setObjectName("listJoin");
    favourite_ = new QPushButton(tr(jointext::kAddToFavourites), this);
    favourite_->setObjectName("listFavourite");

    auto* users = new QHBoxLayout;
    users->addWidget(minUsers_);
    auto* maxLabel = new QLabel(tr(jointext::kMaximumUsers), this);
    maxLabel->setBuddy(maxUsers_);
    users->addWidget(maxLabel);
    users->addWidget(maxUsers_);
    users->addStretch();
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(refresh_);
    // Rows of several fields: the labels name their first field for the
    // keyboard.
    auto* form = new QFormLayout;
    auto* minLabel = new QLabel(tr(jointext::kMinimumUsers), this);
    minLabel->setBuddy(minUsers_);
    form->addRow(minLabel, users);
    auto* filterLabel = new QLabel(tr(jointext::kTextFilter), this);
    filterLabel->setBuddy(filter_);
    form->addRow(filterLabel, filterRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    buttons->addWidget(favourite_);
    buttons->addWidget(join_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    take_ = new QTimer(this);
    take_->setInterval(kTakeEveryMs);
    connect(take_, &QTimer::timeout, this, &AllChannelsPage::TakeArrived);
    connect(refresh_, &QPushButton::clicked, this, &AllChannelsPage::Refresh);
    for (QWidget* field : {static_cast<QWidget*>(minUsers_), static_cast<QWidget*>(maxUsers_),
                           static_cast<QWidget*>(filter_)})
        field->installEventFilter(this);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AllChannelsPage::SelectionChanged);
    connect(table_, &QTableView::doubleClicked, this, [this] { join_->click(); });
    connect(join_, &QPushButton::clicked, this, [this] {
        if (std::string channel = SelectedChannel(); !channel.empty() && joinChannel_) joinChannel_(channel);
    });
    connect(favourite_, &QPushButton::clicked, this, [this] {
        if (std::string channel = SelectedChannel(); !channel.empty() && addFavourite_) addFavourite_(channel);
    });
    SelectionChanged();
}

AllChannelsPage::~AllChannelsPage() {
    Leave();
}

// Enter in a filter field lists again rather than joining the selected
// channel through the dialog's default button.
bool AllChannelsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (refresh_->isEnabled()) Refresh();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool AllChannelsPage::Listing() const {
    return query_ && query_->Running();
}

ChannelListFilter AllChannelsPage::Filter() const {
    ChannelListFilter filter;
    filter.minUsers = minUsers_->value();
    filter.maxUsers = maxUsers_->value();
    filter.text = ToBytes(filter_->text().trimmed());
    filter.skipXRated = options_.censorship.skipXRatedChannels;  // as the preferences say now
    return filter;
}

void AllChannelsPage::Refresh() {
    if (!query_ || !connection_->connected) return count_->setText(tr(jointext::kNotConnected));
    model_->Clear();
    refresh_->setEnabled(false);
    query_->Refresh(Filter());
    ShowCount(jointext::kListing);
    take_->start();
}

// Also ends the polling once the listing is over, with what came last; a
// lost connection ends it too (its 323 will never come).
void AllChannelsPage::TakeArrived() {
    if (!query_) return;
    if (query_->Running() && !connection_->connected) return Leave();
    model_->Append(query_->TakeArrived());
    if (query_->Running()) return ShowCount(jointext::kListing);
    take_->stop();
    refresh_->setEnabled(true);
    ShowCount(jointext::kListed);
}

void AllChannelsPage::Leave() {
    if (!query_ || !query_->Running()) return;
    query_->Leave();
    model_->Append(query_->TakeArrived());
    take_->stop();
    refresh_->setEnabled(true);
    ShowCount(jointext::kListCut);
}

void AllChannelsPage::ShowCount(const char* text) {
    count_->setText(tr(text).arg(model_->Count()));
}

std::string AllChannelsPage::SelectedChannel() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return {};
    return model_->At(rows.front().row()).name;
}

void AllChannelsPage::SelectionChanged() {
    const bool any = table_->selectionModel()->hasSelection();
    join_->setEnabled(any);
    favourite_->setEnabled(any);
}

}  // namespace parlevox
