#include "ui/qt/NickInfoNickServTab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/NickDialogsTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

using namespace nickdialogs_text;

NickInfoNickServTab::NickInfoNickServTab(CNickInfoNickServ& page, QWidget* parent)
    : QWidget(parent), page_(page), description_(new QLineEdit(this)), address_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    description_->setReadOnly(true);
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(kDescriptionLabel, description_);
    form->addRow(kAddressLabel, address_);
    layout->addLayout(form);
    BuildSettings();
    layout->addWidget(settings_);
    layout->addStretch();
    page_.SetView(this);
    NickServChanged();
}

NickInfoNickServTab::~NickInfoNickServTab() {
    page_.SetView(nullptr);
}

void NickInfoNickServTab::BuildSettings() {
    settings_ = new QGroupBox(kSettingsGroup, this);
    auto* box = new QVBoxLayout(settings_);
    hint_ = new QLabel(kSettingsHint, settings_);
    hint_->setWordWrap(true);
    box->addWidget(hint_);
    auto* form = new QFormLayout;
    forward_ = new QCheckBox(kForwardLabel, settings_);
    forwardNick_ = new QLineEdit(settings_);
    form->addRow(forward_, forwardNick_);
    kill_ = new QCheckBox(kKillLabel, settings_);
    form->addRow(kill_);
    password_ = new QLineEdit(settings_);
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(kNewPasswordLabel, password_);
    url_ = new QLineEdit(settings_);
    form->addRow(kUrlLabel, url_);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    apply_ = new QPushButton(kApply, settings_);
    buttons->addWidget(apply_);
    box->addLayout(buttons);
    connect(forward_, &QCheckBox::toggled, forwardNick_, &QWidget::setEnabled);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplySettings(); });
}

void NickInfoNickServTab::NickServChanged() {
    description_->setText(ToQString(page_.Description()));
    QString address = ToQString(page_.Address());
    if (!page_.AddressSecondLine().empty()) address += "\n" + ToQString(page_.AddressSecondLine());
    address_->setText(address);
    const bool usable = page_.SettingsUsable();
    settings_->setEnabled(usable);
    hint_->setVisible(!usable);
    if (usable && !filled_) {
        filled_ = true;
        forward_->setChecked(page_.Forwarding());
        forwardNick_->setText(ToQString(page_.ForwardNick()));
        kill_->setChecked(page_.Kill() == CNickInfoNickServ::KillEnforce::kOn);
    }
    forwardNick_->setEnabled(forward_->isChecked());
}

void NickInfoNickServTab::ApplySettings() {
    const std::string forward = ToBytes(forwardNick_->text());
    if (forward_->isChecked() && !forward.empty() && forward != page_.ForwardNick()) page_.SetForward(forward);
    const bool kill = kill_->isChecked();
    if (kill != (page_.Kill() == CNickInfoNickServ::KillEnforce::kOn)) page_.SetKill(kill);
    if (!url_->text().isEmpty()) page_.SetUrl(ToBytes(url_->text()));
    if (!password_->text().isEmpty()) {
        page_.SetPassword(ToBytes(password_->text()));
        password_->clear();
    }
}

}  // namespace parlevox
