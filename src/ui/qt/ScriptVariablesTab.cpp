#include "ui/qt/ScriptVariablesTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/ScriptEditor.h"
#include "ui/ScriptVariables.h"
#include "ui/qt/RowTable.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

enum Column { kScope, kName, kType, kAccess, kValue, kColumnCount };

}  // namespace

ScriptVariablesTab::ScriptVariablesTab(CScriptVariables& variables, CScriptEditor& editor, QWidget* parent)
    : QWidget(parent),
      variables_(variables),
      editor_(editor),
      where_(new QLabel(this)),
      table_(new QTableWidget(0, kColumnCount, this)),
      scope_(new QComboBox(this)),
      name_(new QLineEdit(this)) {
    where_->setObjectName("where");
    table_->setObjectName("variables");
    scope_->setObjectName("scope");
    name_->setObjectName("name");
    SetUpRowTable(table_, {tr("Scope"), tr("Name"), tr("Type"), tr("Rights"), tr("Value")});
    for (VariableScope scope : {VariableScope::Local, VariableScope::ModuleWide, VariableScope::Global})
        scope_->addItem(tr(CScriptVariables::ScopeName(scope)), static_cast<int>(scope));
    scope_->setCurrentIndex(1);
    name_->setPlaceholderText(tr("Name, its prefix giving the type (sName, iCount, asList...)"));

    auto* add = new QPushButton(tr("&Add"), this);
    delete_ = new QPushButton(tr("&Delete"), this);
    access_ = new QPushButton(tr("Change r&ights"), this);
    add->setObjectName("add");
    delete_->setObjectName("delete");
    access_->setObjectName("rights");
    access_->setToolTip(tr("Read only, writable by this module (ModW), writable by any module (AnyW)"));
    connect(add, &QPushButton::clicked, this, &ScriptVariablesTab::Add);
    connect(name_, &QLineEdit::returnPressed, this, &ScriptVariablesTab::Add);
    connect(delete_, &QPushButton::clicked, this, &ScriptVariablesTab::Delete);
    connect(access_, &QPushButton::clicked, this, &ScriptVariablesTab::StepAccess);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ScriptVariablesTab::SelectionChanged);

    auto* adding = new QHBoxLayout;
    adding->addWidget(scope_);
    adding->addWidget(name_, 1);
    adding->addWidget(add);
    auto* changing = new QHBoxLayout;
    changing->addStretch();
    changing->addWidget(access_);
    changing->addWidget(delete_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where_);
    layout->addWidget(table_, 1);
    layout->addLayout(changing);
    layout->addLayout(adding);
    setTabOrder(table_, access_);
    setTabOrder(access_, delete_);
    setTabOrder(delete_, scope_);
    setTabOrder(scope_, name_);
    setTabOrder(name_, add);
    Refresh();
}

void ScriptVariablesTab::Refresh() {
    const CScriptModule* module = editor_.Module();
    const CScriptFunction* function = editor_.Function();
    where_->setText(!module     ? tr("No module installed.")
                    : function ? tr("Module %1, function %2").arg(ToQString(module->Name()), ToQString(function->Name()))
                               : tr("Module %1").arg(ToQString(module->Name())));
    const std::vector<VariableRow> rows = variables_.Rows();
    QSignalBlocker block(table_);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const VariableRow& v = rows[static_cast<size_t>(row)];
        auto* scope = new QTableWidgetItem(tr(CScriptVariables::ScopeName(v.scope)));
        scope->setData(Qt::UserRole, static_cast<int>(v.scope));
        table_->setItem(row, kScope, scope);
        table_->setItem(row, kName, new QTableWidgetItem(ToQString(v.name)));
        table_->setItem(row, kType, new QTableWidgetItem(ToQString(v.type)));
        table_->setItem(row, kAccess, new QTableWidgetItem(ToQString(v.access)));
        table_->setItem(row, kValue, new QTableWidgetItem(ToQString(v.value)));
    }
    SelectionChanged();
}

void ScriptVariablesTab::Add() {
    const auto scope = static_cast<VariableScope>(scope_->currentData().toInt());
    if (!variables_.Add(scope, ToBytes(name_->text().trimmed()))) return;
    name_->clear();
    Refresh();
}

void ScriptVariablesTab::Delete() {
    const int row = table_->currentRow();
    if (row < 0) return;
    const auto scope = static_cast<VariableScope>(table_->item(row, kScope)->data(Qt::UserRole).toInt());
    if (variables_.Delete(scope, ToBytes(table_->item(row, kName)->text()))) Refresh();
}

void ScriptVariablesTab::StepAccess() {
    const int row = table_->currentRow();
    if (row < 0) return;
    const auto scope = static_cast<VariableScope>(table_->item(row, kScope)->data(Qt::UserRole).toInt());
    if (!variables_.StepAccess(scope, ToBytes(table_->item(row, kName)->text()))) return;
    Refresh();
    table_->selectRow(row);
}

void ScriptVariablesTab::SelectionChanged() {
    const bool chosen = !table_->selectedItems().isEmpty();
    delete_->setEnabled(chosen);
    access_->setEnabled(chosen);
}

}  // namespace parlevox
