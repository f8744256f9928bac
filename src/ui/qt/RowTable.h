#pragma once
// A read-only table of one thing per row, as the script windows list
// variables and reactions: whole rows selected one at a time, columns as
// wide as their contents, the last one taking the rest.
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

namespace parlevox {

inline void SetUpRowTable(QTableWidget* table, const QStringList& labels) {
    table->setColumnCount(static_cast<int>(labels.size()));
    table->setHorizontalHeaderLabels(labels);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

}  // namespace parlevox
