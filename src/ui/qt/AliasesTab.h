#pragma once
// The Aliases tab: a module's aliases in a list, and the chosen one's name
// and command lines beside it; New, Set (make or replace the alias from
// the fields), Rename (the chosen alias to the name in the field) and
// Delete. Leaving an alias, the module or the window with changes that
// were not Set asks first.
#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace parlevox {

class CAliasEditor;
class ScriptSourceEdit;

class AliasesTab final : public QWidget {
    Q_OBJECT

public:
    explicit AliasesTab(CAliasEditor& aliases, QWidget* parent = nullptr);

    void Refresh();
    QListWidget& List() const { return *list_; }
    QLineEdit& Name() const { return *name_; }
    ScriptSourceEdit& Lines() const { return *lines_; }
    bool Set();

signals:
    // An alias was made, renamed or deleted: the functions changed.
    void changed();

private:
    void ModuleChosen(int index);
    void AliasChosen(int row);
    void ShowAlias();
    void New();
    void Rename();
    void Delete();

    CAliasEditor& aliases_;
    QComboBox* modules_;
    QListWidget* list_;
    QLineEdit* name_;
    ScriptSourceEdit* lines_;
    QPushButton* rename_;
    QPushButton* delete_;
};

}  // namespace parlevox
