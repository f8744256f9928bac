#pragma once
// What a built-in command reaches while it runs: the network window, the
// connection state, the owners above (CommandHost), the settings, and the
// capture text. The command processor owns one.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "commands/CommandResult.h"
#include "commands/CommandSettings.h"
#include "commands/ScriptFiles.h"
#include "irc/ConnectionState.h"
#include "platform/WindowMessage.h"

namespace parlevox {

class CommandHost;
class CommandOutput;
class EventLoop;

// The invocation of one command: the contexts and the output window; from
// a script, where the result goes.
struct CommandCall {
    const std::string& channel;
    const std::string& nick;
    CommandOutput& output;
    CommandResult* result = nullptr;
};

class CommandEnvironment {
public:
    CommandEnvironment(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection,
                       CommandHost& host, const CommandSettings& settings);

    EventLoop& Loop() const { return loop_; }
    const ConnectionState& Connection() const { return connection_; }
    CommandHost& Host() const { return host_; }
    const CommandSettings& Settings() const { return settings_; }
    void SetSettings(const CommandSettings& settings);
    const std::string& Colour(int slot) const;
    std::string& Capture() { return capture_; }
    // The files scripts hold open (FileNew, FileOpen, ...).
    ScriptFiles& Files() { return files_; }

    // Message 0x9005 to the network window, without a terminator.
    void Send(const std::string& line) const;
    // Posted to the network window as if the server had sent it.
    void FeedParser(std::string line) const;

    // Shows `echo` in the output window, or, while the capture text is
    // armed ("!"), stores `sent` there instead.
    void EchoOrCapture(CommandOutput& output, const std::string& echo, const std::string& sent);
    // The "not available yet" line for a command whose owner is missing.
    void NotAvailable(CommandOutput& output, const std::string& name) const;

    // Keeps the cancel token of an answer that arrives later (a name
    // lookup) until it has arrived; dropping the environment cancels it.
    uint64_t KeepPending(std::shared_ptr<void> token);
    void DropPending(uint64_t id) { pending_.erase(id); }

private:

    EventLoop& loop_;
    WindowHandle networkWindow_;
    const ConnectionState& connection_;
    CommandHost& host_;
    CommandSettings settings_;
    std::array<std::string, ColourCodes::kSlots> colourCodes_;
    std::string capture_;
    ScriptFiles files_;
    std::map<uint64_t, std::shared_ptr<void>> pending_;
    uint64_t nextPending_ = 1;
};

}  // namespace parlevox
