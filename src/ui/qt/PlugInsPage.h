#pragma once
// The "Plug-ins" page: the installed script-command plug-ins with their
// icons, each as "Name / text2 (text3)", with Install... and Uninstall.
#include "ui/qt/PreferencesPage.h"

class QListWidget;
class QPushButton;

namespace parlevox {

class PlugInsPage final : public PreferencesPage {
    Q_OBJECT

public:
    // The context's scPlugIns must be set.
    explicit PlugInsPage(PreferencesContext& context, QWidget* parent = nullptr);
    void Load() override;

    QListWidget& List() const { return *list_; }

private:
    void Fill(int row);

    QListWidget* list_;
    QPushButton* uninstall_;
};

}  // namespace parlevox
