#pragma once
// What the pages of the channel information dialog share: how they reach
// the services and the command processor, the services' addresses, the
// channel and the user's access level there.
#include <functional>
#include <string>

#include "irc/AddressRecord.h"
#include "platform/WindowMessage.h"

namespace parlevox {

class EventLoop;
class UserInterface;
struct ConnectionState;

// The ACC answer's levels; 4 and 5 are the founder.
namespace access_level {
constexpr int kAkicked = -1;
constexpr int kNormal = 0;
constexpr int kAop = 1;
constexpr int kSop = 2;
constexpr int kNoId = 3;
constexpr int kFounder = 4;
constexpr int kFounderId = 5;
}  // namespace access_level

// The text a level shows ("AOP", "Founder,ID"); other numbers as digits.
std::string AccessLevelText(int level);

struct ChannelInfoServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    const ConnectionState& state;  // the current nick
    UserInterface& ui;
    // Runs a "/" line through the command processor (the ban page's "/mode").
    std::function<void(const std::string& line)> runCommand;
    // The remembered channels' password for a channel ("" for none), and
    // remembering a new one.
    std::function<std::string(const std::string& channel)> channelPassword;
    std::function<void(const std::string& channel, const std::string& password)> rememberPassword;
};

// "Misc": where requests go ("Services host") and whose notices are the
// services' answers ("ChanServ mask", "NickServ mask").
struct ChannelServicesSettings {
    std::string servicesHost = "services.dal.net";
    AddressRecord chanServ {"ChanServ", "service", "dal.net"};
    AddressRecord nickServ {"NickServ", "service", "dal.net"};
};

class ChannelInfoContext {
public:
    virtual ~ChannelInfoContext() = default;
    virtual const ChannelInfoServices& Services() const = 0;
    virtual const ChannelServicesSettings& Settings() const = 0;
    virtual const std::string& Channel() const = 0;
    virtual int AccessLevel() const = 0;
    virtual bool ServicesUp() const = 0;
    virtual void SetAccessLevel(int level) = 0;
    // The channel is not registered: no level at all.
    virtual void ClearAccess() = 0;
    virtual void SetServicesUp(bool up) = 0;
    // An AOP, SOP or AKICK page waits for ChanServ's answer.
    virtual bool ListPageWaiting() const = 0;
    // Tells the view.
    virtual void Changed() = 0;

    bool IsFounder() const { return AccessLevel() >= access_level::kFounder; }
    // "PRIVMSG ChanServ@<services host> :<text>", as the ChanServ command sends.
    void SendToChanServ(const std::string& text) const;
    void SendToNickServ(const std::string& text) const;
};

// The first word of `text` that names a channel ("#x", "&x"), without the
// punctuation around it; empty when there is none.
std::string ChannelNamedIn(std::string_view text);
// True when the answer names a channel and it is another one.
bool NamesOtherChannel(std::string_view text, std::string_view channel);
std::string Trimmed(std::string_view text);

}  // namespace parlevox
