#include "ui/qt/NicknamesPage.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "settings/OptionsRecord.h"
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
    }
}

void NicknamesPage::Load() {
    for (size_t i = 0; i < kNicknameSlots; ++i) {
        const NicknameSlot& slot = Context().options.nicknames[i];
        QSignalBlocker nameBlock(names_[i]), passwordBlock(passwords_[i]);
        names_[i]->setText(ToQString(slot.name));
        passwords_[i]->setText(ToQString(slot.password));
    }
    ClearProblem();
}

}  // namespace parlevox
