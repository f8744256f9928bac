#include "ui/ChannelInfoMain.h"

#include <fmt/printf.h>

#include <array>

#include "common/MessageBox.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMNotice.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox {

using namespace chanserv_text;

CChannelInfoMain::CChannelInfoMain(ChannelInfoContext& dialog)
    : EventHandlerWindow(dialog.Services().loop, dialog.Services().networkWindow), dialog_(dialog) {
    fields_.registered = kPleaseWait;
}

void CChannelInfoMain::Open() {
    if (closed_) return;
    ListenToChanServ();
    if (!servicesWatched_) {
        Register(kServicesDown, priority::kConnection);
        Register(kServicesUp, priority::kConnection);
        servicesWatched_ = true;
    }
    IdentifyWithRememberedPassword();
    dialog_.SendToChanServ(fmt::sprintf(kAcc, dialog_.Channel(), dialog_.Services().state.currentNick));
    dialog_.SendToChanServ(fmt::sprintf(kInfo, dialog_.Channel()));
    changed_ = 0;
    dialog_.Changed();
}

void CChannelInfoMain::Close() {
    closed_ = true;
    KillTimer(kFounderTimer);
    KillTimer(kPasswordTimer);
    RemoveAllHandlers();
    chanServId_ = 0;
    servicesWatched_ = false;
}

void CChannelInfoMain::ListenToChanServ() {
    if (chanServId_ || closed_) return;
    HandlerRecord record;
    record.eventType = kPrivateNotice;
    record.filters = filter::kMask;
    record.mask = dialog_.Settings().chanServ;
    record.priority = priority::kConnection;
    chanServId_ = Register(std::move(record));
}

void CChannelInfoMain::StopListening() {
    if (chanServId_) RemoveHandler(chanServId_);
    chanServId_ = 0;
}

// The conversation ends once everything asked has been answered.
void CChannelInfoMain::FinishIfDone() {
    if (infoEnded_ && accAnswered_ && founderPassword_.empty() && newPassword_.empty()) StopListening();
}

void CChannelInfoMain::IdentifyWithRememberedPassword() {
    const auto& passwordOf = dialog_.Services().channelPassword;
    const std::string password = passwordOf ? passwordOf(dialog_.Channel()) : std::string();
    if (!password.empty()) dialog_.SendToChanServ(fmt::sprintf(kIdentify, dialog_.Channel(), password));
}

void CChannelInfoMain::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (message.eventType == kServicesDown) {
        dialog_.SetServicesUp(false);
        ShowBox(kServicesDownTitle, kServicesDownText, MessageIcon::Exclamation);
        return;
    }
    if (message.eventType == kServicesUp) {
        IdentifyWithRememberedPassword();
        dialog_.SetServicesUp(true);
        return;
    }
    if (handlerId != chanServId_ || !dynamic_cast<C_imPrivateNotice*>(&message)) return;
    const Verdict verdict = Answer(message.text);
    // What the page does not know may be a list page's answer; another
    // channel's answer is another dialog's.
    if (verdict == Verdict::kMine || (verdict == Verdict::kUnknown && !dialog_.ListPageWaiting())) EndChain();
    dialog_.Changed();
}

CChannelInfoMain::Verdict CChannelInfoMain::Answer(const std::string& text) {
    const std::string& channel = dialog_.Channel();
    auto has = [&](const char* phrase) { return text.find(phrase) != std::string::npos; };
    if (has(kNotRegistered)) {
        if (NamesOtherChannel(text, channel)) return Verdict::kOtherChannel;
        unregistered_ = true;
        fields_.registered = kUnregistered;
        dialog_.ClearAccess();
        KillTimer(kFounderTimer);
        KillTimer(kPasswordTimer);
        founderPassword_.clear();
        newPassword_.clear();
        StopListening();
        return Verdict::kMine;
    }
    if (FieldAnswer(text)) return Verdict::kMine;
    if (has(kMemoSop) || has(kMemoFounder)) {
        fields_.memoSop = true;
        return Verdict::kMine;
    }
    if (has(kEndOfInfo)) {
        infoEnded_ = true;
        FinishIfDone();
        return Verdict::kMine;
    }
    if (has(kAccessDenied)) {
        // Only the founder and password requests are answered this way.
        if (founderPassword_.empty() && newPassword_.empty()) return Verdict::kUnknown;
        KillTimer(kFounderTimer);
        KillTimer(kPasswordTimer);
        founderPassword_.clear();
        newPassword_.clear();
        StopListening();
        ShowBox(kFounderFailureTitle, kFounderFailureText, MessageIcon::Stop);
        return Verdict::kMine;
    }
    if (has(kFounderAccessUser)) {
        if (NamesOtherChannel(text, channel)) return Verdict::kOtherChannel;
        KillTimer(kFounderTimer);
        fields_.founder = dialog_.Services().state.currentNick;
        if (!founderPassword_.empty() && dialog_.Services().rememberPassword)
            dialog_.Services().rememberPassword(channel, founderPassword_);
        founderPassword_.clear();
        accAnswered_ = true;
        dialog_.SetAccessLevel(access_level::kFounderId);
        FinishIfDone();
        return Verdict::kMine;
    }
    if (has(kFounderAccessPassword)) {
        if (NamesOtherChannel(text, channel)) return Verdict::kOtherChannel;
        KillTimer(kPasswordTimer);
        if (!newPassword_.empty() && dialog_.Services().rememberPassword)
            dialog_.Services().rememberPassword(channel, newPassword_);
        newPassword_.clear();
        FinishIfDone();
        ShowBox(kPasswordChangedTitle, kPasswordChangedText, MessageIcon::Information);
        return Verdict::kMine;
    }
    if (has(kAccAnswer)) {
        if (NamesOtherChannel(text, channel)) return Verdict::kOtherChannel;
        AccAnswer(text);
        return Verdict::kMine;
    }
    if (size_t at = text.find(kOptionsLabel); at != std::string::npos) {
        OptionsAnswer(std::string_view(text).substr(at + std::char_traits<char>::length(kOptionsLabel)));
        return Verdict::kMine;
    }
    return Verdict::kUnknown;
}

bool CChannelInfoMain::FieldAnswer(const std::string& text) {
    const std::array<std::pair<const char*, std::string*>, 6> labels {{{kDescriptionLabel, &fields_.description},
                                                                        {kModeLockLabel, &fields_.modeLock},
                                                                        {kUrlLabel, &fields_.url},
                                                                        {kFounderLabel, &fields_.founder},
                                                                        {kRegisteredLabel, &fields_.registered},
                                                                        {kLastOppingLabel, &fields_.lastOpping}}};
    for (const auto& [label, field] : labels) {
        const size_t at = text.find(label);
        if (at == std::string::npos) continue;
        *field = Trimmed(std::string_view(text).substr(at + std::char_traits<char>::length(label)));
        return true;
    }
    return false;
}

// The level is the last character, a digit, negative after a "-". An
// answer without one is read as no access: it is the services' text, not
// the client's fault.
void CChannelInfoMain::AccAnswer(const std::string& text) {
    accAnswered_ = true;
    int level = access_level::kNormal;
    if (!text.empty() && text.back() >= '0' && text.back() <= '9') {
        level = text.back() - '0';
        if (text.size() >= 2 && text[text.size() - 2] == '-') level = -level;
    }
    dialog_.SetAccessLevel(level);
    FinishIfDone();
}

void CChannelInfoMain::OptionsAnswer(std::string_view options) {
    if (options.find(kTopicLockFounder) != std::string_view::npos) fields_.topicLock = TopicLock::kFounder;
    if (options.find(kTopicLockSop) != std::string_view::npos) fields_.topicLock = TopicLock::kSop;
    if (options.find(kRestrictedOption) != std::string_view::npos) fields_.restricted = true;
    if (options.find(kIdentOption) != std::string_view::npos) fields_.ident = true;
}

bool CChannelInfoMain::SettingsEditable() const {
    return infoEnded_ && !unregistered_ && !closed_ && dialog_.IsFounder() && dialog_.ServicesUp();
}

bool CChannelInfoMain::FounderButtonEnabled() const {
    return (infoEnded_ || unregistered_) && !closed_ && dialog_.ServicesUp() && founderPassword_.empty();
}

bool CChannelInfoMain::PasswordButtonEnabled() const {
    return !unregistered_ && !closed_ && dialog_.IsFounder() && dialog_.ServicesUp() && newPassword_.empty();
}

const char* CChannelInfoMain::FounderButtonText() const {
    return unregistered_ ? kRegister : kBecomeFounder;
}

void CChannelInfoMain::Apply() {
    if (!dialog_.IsFounder() || closed_) return;
    const std::string set = fmt::sprintf(kSet, dialog_.Channel());
    auto send = [&](uint32_t setting, const std::string& rest) {
        if (changed_ & setting) dialog_.SendToChanServ(set + rest);
    };
    send(kDescription, kSetDesc + fields_.description);
    send(kUrl, kSetUrl + fields_.url);
    send(kModeLock, kSetMlock + fields_.modeLock);
    send(kIdent, fields_.ident ? kIdentOn : kIdentOff);
    send(kMemo, fields_.memoSop ? kMemoSopSetting : kMemoAop);
    send(kRestricted, fields_.restricted ? kRestrictOn : kRestrictOff);
    const char* topicLocks[] = {kTopicLockOff, kTopicLockSopSetting, kTopicLockFounderSetting};
    send(kTopicLock, topicLocks[static_cast<int>(fields_.topicLock)]);
    changed_ = 0;
    dialog_.Changed();
}

void CChannelInfoMain::FounderButton() {
    if (!FounderButtonEnabled()) return;
    if (unregistered_) RegisterChannel();
    else BecomeFounder();
}

void CChannelInfoMain::BecomeFounder() {
    std::optional<std::string> password =
        dialog_.Services().ui.PromptText(kBecomeFounderPrompt, kBecomeFounderTitle, "");
    if (!password || password->empty() || closed_) return;
    founderPassword_ = *password;
    ListenToChanServ();
    dialog_.SendToChanServ(fmt::sprintf(kIdentifyFounder, dialog_.Channel(), founderPassword_));
    dialog_.SendToChanServ(fmt::sprintf(kSetFounder, dialog_.Channel()));
    SetTimer(kFounderTimer, kTimeoutMs);
    dialog_.Changed();
}

void CChannelInfoMain::ChangePassword() {
    if (!PasswordButtonEnabled()) return;
    std::optional<std::string> password =
        dialog_.Services().ui.PromptText(kChangePasswordPrompt, kChangePasswordTitle, "");
    if (!password || password->empty() || closed_) return;
    newPassword_ = *password;
    ListenToChanServ();
    dialog_.SendToChanServ(fmt::sprintf(kSetPassword, dialog_.Channel(), newPassword_));
    SetTimer(kPasswordTimer, kTimeoutMs);
    dialog_.Changed();
}

void CChannelInfoMain::RegisterChannel() {
    UserInterface& ui = dialog_.Services().ui;
    std::optional<std::string> password = ui.PromptText(kRegisterPasswordPrompt, kRegisterTitle, "");
    if (!password || password->empty()) return;
    std::optional<std::string> description = ui.PromptText(kRegisterDescriptionPrompt, kRegisterTitle, "");
    if (!description || description->empty() || closed_) return;
    dialog_.SendToChanServ(fmt::sprintf(kRegisterRequest, dialog_.Channel(), *password, *description));
    if (dialog_.Services().rememberPassword) dialog_.Services().rememberPassword(dialog_.Channel(), *password);
}

void CChannelInfoMain::OnTimer(uint32_t timerId) {
    KillTimer(timerId);
    if (timerId == kFounderTimer) {
        founderPassword_.clear();
        FinishIfDone();
        dialog_.Changed();
        ShowBox(kFounderTimeoutTitle, kFounderTimeoutText, MessageIcon::Exclamation);
    } else if (timerId == kPasswordTimer) {
        newPassword_.clear();
        FinishIfDone();
        dialog_.Changed();
        ShowBox(kPasswordTimeoutTitle, kPasswordTimeoutText, MessageIcon::Exclamation);
    }
}

void CChannelInfoMain::OpenUrl() {
    if (fields_.url.empty()) return;
    auto failed = [ui = &dialog_.Services().ui] {
        ui->ShowMessageBox({kUrlErrorTitle, kUrlErrorText, MessageIcon::Exclamation, MessageButtons::Ok});
    };
    if (!Shell::Open(fields_.url, failed)) failed();
}

void CChannelInfoMain::ShowBox(const char* title, const char* text, MessageIcon icon) {
    dialog_.Services().ui.ShowMessageBox({title, text, icon, MessageButtons::Ok});
}

}  // namespace parlevox
