#include "ui/qt/ScriptModulesTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ScriptEditor.h"
#include "ui/qt/ArtImage.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

QIcon ModuleIcon(const CScriptModule& module, const QStyle* style) {
    if (module.Icon() && !module.Icon()->Empty()) return QIcon(QPixmap::fromImage(ToQImage(*module.Icon())));
    return style->standardIcon(QStyle::SP_FileIcon);
}

}  // namespace

ScriptModulesTab::ScriptModulesTab(CScriptEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), list_(new QListWidget(this)), details_(new QLabel(this)) {
    list_->setObjectName("modules");
    list_->setIconSize(QSize(CScriptModule::kIconSize, CScriptModule::kIconSize));
    list_->setSpacing(2);
    details_->setObjectName("details");
    details_->setWordWrap(true);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* install = new QPushButton(tr("&Install..."), this);
    remove_ = new QPushButton(tr("R&emove"), this);
    auto* create = new QPushButton(tr("&New..."), this);
    install->setObjectName("install");
    remove_->setObjectName("remove");
    create->setObjectName("new");
    connect(install, &QPushButton::clicked, this, &ScriptModulesTab::Install);
    connect(remove_, &QPushButton::clicked, this, &ScriptModulesTab::Remove);
    connect(create, &QPushButton::clicked, this, &ScriptModulesTab::New);
    connect(list_, &QListWidget::currentRowChanged, this, &ScriptModulesTab::Chosen);
    connect(list_, &QListWidget::itemActivated, this, [this] { emit editRequested(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(install);
    buttons->addWidget(remove_);
    buttons->addWidget(create);
    buttons->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(details_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 2);
    layout->addLayout(side, 2);
    layout->addLayout(buttons);
    Refresh();
}

void ScriptModulesTab::Refresh() {
    QSignalBlocker block(list_);
    list_->clear();
    const CScriptModule* chosen = editor_.Module();
    for (const InstalledModule& installed : editor_.Modules()) {
        auto* item = new QListWidgetItem(ModuleIcon(*installed.module, style()), ToQString(installed.module->Name()));
        item->setData(Qt::UserRole, installed.module->Id());
        list_->addItem(item);
        if (installed.module.get() == chosen) list_->setCurrentItem(item);
    }
    remove_->setEnabled(list_->count() > 0);
    ShowDetails();
}

void ScriptModulesTab::Chosen(int row) {
    QListWidgetItem* item = list_->item(row);
    if (!item) return;
    if (!editor_.SelectModule(item->data(Qt::UserRole).toInt())) return Refresh();
    ShowDetails();
    emit changed();
}

void ScriptModulesTab::ShowDetails() {
    const CScriptModule* module = editor_.Module();
    if (!module) return details_->clear();
    const std::string* path = editor_.Manager().PathOf(*module);
    details_->setText(tr("<b>%1</b><br>Author: %2<br>Copyright: %3<br>Functions: %4<br>File: %5")
                          .arg(ToQString(module->Name()).toHtmlEscaped(), ToQString(module->Author()).toHtmlEscaped(),
                               ToQString(module->Copyright()).toHtmlEscaped())
                          .arg(module->Functions().size())
                          .arg(path ? QString::fromLocal8Bit(path->c_str()).toHtmlEscaped() : QString()));
}

void ScriptModulesTab::Install() {
    if (editor_.InstallModule()) {
        Refresh();
        emit changed();
    }
}

void ScriptModulesTab::Remove() {
    const CScriptModule* module = editor_.Module();
    if (module && editor_.RemoveModule(module->Id())) {
        Refresh();
        emit changed();
    }
}

void ScriptModulesTab::New() {
    if (editor_.NewModule()) {
        Refresh();
        emit changed();
    }
}

}  // namespace parlevox
