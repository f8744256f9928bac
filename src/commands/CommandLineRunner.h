#pragma once
// What windows need of the command processor: run a typed line and read the
// capture text ("!" arms it; the msg and CTCP commands then store the text
// they sent there instead of echoing it).
#include <string>
#include <string_view>

namespace parlevox {

class CommandOutput;

class CommandLineRunner {
public:
    virtual ~CommandLineRunner() = default;
    // channel: the name of the window the line was typed in (a channel, a
    // partner's nick, or empty); nick: the nick the line refers to, or
    // "!script" for a line from a script.
    virtual void Run(std::string_view line, const std::string& channel, const std::string& nick,
                     CommandOutput& output) = 0;
    virtual std::string& CaptureText() = 0;
};

}  // namespace parlevox
