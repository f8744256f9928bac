#pragma once
// The window a command writes to: the output window of the invocation (a
// channel, query or status window, or a script's output).
#include <memory>
#include <string_view>

namespace parlevox {

class CommandOutput {
public:
    CommandOutput() = default;
    // A copy is another window: it gets a lifetime of its own.
    CommandOutput(const CommandOutput&) : alive_(std::make_shared<const int>(0)) {}
    CommandOutput& operator=(const CommandOutput&) { return *this; }
    virtual ~CommandOutput() = default;
    // A line with the client's in-text codes.
    virtual void AddLine(std::string_view text) = 0;
    virtual void Clear() = 0;

    // Expires when this output goes: an answer that arrives later (a name
    // lookup) checks it before writing.
    std::weak_ptr<const void> Lifetime() const { return alive_; }

private:
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace parlevox
