#include "ui/ChannelAccessList.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cctype>

#include "common/InternalErrorReport.h"
#include "common/Masks.h"
#include "common/MessageBox.h"
#include "common/TextHelpers.h"
#include "irc/EventTypes.h"
#include "irc/IMNotice.h"
#include "platform/UserInterface.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox {

using namespace chanserv_text;

namespace {

bool IsNickname(const std::string& nick) {
    return !nick.empty() && nick.size() <= 64 && std::none_of(nick.begin(), nick.end(), [](unsigned char c) {
        return c <= ' ' || c == '!' || c == '@' || c == '*' || c == ',' || c == 0x7F;
    });
}

bool Contains(const std::string& text, const char* phrase) {
    return text.find(phrase) != std::string::npos;
}

}  // namespace

std::string EntryKey(const std::string& entry) {
    return entry.substr(0, entry.find('\t'));
}

CChannelAccessList::CChannelAccessList(ChannelInfoContext& dialog, Kind kind)
    : EventHandlerWindow(dialog.Services().loop, dialog.Services().networkWindow), dialog_(dialog), kind_(kind) {}

const char* CChannelAccessList::Command() const {
    switch (kind_) {
        case Kind::kAop: return "AOP";
        case Kind::kSop: return "SOP";
        case Kind::kAkick: return "AKICK";
    }
    return "";
}

// The AOP list is the SOPs' and the founder's; the SOP list the founder's;
// SOPs may also AKICK.
bool CChannelAccessList::MayChange() const {
    const int level = dialog_.AccessLevel();
    if (dialog_.IsFounder()) return true;
    return kind_ != Kind::kSop && level == access_level::kSop;
}

std::string CChannelAccessList::StateLine() const {
    switch (state_) {
        case State::kListing: return kListing;
        case State::kCheckingNick: return fmt::sprintf(kCheckingNick, pending_);
        case State::kWaiting: return kWaitingAnswer;
        case State::kIdle: return {};
    }
    return {};
}

void CChannelAccessList::ListenTo(const AddressRecord& mask, uint32_t& id) {
    if (id || closed_) return;
    HandlerRecord record;
    record.eventType = kPrivateNotice;
    record.filters = filter::kMask;
    record.mask = mask;
    record.priority = priority::kConnection;
    id = Register(std::move(record));
}

void CChannelAccessList::Activate() {
    if (closed_) return;
    entries_.clear();
    selected_ = -1;
    pending_.clear();
    if (nickServId_) RemoveHandler(nickServId_);
    nickServId_ = 0;
    ListenTo(dialog_.Settings().chanServ, chanServId_);
    state_ = State::kListing;
    dialog_.SendToChanServ(fmt::sprintf(kListRequest, Command(), dialog_.Channel()));
    dialog_.Changed();
}

void CChannelAccessList::Close() {
    closed_ = true;
    RemoveAllHandlers();
    chanServId_ = nickServId_ = 0;
    state_ = State::kIdle;
}

void CChannelAccessList::Finish() {
    RemoveAllHandlers();
    chanServId_ = nickServId_ = 0;
    state_ = State::kIdle;
    pending_.clear();
}

void CChannelAccessList::Add() {
    if (!CanAdd()) return;
    UserInterface& ui = dialog_.Services().ui;
    const bool akick = kind_ == Kind::kAkick;
    const char* title = akick ? kAddAkickTitle : kind_ == Kind::kAop ? kAddAopTitle : kAddSopTitle;
    std::optional<std::string> answer = ui.PromptText(akick ? kAddAkickPrompt : kAddPersonPrompt, title, "");
    if (!answer || closed_) return;
    const std::string text = Trimmed(*answer);
    if (text.empty()) return;
    if (akick) {
        if (!IsCompleteMask(text) || text.find(' ') != std::string::npos) {
            ui.ShowMessageBox({kBadMaskTitle, kBadMaskText, MessageIcon::Exclamation, MessageButtons::Ok});
            return;
        }
        pending_ = text;
        adding_ = true;
        SendAdd();
        return;
    }
    // A nickname NickServ does not know would only be an entry that
    // never matches anyone.
    if (!IsNickname(text)) {
        ui.ShowMessageBox(
            {kNickUnregisteredTitle, kNickUnregisteredText, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    pending_ = text;
    adding_ = true;
    state_ = State::kCheckingNick;
    ListenTo(dialog_.Settings().nickServ, nickServId_);
    dialog_.SendToNickServ(fmt::sprintf(kNickInfo, text));
    dialog_.Changed();
}

void CChannelAccessList::SendAdd() {
    state_ = State::kWaiting;
    ListenTo(dialog_.Settings().chanServ, chanServId_);
    dialog_.SendToChanServ(fmt::sprintf(kAddRequest, Command(), dialog_.Channel(), pending_));
    dialog_.Changed();
}

void CChannelAccessList::Delete() {
    if (!CanDelete()) return;
    pending_ = EntryKey(entries_[static_cast<size_t>(selected_)]);
    if (pending_.empty()) return;
    adding_ = false;
    state_ = State::kWaiting;
    ListenTo(dialog_.Settings().chanServ, chanServId_);
    dialog_.SendToChanServ(fmt::sprintf(kDelRequest, Command(), dialog_.Channel(), pending_));
    dialog_.Changed();
}

void CChannelAccessList::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (!dynamic_cast<C_imPrivateNotice*>(&message)) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    const std::string text = Trimmed(message.text);
    if (handlerId == nickServId_ && nickServId_) {
        NickServAnswer(text);
        return;
    }
    if (handlerId != chanServId_ || !chanServId_) return;
    if (ChanServAnswer(text)) {
        EndChain();
        dialog_.Changed();
    }
}

void CChannelAccessList::NickServAnswer(const std::string& text) {
    if (state_ != State::kCheckingNick) return;
    if (Contains(text, kNotRegistered)) {
        EndChain();
        Finish();
        dialog_.Changed();
        dialog_.Services().ui.ShowMessageBox(
            {kNickUnregisteredTitle, kNickUnregisteredText, MessageIcon::Exclamation, MessageButtons::Ok});
    } else if (Contains(text, kNickEndOfInfo)) {
        EndChain();
        RemoveHandler(nickServId_);
        nickServId_ = 0;
        SendAdd();
    }
}

bool CChannelAccessList::ChanServAnswer(const std::string& text) {
    const std::string& channel = dialog_.Channel();
    const bool other = NamesOtherChannel(text, channel);
    if (Contains(text, kAdded)) {
        if (other || state_ != State::kWaiting || !adding_) return false;
        entries_.push_back(pending_ + "\t");
        selected_ = static_cast<int>(entries_.size()) - 1;
        Finish();
        return true;
    }
    if (Contains(text, kRemoved)) {
        if (other || state_ != State::kWaiting || adding_) return false;
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const std::string& entry) { return EqualsIgnoringCase(EntryKey(entry), pending_); });
        if (it != entries_.end()) {
            const int index = static_cast<int>(it - entries_.begin());
            entries_.erase(it);
            if (selected_ == index) selected_ = -1;
            else if (selected_ > index) --selected_;
        }
        Finish();
        return true;
    }
    if (Contains(text, kMatchesFound)) {
        if (other || state_ != State::kListing) return false;
        Finish();
        return true;
    }
    if (!text.empty() && std::isdigit(static_cast<unsigned char>(text[0]))) {
        if (state_ != State::kListing) return false;
        ListEntry(text);
        return true;
    }
    if (Contains(text, kSearchResults)) return !other && state_ == State::kListing;
    return false;
}

// "<n> <nick> (<description>)" or "<n> <nick>" on the AOP and SOP lists,
// "<n> <mask>" on the AKICK list.
void CChannelAccessList::ListEntry(const std::string& text) {
    const size_t space = text.find(' ');
    if (space == std::string::npos) return;
    const std::string entry = Trimmed(std::string_view(text).substr(space + 1));
    if (entry.empty()) return;
    if (kind_ == Kind::kAkick) {
        entries_.push_back(entry);
        return;
    }
    std::string nick = entry;
    std::string description;
    if (const size_t gap = entry.find(' '); gap != std::string::npos) {
        nick = entry.substr(0, gap);
        const size_t open = entry.find('(');
        const size_t close = open == std::string::npos ? open : entry.find(')', open + 1);
        if (close != std::string::npos) description = entry.substr(open + 1, close - open - 1);
    } else if (entry.find('!') == std::string::npos) {
        description = kNickExpired;
    }
    entries_.push_back(nick + "\t" + description);
}

}  // namespace parlevox
