#pragma once
// The friends: a mask and a level each. A friend of level 1 or more is never
// ignored nor taken for a flooder.
#include "ui/qt/PreferencesPage.h"

class QPushButton;
class QSpinBox;
class QTableWidget;

namespace parlevox {

class FriendsPage final : public PreferencesPage {
    Q_OBJECT

public:
    explicit FriendsPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

private:
    QWidget* MakeAddRow();
    void AddFriend();
    void RemoveFriend();

    QTableWidget* table_;
    QLineEdit* nickname_;
    QLineEdit* mask_;
    QSpinBox* level_;
    QPushButton* remove_;
};

}  // namespace parlevox
