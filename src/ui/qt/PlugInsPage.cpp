#include "ui/qt/PlugInsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/ScPlugInList.h"
#include "ui/qt/ArtImage.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

PlugInsPage::PlugInsPage(PreferencesContext& context, QWidget* parent)
    : PreferencesPage(context, parent), list_(new QListWidget(this)), uninstall_(new QPushButton(tr("&Uninstall"), this)) {
    list_->setObjectName("plugIns");
    list_->setIconSize(QSize(48, 48));
    auto* install = new QPushButton(tr("&Install..."), this);
    install->setObjectName("install");
    uninstall_->setObjectName("uninstall");
    auto* help = new QLabel(tr(texts::kPlugInsHelp), this);
    help->setWordWrap(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(install);
    buttons->addWidget(uninstall_);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(buttons);
    AddContent(help);
    AddContent(body);

    ScPlugInList& plugIns = *Context().scPlugIns;
    connect(install, &QPushButton::clicked, this, [this, &plugIns] {
        if (plugIns.Install()) Fill(list_->count());
    });
    connect(uninstall_, &QPushButton::clicked, this, [this, &plugIns] {
        const int row = list_->currentRow();
        if (row >= 0 && plugIns.Uninstall(static_cast<size_t>(row))) Fill(row);
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { uninstall_->setEnabled(row >= 0); });
}

void PlugInsPage::Load() {
    Fill(list_->currentRow());
}

void PlugInsPage::Fill(int row) {
    const ScPlugInList& plugIns = *Context().scPlugIns;
    {
        QSignalBlocker block(list_);
        list_->clear();
        for (const auto& plugIn : plugIns.Host().PlugIns())
            list_->addItem(new QListWidgetItem(QPixmap::fromImage(ToQImage(plugIn->Icon())),
                                               ToQString(plugIn->DisplayLine())));
        list_->setCurrentRow(list_->count() ? std::clamp(row, 0, list_->count() - 1) : -1);
    }
    uninstall_->setEnabled(list_->currentRow() >= 0);
}

}  // namespace parlevox
