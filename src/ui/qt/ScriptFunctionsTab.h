#pragma once
// The Functions tab: the chosen module's functions on the left, making,
// renaming and deleting them, and the chosen one's source on the right
// with a Compile button (Ctrl+Enter). A compilation error puts the cursor
// where the compiler stopped.
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace parlevox {

class CScriptEditor;
class ScriptSourceEdit;

class ScriptFunctionsTab final : public QWidget {
    Q_OBJECT

public:
    explicit ScriptFunctionsTab(CScriptEditor& editor, QWidget* parent = nullptr);

    void Refresh();
    // Compiles the shown function; true when it compiled.
    bool Compile();

    ScriptSourceEdit& Source() const { return *source_; }
    QListWidget& List() const { return *list_; }
    QComboBox& Modules() const { return *modules_; }
    QPushButton& CompileButton() const { return *compile_; }

signals:
    // The chosen module or function changed, or a function came or went.
    void changed();

private:
    void ModuleChosen(int index);
    void FunctionChosen(int row);
    void ShowFunction();
    void ShowState();
    void SourceEdited();
    void New();
    void Rename();
    void Delete();

    CScriptEditor& editor_;
    QComboBox* modules_;
    QListWidget* list_;
    ScriptSourceEdit* source_;
    QLabel* state_;
    QPushButton* compile_;
    QPushButton* rename_;
    QPushButton* delete_;
};

}  // namespace parlevox
