#include "ui/NickInfoDialog.h"

#include <algorithm>

#include "common/TextHelpers.h"
#include "platform/EventLoop.h"

namespace parlevox {

CNickInfoDialog::CNickInfoDialog(const NickInfoServices& services, const std::string& nick,
                                 const NickServServices* nickServ)
    : userinfo_(services, nick) {
    if (nickServ) nickServ_ = std::make_unique<CNickInfoNickServ>(*nickServ, nick);
}

CNickInfoDialog::~CNickInfoDialog() {
    userinfo_.SetView(nullptr);
    if (nickServ_) nickServ_->SetView(nullptr);
    view_.reset();
}

void CNickInfoDialog::RequestClose() {
    userinfo_.Close();
    if (nickServ_) nickServ_->Close();
    if (onCloseRequested) onCloseRequested();
}

NickInfoDialogs::~NickInfoDialogs() = default;

bool NickInfoDialogs::Open(const std::string& nick) {
    if (!views_) return false;
    auto open = std::find_if(dialogs_.begin(), dialogs_.end(),
                             [&](const auto& dialog) { return EqualsIgnoringCase(dialog->Nick(), nick); });
    if (open != dialogs_.end()) {
        if (NickInfoView* view = (*open)->View()) view->Show();
        return true;
    }
    auto dialog = std::make_unique<CNickInfoDialog>(services_, nick, nickServ_ ? &*nickServ_ : nullptr);
    CNickInfoDialog* made = dialog.get();
    made->onCloseRequested = [this, made] { Forget(made); };
    dialogs_.push_back(std::move(dialog));
    made->SetView(views_->MakeNickInfoView(*made));
    if (made->View()) made->View()->Show();
    if (made->NickServ()) made->NickServ()->Open();
    return true;
}

// The view asked from inside its own handler: it goes once that returned.
void NickInfoDialogs::Forget(CNickInfoDialog* dialog) {
    auto it = std::find_if(dialogs_.begin(), dialogs_.end(), [&](const auto& kept) { return kept.get() == dialog; });
    if (it == dialogs_.end()) return;
    services_.loop.DeleteLater(std::move(*it));
    dialogs_.erase(it);
}

}  // namespace parlevox
