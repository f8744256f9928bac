#pragma once
// The NickServ page of the nick information dialog: on opening it asks
// NickServ for its information about the nick and fills its fields from the
// answer's lines. The nick's owner, using it now with a stored password, may
// then change its settings from the page.
#include <cstdint>
#include <string>

#include "irc/EventHandlerWindow.h"
#include "ui/NickServLink.h"

namespace parlevox {

class NickInfoNickServView {
public:
    virtual ~NickInfoNickServView() = default;
    // The fields or the settings controls changed.
    virtual void NickServChanged() = 0;
};

class CNickInfoNickServ final : public EventHandlerWindow {
public:
    enum class KillEnforce { kUnknown, kOff, kOn };

    CNickInfoNickServ(const NickServServices& services, std::string nick);
    ~CNickInfoNickServ() override;

    void SetView(NickInfoNickServView* view) { view_ = view; }
    // The dialog opened: ask NickServ (once).
    void Open();
    // The dialog closes: nothing more is sent or taken.
    void Close();

    const std::string& Nick() const { return nick_; }
    std::string Title() const;
    bool Forwarding() const { return forwarding_; }
    const std::string& ForwardNick() const { return forwardNick_; }
    // Both address lines; "not registered" puts a hint in them.
    const std::string& Address() const { return address_; }
    const std::string& AddressSecondLine() const { return addressSecond_; }
    const std::string& Description() const { return description_; }
    KillEnforce Kill() const { return kill_; }
    // Whether the owner's settings controls are usable.
    bool SettingsUsable() const { return settingsUsable_; }
    bool Waiting() const { return answerId_ != 0; }

    // The owner's settings; nothing is sent unless SettingsUsable().
    void SetForward(const std::string& nick);
    void SetKill(bool on);
    // The password is stored for the nickname once NickServ confirms it.
    void SetPassword(const std::string& password);
    void SetUrl(const std::string& address);

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    // Whether the line is the nick's own (and not part of another nick's
    // information, asked for by another dialog).
    bool AboutThisNick(const std::string& plain);
    // True when the line ends the chain.
    bool Read(const std::string& text);
    void EndOfInfo();
    void PasswordChanged();
    void Listen();
    void StopListening();
    void Send(const std::string& command);
    void Changed();

    NickServServices services_;
    std::string nick_;
    NickInfoNickServView* view_ = nullptr;
    uint32_t answerId_ = 0;
    bool opened_ = false;
    bool closed_ = false;
    std::string otherSubject_;  // the nick whose information is passing, when not ours
    bool forwarding_ = false;
    std::string forwardNick_;
    std::string address_;
    std::string addressSecond_;
    std::string description_;
    KillEnforce kill_ = KillEnforce::kUnknown;
    bool settingsUsable_ = false;
    std::string newPassword_;
};

}  // namespace parlevox
