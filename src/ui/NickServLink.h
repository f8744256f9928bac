#pragma once
// What the nickname dialogs share in talking to NickServ: the services they
// need, the request line, and the handler record that takes NickServ's
// private notices (only from the configured address mask, so a user who
// merely calls himself NickServ is not heard).
#include <functional>
#include <string>
#include <string_view>

#include "irc/HandlerRecord.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class OptionsRecord;
class UserInterface;
struct ConnectionState;

struct NickServServices {
    EventLoop& loop;
    WindowHandle networkWindow;
    const ConnectionState& connection;
    UserInterface& ui;
    // The three nicknames with their passwords, the services host and
    // NickServ's mask, read when needed; a change is saved through
    // optionsChanged.
    OptionsRecord& options;
    std::function<void()> optionsChanged;
};

namespace nickserv {

// The answers come at this priority, ahead of the status window.
inline constexpr int32_t kPriority = priority::kConnection;

// "PRIVMSG NickServ@<services host> :<command>", as the "/nickserv" command
// sends it; plain "NickServ" without a services host.
std::string Request(const OptionsRecord& options, std::string_view command);
// Private notices from NickServ's mask.
HandlerRecord AnswerRecord(const OptionsRecord& options);
// The notice text without bold, colour and other control codes.
std::string PlainText(std::string_view text);
// The index (0-2) of the nickname slot holding nick (any case); -1: none.
int SlotOf(const OptionsRecord& options, std::string_view nick);

}  // namespace nickserv
}  // namespace parlevox
