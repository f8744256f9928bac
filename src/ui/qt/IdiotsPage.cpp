#include "ui/qt/IdiotsPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

#include "common/Masks.h"
#include "irc/Idiots.h"
#include "platform/Clock.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

QString MasksOf(const IgnoreEntry& entry) {
    QStringList masks;
    for (const AddressRecord& mask : entry.masks) masks << ToQString(mask.Text());
    return masks.join(", ");
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

IdiotsPage::IdiotsPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    table_ = new QTableWidget(0, static_cast<int>(texts::kIdiotColumns.size()), this);
    table_->setObjectName("idiots");
    QStringList headers;
    for (const char* header : texts::kIdiotColumns) headers << tr(header);
    table_->setHorizontalHeaderLabels(headers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(kMaskColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kReasonColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kHeldColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(kLastSeenColumn, QHeaderView::ResizeToContents);
    table_->verticalHeader()->hide();
    auto* tableLabel = new QLabel(tr("&Idiots (double-click a reason to change it):"), this);
    tableLabel->setBuddy(table_);
    AddContent(tableLabel);
    AddContent(table_);

    history_ = new QPlainTextEdit(this);
    history_->setObjectName("history");
    history_->setReadOnly(true);
    auto* historyLabel = new QLabel(tr("Hi&story:"), this);
    historyLabel->setBuddy(history_);
    AddContent(historyLabel);
    AddContent(history_);

    AddContent(MakeAddRow());
    connect(table_, &QTableWidget::itemChanged, this, &IdiotsPage::ItemEdited);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &IdiotsPage::ShowHistory);
}

QWidget* IdiotsPage::MakeAddRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    mask_ = new QLineEdit(box);
    mask_->setObjectName("newMask");
    mask_->setPlaceholderText("nick!user@host");
    reason_ = new QLineEdit(box);
    reason_->setObjectName("newReason");
    auto* maskLabel = new QLabel(tr("&Mask:"), box);
    maskLabel->setBuddy(mask_);
    auto* reasonLabel = new QLabel(tr("&Reason:"), box);
    reasonLabel->setBuddy(reason_);
    auto* add = new QPushButton(tr("&Add"), box);
    add->setObjectName("add");
    remove_ = new QPushButton(tr("R&emove"), box);
    remove_->setObjectName("remove");
    row->addWidget(maskLabel);
    row->addWidget(mask_, 2);
    row->addWidget(reasonLabel);
    row->addWidget(reason_, 2);
    row->addWidget(add);
    row->addWidget(remove_);
    connect(add, &QPushButton::clicked, this, &IdiotsPage::AddEntry);
    connect(mask_, &QLineEdit::returnPressed, this, &IdiotsPage::AddEntry);
    connect(reason_, &QLineEdit::returnPressed, this, &IdiotsPage::AddEntry);
    connect(remove_, &QPushButton::clicked, this, &IdiotsPage::RemoveEntry);
    return box;
}

void IdiotsPage::Load() {
    const int selected = std::max(table_->currentRow(), 0);
    {
        QSignalBlocker block(table_);
        table_->setRowCount(static_cast<int>(Context().idiots.Entries().size()));
        for (int row = 0; row < table_->rowCount(); ++row) FillRow(row);
    }
    if (selected >= 0 && selected < table_->rowCount()) table_->selectRow(selected);
    ShowHistory();
}

void IdiotsPage::FillRow(int row) {
    const IgnoreEntry& entry = Context().idiots.Entries()[static_cast<size_t>(row)];
    table_->setItem(row, kMaskColumn, ReadOnlyItem(MasksOf(entry)));
    table_->setItem(row, kReasonColumn, new QTableWidgetItem(ToQString(entry.reason)));
    QTableWidgetItem* held = ReadOnlyItem({});
    held->setFlags(held->flags() | Qt::ItemIsUserCheckable);
    held->setCheckState(entry.hold != 0 ? Qt::Checked : Qt::Unchecked);
    held->setToolTip(tr("A held entry is kept; others go after ten days without a sighting."));
    table_->setItem(row, kHeldColumn, held);
    table_->setItem(row, kLastSeenColumn, ReadOnlyItem(ToQString(Clock::FormatLocal("%Y-%m-%d %H:%M", entry.date))));
}

// The reason and the hold are what the user may change of an entry.
void IdiotsPage::ItemEdited(QTableWidgetItem* item) {
    const size_t index = static_cast<size_t>(item->row());
    if (index >= Context().idiots.Entries().size()) return;
    IgnoreEntry entry = Context().idiots.Entries()[index];
    if (item->column() == kReasonColumn) entry.reason = ToBytes(item->text());
    else if (item->column() == kHeldColumn) entry.hold = item->checkState() == Qt::Checked ? 1 : 0;
    else return;
    if (entry == Context().idiots.Entries()[index]) return;
    Context().idiots.Replace(index, std::move(entry));
}

void IdiotsPage::ShowHistory() {
    const int row = table_->currentRow();
    const auto& entries = Context().idiots.Entries();
    const bool chosen = row >= 0 && static_cast<size_t>(row) < entries.size();
    QString history = chosen ? ToQString(entries[static_cast<size_t>(row)].history) : QString();
    history_->setPlainText(history.replace("\r\n", "\n"));
    remove_->setEnabled(chosen);
}

void IdiotsPage::AddEntry() {
    const QString mask = mask_->text().trimmed();
    const std::string bytes = ToBytes(mask);
    if (!IsCompleteMask(bytes)) {
        ShowProblem(QString(texts::kBadMask).arg(mask));
        mask_->setFocus();
        return;
    }
    ClearProblem();
    Context().idiots.Add(AddressRecord::FromSender(bytes), ToBytes(reason_->text().trimmed()), true, Clock::Now());
    mask_->clear();
    reason_->clear();
    Load();
    table_->selectRow(table_->rowCount() - 1);
}

void IdiotsPage::RemoveEntry() {
    const int row = table_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= Context().idiots.Entries().size()) return;
    ClearProblem();
    Context().idiots.Remove(static_cast<size_t>(row));
    Load();
}

}  // namespace parlevox
