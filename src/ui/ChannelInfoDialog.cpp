#include "ui/ChannelInfoDialog.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/TextHelpers.h"
#include "platform/EventLoop.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox {

CChannelInfoDialog::CChannelInfoDialog(const ChannelInfoServices& services, const ChannelServicesSettings& settings,
                                       std::string channel)
    : services_(services),
      settings_(settings),
      channel_(std::move(channel)),
      accessText_(chanserv_text::kPleaseWait),
      main_(*this),
      aops_(*this, CChannelAccessList::Kind::kAop),
      sops_(*this, CChannelAccessList::Kind::kSop),
      akicks_(*this, CChannelAccessList::Kind::kAkick),
      bans_(*this) {}

CChannelInfoDialog::~CChannelInfoDialog() {
    view_.reset();
}

std::string CChannelInfoDialog::Title() const {
    return fmt::sprintf(chanserv_text::kTitle, channel_);
}

void CChannelInfoDialog::RequestClose() {
    main_.Close();
    aops_.Close();
    sops_.Close();
    akicks_.Close();
    bans_.Close();
    if (onCloseRequested) onCloseRequested();
}

void CChannelInfoDialog::SetAccessLevel(int level) {
    level_ = level;
    accessText_ = AccessLevelText(level);
}

void CChannelInfoDialog::ClearAccess() {
    level_ = access_level::kNormal;
    accessText_.clear();
}

void CChannelInfoDialog::SetServicesUp(bool up) {
    servicesUp_ = up;
    Changed();
}

bool CChannelInfoDialog::ListPageWaiting() const {
    return aops_.Waiting() || sops_.Waiting() || akicks_.Waiting();
}

void CChannelInfoDialog::Changed() {
    if (view_) view_->Changed();
}

ChannelInfoDialogs::~ChannelInfoDialogs() = default;

bool ChannelInfoDialogs::Open(const std::string& channel) {
    if (!views_ || channel.empty()) return false;
    auto open = std::find_if(dialogs_.begin(), dialogs_.end(),
                             [&](const auto& dialog) { return EqualsIgnoringCase(dialog->Channel(), channel); });
    if (open != dialogs_.end()) {
        if (ChannelInfoView* view = (*open)->View()) view->Show();
        return true;
    }
    auto dialog = std::make_unique<CChannelInfoDialog>(services_, settings_, channel);
    CChannelInfoDialog* made = dialog.get();
    made->onCloseRequested = [this, made] { Forget(made); };
    dialogs_.push_back(std::move(dialog));
    made->SetView(views_->MakeChannelInfoView(*made));
    made->Main().Open();
    if (made->View()) made->View()->Show();
    return true;
}

// The view asked from inside its own handler: the dialog goes once that
// returned.
void ChannelInfoDialogs::Forget(CChannelInfoDialog* dialog) {
    auto it = std::find_if(dialogs_.begin(), dialogs_.end(), [&](const auto& kept) { return kept.get() == dialog; });
    if (it == dialogs_.end()) return;
    services_.loop.DeleteLater(std::move(*it));
    dialogs_.erase(it);
}

}  // namespace parlevox
