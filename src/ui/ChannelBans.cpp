#include "ui/ChannelBans.h"

#include <fmt/printf.h>

#include "common/Masks.h"
#include "common/MessageBox.h"
#include "common/TextHelpers.h"
#include "irc/EventTypes.h"
#include "irc/IMServer.h"
#include "platform/UserInterface.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox {

using namespace chanserv_text;

CChannelBans::CChannelBans(ChannelInfoContext& dialog)
    : EventHandlerWindow(dialog.Services().loop, dialog.Services().networkWindow), dialog_(dialog) {}

bool CChannelBans::MayChange() const {
    const int level = dialog_.AccessLevel();
    return level >= access_level::kAop;
}

std::string CChannelBans::StateLine() const {
    return listing_ ? kListingBans : "";
}

void CChannelBans::Run(const std::string& line) const {
    if (dialog_.Services().runCommand) dialog_.Services().runCommand(line);
}

void CChannelBans::Activate() {
    if (closed_) return;
    entries_.clear();
    selected_ = -1;
    RemoveAllHandlers();
    for (int numeric : {kBanEntry, kEndOfBans}) {
        HandlerRecord record;
        record.eventType = kServerNumeric;
        record.filters = filter::kNumeric;
        record.numeric = numeric;
        record.priority = priority::kLists;
        Register(std::move(record));
    }
    listing_ = true;
    Run(fmt::sprintf(kBanList, dialog_.Channel()));
    dialog_.Changed();
}

void CChannelBans::Close() {
    closed_ = true;
    listing_ = false;
    RemoveAllHandlers();
}

// Another channel's list is someone else's (another dialog, a "/mode" typed).
void CChannelBans::OnEvent(CIRCMessage& message, uint32_t) {
    auto* reply = dynamic_cast<C_imServerNumeric*>(&message);
    if (!reply || !listing_ || !EqualsIgnoringCase(reply->ReplyParam(1), dialog_.Channel())) return;
    if (reply->numeric == kBanEntry) {
        if (reply->ReplyParam(2).empty()) return;
        entries_.push_back(fmt::sprintf("%s\t%s", reply->ReplyParam(2), reply->ReplyParam(3)));
    } else {
        RemoveAllHandlers();
        listing_ = false;
    }
    EndChain();
    dialog_.Changed();
}

void CChannelBans::Add() {
    if (!CanAdd()) return;
    UserInterface& ui = dialog_.Services().ui;
    std::optional<std::string> answer = ui.PromptText(kAddBanPrompt, kAddBanTitle, "");
    if (!answer || closed_) return;
    const std::string mask = Trimmed(*answer);
    if (mask.empty()) return;
    if (!IsCompleteMask(mask) || mask.find(' ') != std::string::npos) {
        ui.ShowMessageBox({kBadMaskTitle, kBadMaskText, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    Run(fmt::sprintf(kBanAdd, dialog_.Channel(), mask));
    entries_.push_back(mask + "\t" + kAdditionNotVerified);
    selected_ = static_cast<int>(entries_.size()) - 1;
    dialog_.Changed();
}

void CChannelBans::Delete() {
    if (!CanDelete()) return;
    const size_t index = static_cast<size_t>(selected_);
    const size_t tab = entries_[index].find('\t');
    const std::string mask = entries_[index].substr(0, tab);
    if (mask.empty()) return;
    if (tab != std::string::npos && entries_[index].substr(tab + 1) == kDeletionNotVerified)
        dialog_.Services().ui.ShowMessageBox(
            {kRedeleteTitle, kRedeleteText, MessageIcon::Information, MessageButtons::Ok});
    if (closed_ || index >= entries_.size()) return;
    Run(fmt::sprintf(kBanDel, dialog_.Channel(), mask));
    entries_[index] = mask + "\t" + kDeletionNotVerified;
    dialog_.Changed();
}

void CChannelBans::ClearAll() {
    if (!CanClear()) return;
    std::string line;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (i % kMasksPerMode == 0) line = fmt::sprintf(kBanClear, dialog_.Channel());
        else line += ' ';
        const std::string mask = entries_[i].substr(0, entries_[i].find('\t'));
        line += mask;
        entries_[i] = mask + "\t" + kDeletionNotVerified;
        if (i % kMasksPerMode == kMasksPerMode - 1 || i + 1 == entries_.size()) Run(line);
    }
    dialog_.Changed();
    dialog_.Services().ui.ShowMessageBox(
        {kBansClearedTitle, kBansClearedText, MessageIcon::Information, MessageButtons::Ok});
}

}  // namespace parlevox
