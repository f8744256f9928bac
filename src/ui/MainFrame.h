#pragma once
// The main frame's event duties: the handler of last resort that shows in
// the status window what no other window took (numeric replies, server
// notices, errors, invitations, own mode changes, private notices), opens
// channel, query and message-of-the-day windows for events that arrive
// without one, splits names replies into one event per person for the names
// lists, follows the user's own nick and retries a taken one while
// registering, explains kills, plays the sound events and shows the one-shot
// tips, hands DCC requests on, and runs the notify list's poll.
#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "irc/EventHandlerWindow.h"
#include "ui/NickRetry.h"

namespace parlevox {

class CChatWindow;
class CNotifyWatch;
class ColourCodes;
class CSoundSystem;
class StatusOutput;
class UserInterface;
struct ConnectionState;

// The windows the main frame opens; the window directory implements it.
class MainFrameWindows {
public:
    virtual ~MainFrameWindows() = default;
    virtual void OpenChannelWindow(const std::string& channel) = 0;
    // Opens the query window of the sender and shows the message there.
    virtual void ShowInNewQueryWindow(CIRCMessage& message) = 0;
    virtual CChatWindow& OpenMotdWindow() = 0;
    virtual void CloseMotdWindow() = 0;
    virtual void ConnectionChanged(bool /*connected*/) {}
};

// Tips shown once per user (the "One-shot information" settings).
class OneShotTips {
public:
    virtual ~OneShotTips() = default;
    virtual void ShowOnce(int tip, const char* text) = 0;
};

// Where DCC offers, chats, resumes and accepts go.
class DccHandOff {
public:
    virtual ~DccHandOff() = default;
    // True when the request was taken (it is then marked handled).
    virtual bool HandRequest(CIRCMessage& request) = 0;
};

struct MainFrameSettings {
    std::array<std::string, NickRetry::kSettings> nicks;  // "Nicknames"/"Name1".."Name3"
    bool hideMotds = false;                               // "Misc"/"Hide MOTDs"
};

struct MainFrameServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    ConnectionState& connection;
    const ColourCodes& colours;
    StatusOutput& status;
    MainFrameWindows& windows;
    UserInterface& ui;
    CSoundSystem* sounds = nullptr;
    OneShotTips* tips = nullptr;
    DccHandOff* dcc = nullptr;
};

class CMainFrame final : public EventHandlerWindow {
public:
    CMainFrame(const MainFrameServices& services, const MainFrameSettings& settings);

    void SetSettings(const MainFrameSettings& settings);
    void SetDccHandOff(DccHandOff* dcc) { services_.dcc = dcc; }
    void SetTips(OneShotTips* tips) { services_.tips = tips; }
    // The notify list it polls (timer 2) and hands the ISON replies to.
    void SetNotifyWatch(CNotifyWatch* watch) { notify_ = watch; }

    static constexpr uint32_t kNotifyTimer = 2;

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void OnTimer(uint32_t timerId) override;
    void OnIsonReply(CIRCMessage& message);
    void OnConnection(CIRCMessage& message);
    void OnNumeric(CIRCMessage& message, uint32_t handlerId);
    void OnNickInUse(CIRCMessage& message);
    void OnMotdLine(CIRCMessage& message);
    void OnPrivateMessage(CIRCMessage& message);
    void OnPrivateNotice(CIRCMessage& message);
    void OnDccRequest(CIRCMessage& message);
    void DispatchNames(const CIRCMessage& reply);
    void FollowOwnNick(const CIRCMessage& message);
    void ShowOnce(CIRCMessage& message, const std::string& line);
    void PlaySound(const char* event);
    void Tip(int tip, const char* text);

    MainFrameServices services_;
    MainFrameSettings settings_;
    NickRetry nickRetry_;
    uint32_t numericDisplayId_ = 0;
    uint32_t isonReplyId_ = 0;
    CNotifyWatch* notify_ = nullptr;
    uint32_t motdStartId_ = 0;
    uint32_t motdWatcherId_ = 0;
    std::string motdServer_;
    std::set<std::string> motdServersSeen_;
};

}  // namespace parlevox
