#pragma once
// The "All channels" table: channel, users, topic. Rows arrive in batches
// while a listing runs; a sorted table merges each batch in (a network's
// hundred thousand channels are never sorted again as a whole), and a
// selection stays on its channel as rows come in.
#include <QAbstractTableModel>
#include <vector>

#include "ui/ChannelListQuery.h"

namespace parlevox {

class ChannelListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kChannel, kUsers, kTopic, kColumns };

    explicit ChannelListModel(QObject* parent = nullptr);

    void Clear();
    void Append(std::vector<ListedChannel> channels);
    // The channel shown in the row; valid rows only.
    const ListedChannel& At(int row) const;
    int Count() const { return static_cast<int>(order_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // By the sort column, then in the order of arrival: a strict order, so
    // a channel's row can be found by search.
    bool Before(int a, int b) const;
    void MergeFrom(int firstNew);

    std::vector<ListedChannel> channels_;  // as they arrived, topics made displayable
    std::vector<int> order_;               // the rows: indexes into channels_
    int sortColumn_ = -1;                  // none: the order of arrival
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace parlevox
