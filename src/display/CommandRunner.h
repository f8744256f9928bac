#pragma once
// How a scheme's command action reaches the command processor: the line
// runs as if typed in the window that owns the pane, with that window's
// context, and its output goes to that pane.
#include <string>

namespace parlevox {

struct CommandContext {
    std::string channel;       // a channel window's channel
    std::string selectedNick;  // the nick selected in its names list; empty when none
    std::string partnerNick;   // a private message or DCC chat window's partner
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual void RunCommand(const std::string& line, const CommandContext& context) = 0;
};

}  // namespace parlevox
