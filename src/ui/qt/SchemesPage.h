#pragma once
// The "Schemes" page: the installed schemes by name, later ones preferred,
// with Install, Remove, Up, Down, New, Clone and Edit. While a scheme
// editor window is open the page is greyed out.
#include <QTimer>

#include "ui/qt/PreferencesPage.h"

class QListWidget;
class QPushButton;

namespace parlevox {

class SchemesPage final : public PreferencesPage {
    Q_OBJECT

public:
    // How often a greyed page looks whether the editor has closed.
    static constexpr int kEditingPollMs = 300;

    explicit SchemesPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

    QListWidget& List() const { return *list_; }
    // Greys the page or brings it back after the editor closed.
    void ShowEditing();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* MakeButtons();
    // The manager entry of the chosen row; -1 when none.
    int Entry() const;
    void Fill(int entry);
    void Done(int entry);
    void EnableButtons();

    QWidget* controls_;
    QListWidget* list_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* clone_;
    QPushButton* edit_;
    QTimer poll_;
    bool greyed_ = false;
};

}  // namespace parlevox
