#pragma once
// Which windows a scheme is for: four lists of words (channels,
// private-chat partners, built-in windows, servers), each a list of
// wildcard patterns; "*" stands for every one.
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

// The window a scheme is considered for.
struct SchemeWindow {
    enum class Kind { Channel, PrivateChat, ControlBar, MessageOfTheDay, Background, TextWindow, Other };

    Kind kind = Kind::Other;
    // The channel, the chat partner's nick, or a script text window's name.
    std::string name;
    // The server the client is connected to; empty when it is not.
    std::string serverName;

    // "CControlBarWnd", "CMOTDWindow", "CBackgroundWindow" or
    // "CTextWindow:" + name; empty for windows without a kind name.
    std::string KindName() const;
};

struct SchemeUsage {
    std::vector<std::string> channels{"*"};
    std::vector<std::string> privateChats{"*"};
    std::vector<std::string> builtInWindows{"*"};
    std::vector<std::string> servers{"*"};

    // The server must match the server list; then a channel matches the
    // channel list, a window with a kind name the built-in list, a private
    // or DCC chat the partner list. Other windows never match.
    bool AppliesTo(const SchemeWindow& window) const;

    // The editor's text of names separated by spaces, as a list.
    static std::vector<std::string> WordsFromText(std::string_view text);

    bool operator==(const SchemeUsage&) const = default;
};

}  // namespace parlevox
