#pragma once
// The Scripting window: the tabs Modules, Functions, Variables, Reactions,
// Menus and Aliases over the installed modules, the session's reactions and
// the user menus. It is a window of its own beside the main window; Escape
// or Close hides it, after asking about a function whose newest source is
// not compiled and about an alias whose changes were not Set.
#include <QDialog>

#include "ui/AliasEditor.h"
#include "ui/MenuEditor.h"
#include "ui/ReactionEditor.h"
#include "ui/ScriptEditor.h"
#include "ui/ScriptVariables.h"

class QTabWidget;

namespace parlevox {

class AliasesTab;
class MenusTab;
class ReactionsTab;
class ScriptFunctionsTab;
class ScriptModulesTab;
class ScriptVariablesTab;

// What the window works on; every reference must outlive it.
struct ScriptingContext {
    CModuleManager& modules;
    CScriptCalls& calls;
    CReactionList& reactions;
    CUserMenus& menus;
    UserInterface& ui;
};

class ScriptingWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Tab { Modules, Functions, Variables, Reactions, Menus, Aliases };

    explicit ScriptingWindow(const ScriptingContext& context, QWidget* parent = nullptr);
    ~ScriptingWindow() override;

    void ShowTab(Tab tab);
    Tab CurrentTab() const;
    // Refills every tab from the modules and reactions.
    void Refresh();

    CScriptEditor& Editor() { return editor_; }
    ScriptModulesTab& ModulesTab() const { return *modulesTab_; }
    ScriptFunctionsTab& FunctionsTab() const { return *functionsTab_; }
    ScriptVariablesTab& VariablesTab() const { return *variablesTab_; }
    ReactionsTab& ReactionsPage() const { return *reactionsTab_; }
    MenusTab& MenusPage() const { return *menusTab_; }
    AliasesTab& AliasesPage() const { return *aliasesTab_; }

public slots:
    // Escape, Close and the title bar's close box.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowFunction(int moduleId, const QString& name);

    CScriptEditor editor_;
    CScriptVariables variables_;
    CReactionEditor reactions_;
    CMenuEditor menus_;
    CAliasEditor aliases_;
    QTabWidget* tabs_;
    ScriptModulesTab* modulesTab_;
    ScriptFunctionsTab* functionsTab_;
    ScriptVariablesTab* variablesTab_;
    ReactionsTab* reactionsTab_;
    MenusTab* menusTab_;
    AliasesTab* aliasesTab_;
};

}  // namespace parlevox
