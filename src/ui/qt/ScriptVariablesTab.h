#pragma once
// The Variables tab: the chosen function's locals and the chosen module's
// module-wide and global variables with their types, rights and values;
// adding one (its name's prefix gives its type), deleting one and stepping
// its rights (Read, ModW, AnyW).
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace parlevox {

class CScriptEditor;
class CScriptVariables;

class ScriptVariablesTab final : public QWidget {
    Q_OBJECT

public:
    ScriptVariablesTab(CScriptVariables& variables, CScriptEditor& editor, QWidget* parent = nullptr);

    void Refresh();
    QTableWidget& Table() const { return *table_; }

private:
    void Add();
    void Delete();
    void StepAccess();
    void SelectionChanged();

    CScriptVariables& variables_;
    CScriptEditor& editor_;
    QLabel* where_;
    QTableWidget* table_;
    QComboBox* scope_;
    QLineEdit* name_;
    QPushButton* delete_;
    QPushButton* access_;
};

}  // namespace parlevox
