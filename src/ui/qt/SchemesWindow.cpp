#include "ui/qt/SchemesWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/QtText.h"
#include "ui/qt/SchemeColoursPage.h"
#include "ui/qt/SchemeFontPage.h"
#include "ui/qt/SchemeGraphicsPage.h"
#include "ui/qt/SchemeMarginsPage.h"
#include "ui/qt/SchemeUsagePage.h"

namespace parlevox {

SchemesWindow::SchemesWindow(const SchemesWindowContext& context, int index, QWidget* parent)
    : QDialog(parent),
      editor_(context.schemes, index, context.ui),
      preview_(new OutputPaneWidget(this)),
      tabs_(new QTabWidget(this)) {
    setObjectName("schemeEditor");
    setWindowTitle(ToQString(editor_.Title()));
    // A window of its own beside the main window, not a box.
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    preview_->setObjectName("preview");
    preview_->setMinimumSize(260, 200);
    previewOwner_ = std::make_unique<CSchemePreview>(editor_, *preview_, context.look, context.audio, context.sounds);
    preview_->Attach(&previewOwner_->Pane());

    graphics_ = new SchemeGraphicsPage(editor_, tabs_);
    colours_ = new SchemeColoursPage(editor_, tabs_);
    font_ = new SchemeFontPage(editor_, tabs_);
    margins_ = new SchemeMarginsPage(editor_, tabs_);
    usage_ = new SchemeUsagePage(editor_, tabs_);
    tabs_->addTab(graphics_, tr("&Graphics"));
    tabs_->addTab(colours_, tr("C&olours"));
    tabs_->addTab(font_, tr("&Font"));
    tabs_->addTab(margins_, tr("&Margins"));
    tabs_->addTab(usage_, tr("U&sage"));

    auto* previewBox = new QWidget(this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(new QLabel(tr("Preview"), previewBox));
    previewLayout->addWidget(preview_, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(previewBox);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({600, 400});
    splitter->setChildrenCollapsible(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &SchemesWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SchemesWindow::reject);
    connect(apply_, &QPushButton::clicked, this, &SchemesWindow::Apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);

    editor_.SetChangeCallback([this] { Edited(); });
    resize(1040, 620);
}

// The pages and the view hold the editor and the pane by reference.
SchemesWindow::~SchemesWindow() {
    editor_.SetChangeCallback({});
    preview_->Attach(nullptr);
    delete tabs_;
}

void SchemesWindow::ShowPage(Page page) {
    tabs_->setCurrentIndex(static_cast<int>(page));
}

void SchemesWindow::Edited() {
    previewOwner_->SchemeEdited();
    apply_->setEnabled(true);
}

void SchemesWindow::Reload() {
    graphics_->Load();
    colours_->Load();
    font_->Load();
    margins_->Load();
    usage_->Load();
}

void SchemesWindow::Apply() {
    editor_.Apply();
    Reload();
    apply_->setEnabled(false);
}

void SchemesWindow::accept() {
    if (editor_.Ok()) QDialog::accept();
}

void SchemesWindow::reject() {
    editor_.Cancel();
    QDialog::reject();
}

}  // namespace parlevox
