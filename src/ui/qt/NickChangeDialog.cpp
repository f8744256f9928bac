#include "ui/qt/NickChangeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/NickChangeDialog.h"
#include "ui/NickDialogsTexts.h"
#include "ui/qt/QtText.h"

namespace parlevox {

NickChangeDialog::NickChangeDialog(CNickChangeDialog& core, const std::string& currentNick, QWidget* parent)
    : QDialog(parent), core_(core), nickname_(new QLineEdit(ToQString(currentNick), this)) {
    setWindowTitle(nickdialogs_text::kNickChangeTitle);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(nickdialogs_text::kNickChangePrompt, nickname_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    nickname_->selectAll();
    setMinimumWidth(320);
}

void NickChangeDialog::accept() {
    if (core_.Ok(ToBytes(nickname_->text()))) return QDialog::accept();
    nickname_->setFocus();
    nickname_->selectAll();
}

}  // namespace parlevox
