#include "ui/qt/NicknamesPage.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "settings/OptionsRecord.h"
#include "ui/NickDialogsTexts.h"
#include "ui/NickRegistration.h"
#include "ui/qt/NickPasswordDialog.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

namespace {

constexpr std::array<const char*, kNicknameSlots> kNameLabels = {"&First nickname:", "&Second nickname:",
                                                                "&Third nickname:"};
constexpr std::array<const char*, kNicknameSlots> kPasswordLabels = {"Pa&ssword:", "Pass&word:", "Passw&ord:"};

}  // namespace

NicknamesPage::NicknamesPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    QFormLayout* form = AddForm();
    for (size_t i = 0; i < kNicknameSlots; ++i) {
        NicknameSlot& slot = Context().options.nicknames[i];
        const QString number = QString::number(i + 1);
        // A blank would end the nickname in the NICK line.
        names_[i] = AddText(form, kNameLabels[i], slot.name, [number](const std::string& value) {
            return value.find(' ') == std::string::npos ? QString() : QString(texts::kBadNickname).arg(number);
        });
        names_[i]->setObjectName("nickname" + number);
        passwords_[i] = AddText(form, kPasswordLabels[i], slot.password);
        passwords_[i]->setObjectName("password" + number);
        passwords_[i]->setEchoMode(QLineEdit::Password);
        if (!Context().nickRegistration) continue;
        register_[i] = new QPushButton(nickdialogs_text::kRegisterButton, this);
        register_[i]->setObjectName("register" + number);
        form->addRow(QString(), register_[i]);
        connect(register_[i], &QPushButton::clicked, this, [this, i] { Register(i); });
        connect(names_[i], &QLineEdit::textChanged, this, [this] { UpdateRegisterButtons(); });
    }
    if (CNickRegistration* registration = Context().nickRegistration)
        registration->onChanged = [this] { UpdateRegisterButtons(); };
    UpdateRegisterButtons();
}

NicknamesPage::~NicknamesPage() {
    if (CNickRegistration* registration = Context().nickRegistration) registration->onChanged = {};
}

// The connection may have come or gone while the page was hidden.
void NicknamesPage::showEvent(QShowEvent* event) {
    UpdateRegisterButtons();
    PreferencesPage::showEvent(event);
}

void NicknamesPage::UpdateRegisterButtons() {
    CNickRegistration* registration = Context().nickRegistration;
    if (!registration) return;
    for (size_t i = 0; i < kNicknameSlots; ++i)
        register_[i]->setEnabled(registration->ControlsEnabled() && !Context().options.nicknames[i].name.empty());
}

void NicknamesPage::Register(size_t index) {
    const NicknameSlot& slot = Context().options.nicknames[index];
    NickPasswordDialog dialog(*Context().nickRegistration, static_cast<int>(index), slot.name, slot.password, this);
    if (dialog.exec() == QDialog::Accepted) Load();
}

void NicknamesPage::Load() {
    for (size_t i = 0; i < kNicknameSlots; ++i) {
        const NicknameSlot& slot = Context().options.nicknames[i];
        QSignalBlocker nameBlock(names_[i]), passwordBlock(passwords_[i]);
        names_[i]->setText(ToQString(slot.name));
        passwords_[i]->setText(ToQString(slot.password));
    }
    ClearProblem();
    UpdateRegisterButtons();
}

}  // namespace parlevox
