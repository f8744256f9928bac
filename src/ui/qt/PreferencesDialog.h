#pragma once
// The preferences: a list of pages on the left, the chosen page on the
// right, and a Close button. There is no OK or Cancel: every edit goes into
// the settings as it is made (see PreferencesContext).
#include <QDialog>
#include <vector>

#include "ui/qt/PreferencesContext.h"

class QListWidget;
class QStackedWidget;

namespace parlevox {

class PreferencesPage;

class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    // In the order of the list; Dcc and PlugIns only with the context's DCC
    // options and plug-ins.
    enum class Page { Nicknames, Servers, YourInfo, Colours, Schemes, Misc, Sounds, Idiots, Friends, Dcc, PlugIns };

    // The context's references must outlive the dialog.
    explicit PreferencesDialog(PreferencesContext context, QWidget* parent = nullptr);
    ~PreferencesDialog() override;

    void ShowPage(Page page);
    Page CurrentPage() const;
    PreferencesPage& PageWidget(Page page) const;

protected:
    // Settings may have changed elsewhere (a command, the ignore list)
    // while the dialog was closed.
    void showEvent(QShowEvent* event) override;

private:
    void LoadPages();

    PreferencesContext context_;
    QListWidget* list_;
    QStackedWidget* stack_;
    std::vector<PreferencesPage*> pages_;
    std::vector<Page> ids_;  // of pages_, in the same order
};

}  // namespace parlevox
