#pragma once
// The Modules tab: the installed modules with their icons, who made them
// and where their files are; installing, removing and making modules.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace parlevox {

class CScriptEditor;

class ScriptModulesTab final : public QWidget {
    Q_OBJECT

public:
    explicit ScriptModulesTab(CScriptEditor& editor, QWidget* parent = nullptr);

    void Refresh();
    QListWidget& List() const { return *list_; }

signals:
    // A module came, went or was chosen.
    void changed();
    // Double-click or Enter on a module: its functions.
    void editRequested();

private:
    void Chosen(int row);
    void ShowDetails();
    void Install();
    void Remove();
    void New();

    CScriptEditor& editor_;
    QListWidget* list_;
    QLabel* details_;
    QPushButton* remove_;
};

}  // namespace parlevox
