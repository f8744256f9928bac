#pragma once
// The idiot list: each entry's masks, reason, hold and last sighting, and
// its history below the table. Entries are added, removed and changed only
// through the list's own operations, so the silences sent to the server are
// taken back and the list is saved.
#include "ui/qt/PreferencesPage.h"

class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace parlevox {

class IdiotsPage final : public PreferencesPage {
    Q_OBJECT

public:
    enum Column { kMaskColumn, kReasonColumn, kHeldColumn, kLastSeenColumn };

    explicit IdiotsPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    QWidget* MakeAddRow();
    void FillRow(int row);
    void ItemEdited(QTableWidgetItem* item);
    void ShowHistory();
    void AddEntry();
    void RemoveEntry();

    QTableWidget* table_;
    QPlainTextEdit* history_;
    QPushButton* remove_;
    QLineEdit* mask_;
    QLineEdit* reason_;
};

}  // namespace parlevox
