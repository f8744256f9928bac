#include "ui/qt/ScriptingWindow.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt/AliasesTab.h"
#include "ui/qt/MenusTab.h"
#include "ui/qt/QtText.h"
#include "ui/qt/ReactionsTab.h"
#include "ui/qt/ScriptFunctionsTab.h"
#include "ui/qt/ScriptModulesTab.h"
#include "ui/qt/ScriptVariablesTab.h"

namespace parlevox {

ScriptingWindow::ScriptingWindow(const ScriptingContext& context, QWidget* parent)
    : QDialog(parent),
      editor_(context.modules, context.calls, context.ui),
      variables_(editor_),
      reactions_(context.reactions, context.modules, context.ui),
      menus_(context.menus, context.modules, context.ui),
      aliases_(context.modules, context.calls, context.ui),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(tr("Scripting"));
    setObjectName("scripting");
    // A window of its own, not a box: it can be minimised and maximised.
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    modulesTab_ = new ScriptModulesTab(editor_, tabs_);
    functionsTab_ = new ScriptFunctionsTab(editor_, tabs_);
    variablesTab_ = new ScriptVariablesTab(variables_, editor_, tabs_);
    reactionsTab_ = new ReactionsTab(reactions_, editor_, tabs_);
    menusTab_ = new MenusTab(menus_, editor_, tabs_);
    aliasesTab_ = new AliasesTab(aliases_, tabs_);
    tabs_->addTab(modulesTab_, tr("&Modules"));
    tabs_->addTab(functionsTab_, tr("&Functions"));
    tabs_->addTab(variablesTab_, tr("&Variables"));
    tabs_->addTab(reactionsTab_, tr("&Reactions"));
    tabs_->addTab(menusTab_, tr("Menu&s"));
    tabs_->addTab(aliasesTab_, tr("A&liases"));
    tabs_->setDocumentMode(true);
    // The tabs' Alt letters (M, F, V, R, S, L) are kept free on every page.

    // Each tab shows what the others may have changed.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        switch (static_cast<Tab>(index)) {
            case Tab::Modules: return modulesTab_->Refresh();
            case Tab::Functions: return functionsTab_->Refresh();
            case Tab::Variables: return variablesTab_->Refresh();
            case Tab::Reactions: return reactionsTab_->Refresh();
            case Tab::Menus: return menusTab_->Refresh();
            case Tab::Aliases: return aliasesTab_->Refresh();
        }
    });
    connect(modulesTab_, &ScriptModulesTab::editRequested, this, [this] { ShowTab(Tab::Functions); });
    connect(reactionsTab_, &ReactionsTab::functionMade, this, &ScriptingWindow::ShowFunction);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScriptingWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(820, 560);
}

ScriptingWindow::~ScriptingWindow() {
    delete tabs_;  // the tabs hold the editors by reference
}

void ScriptingWindow::ShowTab(Tab tab) {
    tabs_->setCurrentIndex(static_cast<int>(tab));
}

ScriptingWindow::Tab ScriptingWindow::CurrentTab() const {
    return static_cast<Tab>(tabs_->currentIndex());
}

void ScriptingWindow::Refresh() {
    modulesTab_->Refresh();
    functionsTab_->Refresh();
    variablesTab_->Refresh();
    reactionsTab_->Refresh();
    menusTab_->Refresh();
    aliasesTab_->Refresh();
}

void ScriptingWindow::reject() {
    if (editor_.MayLeaveFunction() && aliases_.MayCloseWindow()) QDialog::reject();
}

void ScriptingWindow::showEvent(QShowEvent* event) {
    Refresh();  // modules may have come or gone through commands meanwhile
    QDialog::showEvent(event);
}

void ScriptingWindow::ShowFunction(int moduleId, const QString& name) {
    if (!editor_.SelectModule(moduleId) || !editor_.SelectFunction(ToBytes(name))) return;
    ShowTab(Tab::Functions);
    functionsTab_->Refresh();
}

}  // namespace parlevox
