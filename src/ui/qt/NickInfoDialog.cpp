#include "ui/qt/NickInfoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/NickDialogsTexts.h"
#include "ui/NickInfoTexts.h"
#include "ui/qt/NickInfoNickServTab.h"
#include "ui/qt/QtText.h"

namespace parlevox {

NickInfoUserinfoTab::NickInfoUserinfoTab(CNickInfoUserinfo& page, QWidget* parent)
    : QWidget(parent), page_(page), state_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    state_->setWordWrap(true);
    layout->addWidget(state_);
    auto* form = new QFormLayout;
    const auto fields = page_.Fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setReadOnly(true);
        form->addRow(ToQString(fields[i].first), fields_[i]);
    }
    layout->addLayout(form);
    layout->addStretch();
    page_.SetView(this);
    UserinfoChanged();
}

NickInfoUserinfoTab::~NickInfoUserinfoTab() {
    page_.SetView(nullptr);
}

void NickInfoUserinfoTab::UserinfoChanged() {
    const std::string line = page_.StateLine();
    state_->setText(ToQString(line));
    state_->setVisible(!line.empty());
    const auto fields = page_.Fields();
    for (size_t i = 0; i < fields.size(); ++i) fields_[i]->setText(ToQString(fields[i].second));
}

NickInfoDialog::NickInfoDialog(CNickInfoDialog& dialog)
    : dialog_(dialog), tabs_(new QTabWidget(this)), userinfo_(new NickInfoUserinfoTab(dialog.Userinfo(), tabs_)) {
    setWindowTitle(ToQString(dialog.Nick()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    tabs_->addTab(userinfo_, nickinfo_text::kUserinfoPage);
    if (CNickInfoNickServ* nickServ = dialog.NickServ()) {
        nickServ_ = new NickInfoNickServTab(*nickServ, tabs_);
        tabs_->addTab(nickServ_, nickdialogs_text::kNickServPage);
        setWindowTitle(ToQString(nickServ->Title()));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { PageShown(index); });
    resize(420, nickServ_ ? 420 : 330);
}

NickInfoDialog::~NickInfoDialog() = default;

void NickInfoDialog::Show() {
    show();
    raise();
    activateWindow();
    PageShown(tabs_->currentIndex());
}

void NickInfoDialog::PageShown(int index) {
    if (tabs_->widget(index) == userinfo_) userinfo_->Page().Shown();
}

// Closed, cancelled or answered: the core dialog goes (and this with it).
void NickInfoDialog::done(int result) {
    QDialog::done(result);
    dialog_.RequestClose();
}

}  // namespace parlevox
