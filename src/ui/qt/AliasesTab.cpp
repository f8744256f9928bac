#include "ui/qt/AliasesTab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "modules/ModuleManager.h"
#include "ui/AliasEditor.h"
#include "ui/ScriptEditor.h"
#include "ui/qt/ModuleListPanel.h"
#include "ui/qt/QtText.h"
#include "ui/qt/ScriptSourceEdit.h"

namespace parlevox {

AliasesTab::AliasesTab(CAliasEditor& aliases, QWidget* parent)
    : QWidget(parent),
      aliases_(aliases),
      modules_(new QComboBox(this)),
      list_(new QListWidget(this)),
      name_(new QLineEdit(this)),
      lines_(new ScriptSourceEdit(this)),
      rename_(new QPushButton(tr("Ren&ame"), this)),
      delete_(new QPushButton(tr("&Delete"), this)) {
    modules_->setObjectName("aliasModule");
    list_->setObjectName("aliases");
    name_->setObjectName("aliasName");
    lines_->setObjectName("aliasLines");
    rename_->setObjectName("renameAlias");
    delete_->setObjectName("deleteAlias");
    rename_->setToolTip(tr("Give the chosen alias the name in the field"));
    name_->setPlaceholderText(tr("Letters and digits, starting with a capital: the /-command's name"));
    lines_->setPlaceholderText(tr("One IRC /-command a line. %sA1% to %sA9% are the words typed after the alias; "
                                  "%sC% is the channel, %sN% the nickname, %sNorC% whichever there is."));
    auto* create = new QPushButton(tr("&New"), this);
    auto* set = new QPushButton(tr("Se&t"), this);
    create->setObjectName("newAlias");
    set->setObjectName("setAlias");
    set->setToolTip(tr("Make the alias from the name and lines, or replace the one of that name"));
    connect(create, &QPushButton::clicked, this, &AliasesTab::New);
    connect(set, &QPushButton::clicked, this, &AliasesTab::Set);
    connect(rename_, &QPushButton::clicked, this, &AliasesTab::Rename);
    connect(delete_, &QPushButton::clicked, this, &AliasesTab::Delete);
    connect(modules_, &QComboBox::currentIndexChanged, this, &AliasesTab::ModuleChosen);
    connect(list_, &QListWidget::currentRowChanged, this, &AliasesTab::AliasChosen);
    connect(name_, &QLineEdit::textEdited, this, [this] { aliases_.SetChanged(true); });
    connect(lines_, &QPlainTextEdit::textChanged, this, [this] { aliases_.SetChanged(true); });

    QWidget* left = ModuleListPanel(this, modules_, list_, {create, rename_, delete_});

    auto* right = new QWidget(this);
    auto* form = new QFormLayout(right);
    form->setContentsMargins(0, 0, 0, 0);
    auto* nameLabel = new QLabel(tr("Al&ias name:"), right);
    auto* linesLabel = new QLabel(tr("&Command lines:"), right);
    nameLabel->setBuddy(name_);
    linesLabel->setBuddy(lines_);
    form->addRow(nameLabel, name_);
    form->addRow(linesLabel, lines_);
    auto* setRow = new QHBoxLayout;
    setRow->addStretch();
    setRow->addWidget(set);
    form->addRow(setRow);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({200, 600});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    Refresh();
}

void AliasesTab::Refresh() {
    FillModuleChooser(modules_, aliases_.Modules(), aliases_.Module());
    {
        QSignalBlocker block(list_);
        list_->clear();
        for (const std::string& alias : aliases_.Aliases()) {
            list_->addItem(ToQString(alias));
            if (alias == aliases_.Alias()) list_->setCurrentRow(list_->count() - 1);
        }
    }
    // Edits not Set yet stay in the fields.
    if (!aliases_.Changed()) ShowAlias();
    rename_->setEnabled(!aliases_.Alias().empty());
    delete_->setEnabled(!aliases_.Alias().empty());
}

void AliasesTab::ShowAlias() {
    QSignalBlocker blockName(name_);
    QSignalBlocker blockLines(lines_);
    name_->setText(ToQString(aliases_.Alias()));
    lines_->setPlainText(ToQString(CScriptEditor::ShownText(aliases_.AliasLines())));
    aliases_.SetChanged(false);
}

void AliasesTab::ModuleChosen(int index) {
    if (index < 0) return;
    if (aliases_.SelectModule(modules_->itemData(index).toInt())) ShowAlias();
    Refresh();  // also puts the combo back when the person stayed
}

void AliasesTab::AliasChosen(int row) {
    QListWidgetItem* item = list_->item(row);
    if (!item) return;
    if (aliases_.SelectAlias(ToBytes(item->text()))) ShowAlias();
    Refresh();
}

void AliasesTab::New() {
    if (!aliases_.StartNew()) return;
    ShowAlias();
    Refresh();
    name_->setFocus();
}

bool AliasesTab::Set() {
    const bool compiled =
        aliases_.Set(ToBytes(name_->text().trimmed()), CScriptEditor::SourceOf(ToBytes(lines_->toPlainText())));
    Refresh();
    emit changed();
    return compiled;
}

void AliasesTab::Rename() {
    if (!aliases_.Rename(ToBytes(name_->text().trimmed()))) return;
    // The name typed for the rename is no change of its own.
    if (CScriptEditor::SourceOf(ToBytes(lines_->toPlainText())) == aliases_.AliasLines()) aliases_.SetChanged(false);
    Refresh();
    emit changed();
}

void AliasesTab::Delete() {
    if (!aliases_.Delete()) return;
    Refresh();
    emit changed();
}

}  // namespace parlevox
