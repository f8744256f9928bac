#include "ui/qt/NickPasswordDialog.h"

#include <fmt/printf.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/NickDialogsTexts.h"
#include "ui/NickRegistration.h"
#include "ui/qt/QtText.h"

namespace parlevox {

NickPasswordDialog::NickPasswordDialog(CNickRegistration& registration, int index, const std::string& nickname,
                                       const std::string& password, QWidget* parent)
    : QDialog(parent), registration_(registration), index_(index), password_(new QLineEdit(ToQString(password), this)) {
    setWindowTitle(ToQString(fmt::sprintf(nickdialogs_text::kPasswordTitle, nickname)));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(ToQString(fmt::sprintf(nickdialogs_text::kPasswordPrompt, nickname)), password_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(320);
}

void NickPasswordDialog::accept() {
    if (registration_.PasswordChosen(index_, ToBytes(password_->text()))) return QDialog::accept();
    password_->setFocus();
    password_->selectAll();
}

}  // namespace parlevox
