#pragma once
// The window a command writes to: the output window of the invocation (a
// channel, query or status window, or a script's output).
#include <string_view>

namespace parlevox {

class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    // A line with the client's in-text codes.
    virtual void AddLine(std::string_view text) = 0;
    virtual void Clear() = 0;
};

}  // namespace parlevox
