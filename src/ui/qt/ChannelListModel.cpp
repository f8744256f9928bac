#include "ui/qt/ChannelListModel.h"

#include <algorithm>
#include <cctype>

#include "common/ControlBytes.h"
#include "ui/qt/JoinWindowTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

namespace {

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

ChannelListModel::ChannelListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChannelListModel::Clear() {
    beginResetModel();
    channels_.clear();
    order_.clear();
    endResetModel();
}

void ChannelListModel::Append(std::vector<ListedChannel> channels) {
    if (channels.empty()) return;
    const int first = Count();
    beginInsertRows({}, first, first + static_cast<int>(channels.size()) - 1);
    for (ListedChannel& channel : channels) {
        channel.topic = StripControlCodes(channel.topic);
        order_.push_back(static_cast<int>(channels_.size()));
        channels_.push_back(std::move(channel));
    }
    endInsertRows();
    if (sortColumn_ >= 0) MergeFrom(first);
}

const ListedChannel& ChannelListModel::At(int row) const {
    return channels_[order_[row]];
}

bool ChannelListModel::Before(int a, int b) const {
    const ListedChannel& x = channels_[a];
    const ListedChannel& y = channels_[b];
    int compared = 0;
    if (sortColumn_ == kUsers) compared = x.users < y.users ? -1 : (x.users > y.users ? 1 : 0);
    else if (sortColumn_ == kTopic) compared = CompareIgnoringCase(x.topic, y.topic);
    else compared = CompareIgnoringCase(x.name, y.name);
    if (sortOrder_ == Qt::DescendingOrder) compared = -compared;
    return compared != 0 ? compared < 0 : a < b;
}

// The rows from firstNew on are sorted and merged into the sorted ones
// before them; the view's persistent rows (selection, current row) follow
// their channels.
void ChannelListModel::MergeFrom(int firstNew) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<int> held;
    held.reserve(persistent.size());
    for (const QModelIndex& index : persistent) held.push_back(order_[index.row()]);

    auto before = [this](int a, int b) { return Before(a, b); };
    std::sort(order_.begin() + firstNew, order_.end(), before);
    std::inplace_merge(order_.begin(), order_.begin() + firstNew, order_.end(), before);

    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (qsizetype i = 0; i < persistent.size(); ++i) {
        const auto row = std::lower_bound(order_.begin(), order_.end(), held[i], before) - order_.begin();
        moved.push_back(index(static_cast<int>(row), persistent[i].column()));
    }
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ChannelListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumns) return;
    sortColumn_ = column;
    sortOrder_ = order;
    MergeFrom(0);
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    const ListedChannel& channel = At(index.row());
    if (role == Qt::ToolTipRole && index.column() == kTopic && !channel.topic.empty()) return ToQString(channel.topic);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case kChannel: return ToQString(channel.name);
            case kUsers: return channel.users;
            case kTopic: return ToQString(channel.topic);
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == kUsers)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kHeadings[] = {jointext::kChannelColumn, jointext::kUsersColumn, jointext::kTopicColumn};
    return section >= 0 && section < kColumns ? tr(kHeadings[section]) : QVariant();
}

}  // namespace parlevox
