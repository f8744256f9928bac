#include "ui/NickChangeDialog.h"

#include "platform/UserInterface.h"
#include "ui/NickDialogsTexts.h"

namespace parlevox {

std::optional<MessageBoxRequest> CNickChangeDialog::Problem(std::string_view nick) {
    using namespace nickdialogs_text;
    MessageBoxRequest box {kNicknameError, {}, MessageIcon::Stop};
    if (nick.empty()) box.text = kEmptyNickname;
    else if (nick.find_first_not_of(kAllowedNickCharacters) != std::string_view::npos)
        box.text = kBadNicknameCharacters;
    else return std::nullopt;
    return box;
}

bool CNickChangeDialog::Ok(const std::string& nick) {
    if (auto box = Problem(nick)) {
        ui_.ShowMessageBox(*box);
        return false;
    }
    if (onChosen_) onChosen_(nick);
    return true;
}

}  // namespace parlevox
