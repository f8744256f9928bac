#pragma once
// Registering one of the three nicknames with NickServ (the nicknames
// page): the password is checked and stored with the nickname, the client
// changes to the nickname, and once the server confirms the change the
// registration goes to NickServ. Every outcome is a box; an answer that
// never comes ends in one after 20 seconds, so the page is never stuck.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/MessageBox.h"
#include "irc/EventHandlerWindow.h"
#include "ui/NickServLink.h"

namespace parlevox {

class CommandLineRunner;
class CommandOutput;

class CNickRegistration final : public EventHandlerWindow {
public:
    static constexpr uint32_t kTimeoutMs = 20000;
    static constexpr uint32_t kTimeoutTimer = 1;
    static constexpr size_t kMinimumPassword = 7;

    // commands and output: where "/nick <nickname>" runs.
    CNickRegistration(const NickServServices& services, CommandLineRunner& commands, CommandOutput& output);
    ~CNickRegistration() override;

    // The box a registration password gets, or none for a good one.
    static std::optional<MessageBoxRequest> PasswordProblem(std::string_view password);
    // OK in the password dialog for nickname index: false (after the box)
    // when the dialog must stay open; otherwise the password is stored with
    // the nickname and the registration starts.
    bool PasswordChosen(int index, const std::string& password);
    // Registers nickname index (0-2) with its stored password; false when
    // one is already running or the slot has no nickname.
    bool Start(int index);

    bool Running() const { return index_ >= 0; }
    // Whether the page's registration controls are usable: only while
    // connected, and not while a registration runs or the services are down.
    bool ControlsEnabled() const;
    // Running() or ControlsEnabled() changed.
    std::function<void()> onChanged;

    void OnTimer(uint32_t timerId) override;

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void OnNickInUse(CIRCMessage& message);
    void OnNickChange(CIRCMessage& message);
    void OnAnswer(CIRCMessage& message);
    void SendRegistration();
    void RemovePending();
    void Finish();
    void Box(const char* text, MessageIcon icon, const char* title);
    const std::string& Nickname() const;
    void Changed();

    NickServServices services_;
    CommandLineRunner& commands_;
    CommandOutput& output_;
    int index_ = -1;
    uint32_t inUseId_ = 0;
    uint32_t nickId_ = 0;
    uint32_t answerId_ = 0;
    bool successSeen_ = false;
    bool servicesDown_ = false;
};

}  // namespace parlevox
