#include "ui/NickRegistration.h"

#include "commands/CommandLineRunner.h"
#include "common/TextHelpers.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMServer.h"
#include "irc/NetworkControl.h"
#include "platform/UserInterface.h"
#include "settings/OptionsRecord.h"
#include "ui/NickDialogsTexts.h"

namespace parlevox {
namespace {

constexpr int kNickInUse = 433;

}  // namespace

// The services are watched for the session, so the controls are off
// whenever NickServ has gone, not only while a registration runs.
CNickRegistration::CNickRegistration(const NickServServices& services, CommandLineRunner& commands,
                                     CommandOutput& output)
    : EventHandlerWindow(services.loop, services.networkWindow),
      services_(services),
      commands_(commands),
      output_(output) {
    Register(kServicesDown, nickserv::kPriority);
    Register(kServicesUp, nickserv::kPriority);
}

CNickRegistration::~CNickRegistration() = default;

std::optional<MessageBoxRequest> CNickRegistration::PasswordProblem(std::string_view password) {
    using namespace nickdialogs_text;
    MessageBoxRequest box {kInvalidPassword, {}, MessageIcon::Stop};
    if (password.find(' ') != std::string_view::npos) box.text = kPasswordSpace;
    else if (password.size() < kMinimumPassword) box.text = kPasswordShort;
    else return std::nullopt;
    return box;
}

bool CNickRegistration::PasswordChosen(int index, const std::string& password) {
    if (auto box = PasswordProblem(password)) {
        services_.ui.ShowMessageBox(*box);
        return false;
    }
    if (index < 0 || index >= kNicknameSlots) return false;
    services_.options.nicknames[static_cast<size_t>(index)].password = password;
    if (services_.optionsChanged) services_.optionsChanged();
    Start(index);
    return true;
}

bool CNickRegistration::ControlsEnabled() const {
    return services_.connection.connected && !Running() && !servicesDown_;
}

bool CNickRegistration::Start(int index) {
    if (!ControlsEnabled() || index < 0 || index >= kNicknameSlots) return false;
    const std::string nickname = services_.options.nicknames[static_cast<size_t>(index)].name;
    if (nickname.empty()) return false;
    index_ = index;
    successSeen_ = false;
    SetTimer(kTimeoutTimer, kTimeoutMs);
    Changed();
    // The server answers a change to the nick in use with nothing at all.
    if (services_.connection.currentNick == nickname) {
        SendRegistration();
        return true;
    }
    HandlerRecord inUse;
    inUse.eventType = kServerNumeric;
    inUse.filters = filter::kNumeric;
    inUse.numeric = kNickInUse;
    inUse.priority = nickserv::kPriority;
    inUseId_ = Register(inUse);
    nickId_ = Register(kNick, nickserv::kPriority);
    commands_.Run("/nick " + nickname, {}, {}, output_);
    return true;
}

const std::string& CNickRegistration::Nickname() const {
    return services_.options.nicknames[static_cast<size_t>(index_)].name;
}

void CNickRegistration::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    if (message.eventType == kServicesDown || message.eventType == kServicesUp) {
        servicesDown_ = message.eventType == kServicesDown;
        Changed();
        return;
    }
    if (!Running()) return;
    if (handlerId == inUseId_) OnNickInUse(message);
    else if (handlerId == nickId_) OnNickChange(message);
    else if (handlerId == answerId_) OnAnswer(message);
}

// A 433 about another nick (a "/nick" typed meanwhile) is not ours.
void CNickRegistration::OnNickInUse(CIRCMessage& message) {
    const auto& reply = static_cast<const C_imServerNumeric&>(message);
    if (!reply.ReplyParam(1).empty() && !EqualsIgnoringCase(reply.ReplyParam(1), Nickname())) return;
    Finish();
    Box(nickdialogs_text::kNickInUse, MessageIcon::Exclamation, nickdialogs_text::kProblemRegistering);
    EndChain();
}

// Someone else taking the nickname is no change of ours: the main frame
// has moved the current nick along before this runs.
void CNickRegistration::OnNickChange(CIRCMessage& message) {
    const auto& change = static_cast<const C_imNick&>(message);
    if (change.targetNick != Nickname()) return;
    const std::string& own = services_.connection.currentNick;
    if (!EqualsIgnoringCase(change.senderAddress.nick, own) && !EqualsIgnoringCase(change.targetNick, own)) return;
    SendRegistration();
}

void CNickRegistration::SendRegistration() {
    RemovePending();
    answerId_ = Register(nickserv::AnswerRecord(services_.options));
    const std::string& password = services_.options.nicknames[static_cast<size_t>(index_)].password;
    SendToServer(Loop(), NetworkWindow(),
                 nickserv::Request(services_.options, std::string(nickdialogs_text::kRegisterCommand) + password));
}

void CNickRegistration::OnAnswer(CIRCMessage& message) {
    using namespace nickdialogs_text;
    const std::string& text = message.text;
    if (successSeen_) {
        if (text.find(kDatabaseSync) == std::string::npos) return;
        Finish();
        EndChain();
        return;
    }
    if (text.find(kNowRegistered) != std::string::npos) {
        successSeen_ = true;
        Box(kRegisteredOkText, MessageIcon::Information, kRegisteredOk);
    } else if (text.find(kAlreadyRegistered) != std::string::npos) {
        Finish();
        Box(kAlreadyOwned, MessageIcon::Stop, kProblemRegistering);
    } else {
        Finish();
        Box(kNotUnderstood, MessageIcon::Exclamation, kProblemRegistering);
    }
}

void CNickRegistration::OnTimer(uint32_t timerId) {
    if (timerId != kTimeoutTimer) return;
    const bool pending = Running() && !successSeen_;
    Finish();
    if (pending) Box(nickdialogs_text::kRegistrationSlow, MessageIcon::Stop, nickdialogs_text::kProblemRegistering);
}

void CNickRegistration::RemovePending() {
    for (uint32_t* id : {&inUseId_, &nickId_}) {
        if (*id) RemoveHandler(*id);
        *id = 0;
    }
}

void CNickRegistration::Finish() {
    RemovePending();
    if (answerId_) RemoveHandler(answerId_);
    answerId_ = 0;
    KillTimer(kTimeoutTimer);
    index_ = -1;
    successSeen_ = false;
    Changed();
}

// The box runs its own loop: the state is settled before it opens.
void CNickRegistration::Box(const char* text, MessageIcon icon, const char* title) {
    services_.ui.ShowMessageBox(MessageBoxRequest {title, text, icon});
}

void CNickRegistration::Changed() {
    if (onChanged) onChanged();
}

}  // namespace parlevox
