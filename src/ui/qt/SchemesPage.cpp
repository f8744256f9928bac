#include "ui/qt/SchemesPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "display/SchemeManager.h"
#include "ui/SchemeEditing.h"
#include "ui/SchemeEditorTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

SchemesPage::SchemesPage(PreferencesContext& context, QWidget* parent)
    : PreferencesPage(context, parent), controls_(new QWidget(this)), list_(new QListWidget(controls_)) {
    list_->setObjectName("schemes");
    connect(list_, &QListWidget::currentRowChanged, this, &SchemesPage::EnableButtons);
    connect(list_, &QListWidget::itemActivated, this, [this] { edit_->click(); });
    auto* help = new QLabel(tr(texts::kSchemesHelp), controls_);
    help->setWordWrap(true);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addWidget(MakeButtons());
    auto* layout = new QVBoxLayout(controls_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(help);
    layout->addLayout(body, 1);
    AddContent(controls_);

    auto* greyed = new QLabel(tr(texts::kSchemesGreyed), this);
    greyed->setObjectName("greyedNote");
    greyed->setWordWrap(true);
    AddContent(greyed);
    Layout()->setStretchFactor(controls_, 1);

    poll_.setInterval(kEditingPollMs);
    connect(&poll_, &QTimer::timeout, this, &SchemesPage::ShowEditing);
}

QWidget* SchemesPage::MakeButtons() {
    auto* box = new QWidget(controls_);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* text, const char* name) {
        auto* made = new QPushButton(tr(text), box);
        made->setObjectName(name);
        column->addWidget(made);
        return made;
    };
    SchemeEditing& editing = Context().schemeEditing;
    connect(button("&Install...", "install"), &QPushButton::clicked, this, [this, &editing] { Done(editing.Install()); });
    remove_ = button("&Remove...", "remove");
    up_ = button("&Up", "up");
    down_ = button("&Down", "down");
    connect(button("&New...", "new"), &QPushButton::clicked, this, [this, &editing] { Done(editing.New()); });
    clone_ = button("&Clone...", "clone");
    edit_ = button("&Edit...", "edit");
    column->addStretch(1);
    connect(remove_, &QPushButton::clicked, this, [this, &editing] { Done(editing.Remove(Entry())); });
    connect(up_, &QPushButton::clicked, this, [this, &editing] { Done(editing.MoveUp(Entry())); });
    connect(down_, &QPushButton::clicked, this, [this, &editing] { Done(editing.MoveDown(Entry())); });
    connect(clone_, &QPushButton::clicked, this, [this, &editing] { Done(editing.Clone(Entry())); });
    connect(edit_, &QPushButton::clicked, this, [this, &editing] {
        if (Entry() < 1) return;
        editing.Edit(Entry());
        ShowEditing();
    });
    return box;
}

// Entry 0, the built-in default, is not listed.
int SchemesPage::Entry() const {
    const int row = list_->currentRow();
    return row < 0 ? -1 : row + 1;
}

void SchemesPage::Load() {
    Fill(Entry());
    ShowEditing();
}

void SchemesPage::Fill(int entry) {
    const CSchemeManager& schemes = Context().schemes;
    {
        QSignalBlocker block(list_);
        list_->clear();
        for (int index = 1; index < schemes.Count(); ++index) list_->addItem(ToQString(schemes.DisplayName(index)));
        const int row = std::min(entry, schemes.Count() - 1) - 1;
        list_->setCurrentRow(row >= 0 ? row : (list_->count() > 0 ? 0 : -1));
    }
    EnableButtons();
}

// The operation says which entry to select; -1 when nothing changed.
void SchemesPage::Done(int entry) {
    Fill(entry >= 1 ? entry : Entry());
}

void SchemesPage::EnableButtons() {
    const int row = list_->currentRow();
    for (QPushButton* button : {remove_, clone_, edit_}) button->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
}

void SchemesPage::ShowEditing() {
    const bool editing = Context().schemes.Editing();
    if (greyed_ != editing) {
        greyed_ = editing;
        controls_->setEnabled(!editing);
        if (!editing) Fill(Entry());  // the per-window editing command may have added a scheme
    }
    if (editing && isVisible())
        poll_.start();
    else
        poll_.stop();
}

void SchemesPage::showEvent(QShowEvent* event) {
    PreferencesPage::showEvent(event);
    Load();
}

// Coming back to the preferences after closing the editor.
void SchemesPage::changeEvent(QEvent* event) {
    PreferencesPage::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) ShowEditing();
}

}  // namespace parlevox
