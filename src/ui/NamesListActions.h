#pragma once
// What the names list asks of the channel window that owns it, for the
// mouse and the keyboard: the user menu, the double-click command, and the
// keys typed while the list has the focus.
#include <string>

namespace parlevox {

class NamesListActions {
public:
    virtual ~NamesListActions() = default;
    // The script engine's user menu at the pointer, for the nick and channel.
    virtual void OpenUserMenu(const std::string& nick, const std::string& channel, int x, int y) = 0;
    // Runs the line through the command processor with the channel and nick
    // as its contexts.
    virtual void RunCommand(const std::string& line, const std::string& channel, const std::string& nick) = 0;
    // A character typed in the list; the channel window takes the focus and
    // hands it to its input line.
    virtual void ForwardCharacter(char character) = 0;
};

}  // namespace parlevox
