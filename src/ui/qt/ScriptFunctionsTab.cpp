#include "ui/qt/ScriptFunctionsTab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include "ui/ScriptEditor.h"
#include "ui/qt/ModuleListPanel.h"
#include "ui/qt/QtText.h"
#include "ui/qt/ScriptSourceEdit.h"

namespace parlevox {

ScriptFunctionsTab::ScriptFunctionsTab(CScriptEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      modules_(new QComboBox(this)),
      list_(new QListWidget(this)),
      source_(new ScriptSourceEdit(this)),
      state_(new QLabel(this)),
      compile_(new QPushButton(tr("&Compile"), this)) {
    modules_->setObjectName("module");
    list_->setObjectName("functions");
    source_->setObjectName("source");
    state_->setObjectName("state");
    compile_->setObjectName("compile");
    compile_->setToolTip(tr("Compile the function (Ctrl+Enter)"));

    auto* create = new QPushButton(tr("&New..."), this);
    rename_ = new QPushButton(tr("Ren&ame..."), this);
    delete_ = new QPushButton(tr("&Delete"), this);
    create->setObjectName("new");
    rename_->setObjectName("rename");
    delete_->setObjectName("delete");
    connect(create, &QPushButton::clicked, this, &ScriptFunctionsTab::New);
    connect(rename_, &QPushButton::clicked, this, &ScriptFunctionsTab::Rename);
    connect(delete_, &QPushButton::clicked, this, &ScriptFunctionsTab::Delete);
    connect(compile_, &QPushButton::clicked, this, &ScriptFunctionsTab::Compile);
    connect(modules_, &QComboBox::currentIndexChanged, this, &ScriptFunctionsTab::ModuleChosen);
    connect(list_, &QListWidget::currentRowChanged, this, &ScriptFunctionsTab::FunctionChosen);
    connect(source_, &QPlainTextEdit::textChanged, this, &ScriptFunctionsTab::SourceEdited);
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &ScriptFunctionsTab::Compile);
    }

    QWidget* left = ModuleListPanel(this, modules_, list_, {create, rename_, delete_});

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(source_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(state_, 1);
    bottom->addWidget(compile_);
    rightLayout->addLayout(bottom);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({200, 600});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    setTabOrder(modules_, list_);
    setTabOrder(list_, create);
    setTabOrder(create, rename_);
    setTabOrder(rename_, delete_);
    setTabOrder(delete_, source_);
    setTabOrder(source_, compile_);
    Refresh();
}

void ScriptFunctionsTab::Refresh() {
    FillModuleChooser(modules_, editor_.Modules(), editor_.Module());
    {
        QSignalBlocker block(list_);
        list_->clear();
        if (const CScriptModule* module = editor_.Module())
            for (const auto& function : module->Functions()) {
                list_->addItem(ToQString(function->Name()));
                if (function.get() == editor_.Function()) list_->setCurrentRow(list_->count() - 1);
            }
    }
    ShowFunction();
}

void ScriptFunctionsTab::ModuleChosen(int index) {
    if (index < 0) return;
    editor_.SelectModule(modules_->itemData(index).toInt());
    Refresh();  // also puts the combo back when the person stayed
    emit changed();
}

void ScriptFunctionsTab::FunctionChosen(int row) {
    QListWidgetItem* item = list_->item(row);
    if (!item) return;
    if (!editor_.SelectFunction(ToBytes(item->text()))) return Refresh();
    ShowFunction();
    emit changed();
}

void ScriptFunctionsTab::ShowFunction() {
    const CScriptFunction* function = editor_.Function();
    {
        QSignalBlocker block(source_);
        source_->setPlainText(function ? ToQString(CScriptEditor::ShownText(function->Source())) : QString());
    }
    source_->setEnabled(function != nullptr);
    compile_->setEnabled(function != nullptr);
    rename_->setEnabled(function != nullptr);
    delete_->setEnabled(function != nullptr);
    ShowState();
}

void ScriptFunctionsTab::ShowState() {
    const CScriptFunction* function = editor_.Function();
    if (!function) return state_->setText(editor_.Module() ? tr("No function chosen.") : tr("No module installed."));
    if (!function->Tree()) return state_->setText(tr("Not compiled yet."));
    state_->setText(function->SourceChangedSinceCompile() ? tr("Changed since it was compiled.") : tr("Compiled."));
}

void ScriptFunctionsTab::SourceEdited() {
    editor_.SetSource(CScriptEditor::SourceOf(ToBytes(source_->toPlainText())));
    ShowState();
}

bool ScriptFunctionsTab::Compile() {
    const CScriptFunction* function = editor_.Function();
    if (!function) return false;
    std::optional<uint32_t> offset = editor_.Compile();
    ShowState();
    if (!offset) return true;
    source_->PlaceCursor(static_cast<int>(CScriptEditor::ShownOffset(function->Source(), *offset)));
    return false;
}

void ScriptFunctionsTab::New() {
    if (!editor_.NewFunctionAsked()) return;
    Refresh();
    source_->setFocus();
    emit changed();
}

void ScriptFunctionsTab::Rename() {
    if (!editor_.RenameFunctionAsked()) return;
    Refresh();
    emit changed();
}

void ScriptFunctionsTab::Delete() {
    if (!editor_.DeleteFunction()) return;
    Refresh();
    emit changed();
}

}  // namespace parlevox
