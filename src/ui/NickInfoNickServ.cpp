#include "ui/NickInfoNickServ.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"
#include "irc/ConnectionState.h"
#include "irc/IRCMessage.h"
#include "irc/NetworkControl.h"
#include "platform/UserInterface.h"
#include "settings/OptionsRecord.h"
#include "ui/NickDialogsTexts.h"
#include "ui/NickRegistration.h"

namespace parlevox {
namespace {

using namespace nickdialogs_text;

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text after the first ":", or nothing without one.
std::string_view AfterColon(std::string_view text) {
    const size_t colon = text.find(':');
    return colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
}

bool IsNickByte(char c) {
    return c != '\0' && std::string_view(kAllowedNickCharacters).find(c) != std::string_view::npos;
}

// The nick as a word of the line, in any case.
bool NamesNick(std::string_view line, std::string_view nick) {
    for (size_t at = FindIgnoringCase(line, nick); at != std::string_view::npos;
         at = FindIgnoringCase(line, nick, at + 1)) {
        const size_t end = at + nick.size();
        if ((at == 0 || !IsNickByte(line[at - 1])) && (end == line.size() || !IsNickByte(line[end]))) return true;
    }
    return false;
}

}  // namespace

CNickInfoNickServ::CNickInfoNickServ(const NickServServices& services, std::string nick)
    : EventHandlerWindow(services.loop, services.networkWindow), services_(services), nick_(std::move(nick)) {}

CNickInfoNickServ::~CNickInfoNickServ() = default;

std::string CNickInfoNickServ::Title() const {
    return fmt::sprintf(kNickServTitle, nick_);
}

void CNickInfoNickServ::Open() {
    if (opened_ || closed_ || nick_.empty()) return;
    opened_ = true;
    Listen();
    Send(kInfoCommand + nick_);
    Changed();
}

void CNickInfoNickServ::Close() {
    closed_ = true;
    StopListening();
}

void CNickInfoNickServ::Listen() {
    if (!answerId_ && !closed_) answerId_ = Register(nickserv::AnswerRecord(services_.options));
}

void CNickInfoNickServ::StopListening() {
    if (answerId_) RemoveHandler(answerId_);
    answerId_ = 0;
    otherSubject_.clear();
}

void CNickInfoNickServ::Send(const std::string& command) {
    SendToServer(Loop(), NetworkWindow(), nickserv::Request(services_.options, command));
}

void CNickInfoNickServ::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (handlerId != answerId_ || !answerId_) return;
    if (!AboutThisNick(nickserv::PlainText(message.text))) return;
    if (Read(message.text)) EndChain();
    Changed();
}

// Each dialog asks for its own nick; the information about another passes
// from its head ("*** Info about carol ***") to its end untouched.
bool CNickInfoNickServ::AboutThisNick(const std::string& plain) {
    if (StartsWith(plain, kInfoAbout)) {
        std::string_view subject = std::string_view(plain).substr(std::string_view(kInfoAbout).size());
        subject = subject.substr(0, subject.find_first_of(" *"));
        if (EqualsIgnoringCase(subject, nick_)) otherSubject_.clear();
        else otherSubject_ = subject;
        return otherSubject_.empty();
    }
    if (!otherSubject_.empty()) {
        if (Contains(plain, kEndOfInfo)) otherSubject_.clear();
        return false;
    }
    return !Contains(plain, kNotRegistered) || NamesNick(plain, nick_);
}

bool CNickInfoNickServ::Read(const std::string& text) {
    if (Contains(text, kNotRegistered)) {
        StopListening();
        description_ = kNickNotRegistered;
        address_ = kSeeWhoisFor;
        addressSecond_ = kAvailableInfo;
        return false;
    }
    if (Contains(text, kCurrentlyOnIrc)) return false;
    if (Contains(text, kMemosForward)) {
        forwarding_ = true;
        // The nick may itself be in bold: the codes before it are no end.
        std::string_view forward = AfterColon(text);
        forward.remove_prefix(std::min(forward.size(), forward.find_first_not_of(" \x02")));
        forwardNick_ = nickserv::PlainText(TrimBlanks(forward.substr(0, forward.find('\x02'))));
        return false;
    }
    if (Contains(text, kLastSeenAddress)) {
        address_ = nickserv::PlainText(TrimBlanks(AfterColon(text)));
        return false;
    }
    if (Contains(text, kKillEnforce)) {
        kill_ = KillEnforce::kOn;
        return true;
    }
    if (Contains(text, kEndOfInfo)) {
        EndOfInfo();
        return true;
    }
    if (const size_t is = text.find(kIs); is != std::string::npos && !StartsWith(text, kStarsPrefix)) {
        std::string_view description = std::string_view(text).substr(is + std::string_view(kIs).size());
        if (const size_t bracket = description.find(']'); bracket != std::string_view::npos)
            description = description.substr(bracket + 1);
        description_ = nickserv::PlainText(TrimBlanks(description));
        return true;
    }
    if (Contains(text, kPasswordChanged)) {
        StopListening();
        PasswordChanged();
        return false;
    }
    if (Contains(text, kAccessDenied)) {
        StopListening();
        newPassword_.clear();
        services_.ui.ShowMessageBox({kProblemChangingPassword, kPasswordNotChanged, MessageIcon::Exclamation});
        return false;
    }
    return false;
}

void CNickInfoNickServ::EndOfInfo() {
    StopListening();
    if (kill_ == KillEnforce::kUnknown) kill_ = KillEnforce::kOff;
    const int slot = nickserv::SlotOf(services_.options, nick_);
    settingsUsable_ = slot >= 0 && !services_.options.nicknames[static_cast<size_t>(slot)].password.empty() &&
                      EqualsIgnoringCase(services_.connection.currentNick, nick_);
}

void CNickInfoNickServ::PasswordChanged() {
    const int slot = nickserv::SlotOf(services_.options, nick_);
    if (slot < 0 || newPassword_.empty()) {
        PARLEVOX_INTERNAL_ERROR();
        return;
    }
    services_.options.nicknames[static_cast<size_t>(slot)].password = newPassword_;
    newPassword_.clear();
    if (services_.optionsChanged) services_.optionsChanged();
}

void CNickInfoNickServ::SetForward(const std::string& nick) {
    if (!settingsUsable_) return;
    Send(kSetForward + nick);
    forwarding_ = true;
    forwardNick_ = nick;
    Changed();
}

void CNickInfoNickServ::SetKill(bool on) {
    if (!settingsUsable_) return;
    Send(on ? kSetKillOn : kSetKillOff);
    kill_ = on ? KillEnforce::kOn : KillEnforce::kOff;
    Changed();
}

// A password with a blank would reach NickServ as a shorter one.
void CNickInfoNickServ::SetPassword(const std::string& password) {
    if (!settingsUsable_) return;
    if (auto box = CNickRegistration::PasswordProblem(password)) {
        services_.ui.ShowMessageBox(*box);
        return;
    }
    Listen();
    newPassword_ = password;
    Send(kSetPassword + password);
}

void CNickInfoNickServ::SetUrl(const std::string& address) {
    if (settingsUsable_) Send(kSetUrl + address);
}

void CNickInfoNickServ::Changed() {
    if (view_) view_->NickServChanged();
}

}  // namespace parlevox
