#pragma once
// The programs "/run" and the scripts' Run command may start: those on the
// allow list start at once, any other only once the person agrees. Scripts
// and modules written by others must not start programs behind the
// person's back.
//
// A program is named by its resolved absolute path, compared exactly: file
// names are case-sensitive, so "~/bin/Tool" is not an allowed "~/bin/tool".
// Entries of an older list are kept as they were written. The program is
// started without a shell; its argument text is split into words by
// SplitRunArguments and nothing else in it has a meaning.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "irc/ColourCodes.h"
#include "platform/UserInterface.h"

namespace parlevox {

class CommandOutput;

// Words separated by blanks or tabs; double quotes group (and may make an
// empty word), a backslash takes the next byte as it is, inside quotes or
// out. Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitRunArguments(std::string_view text);

class RunPermissions {
public:
    // Writes the whole list after an addition.
    using Saver = std::function<void(const std::vector<std::string>& allowed)>;

    enum class Outcome { Started, Refused, Cancelled, Failed };

    // A shorter path (four characters or fewer) is never run.
    static constexpr size_t kMinPathLength = 5;
    // The arguments a question shows; a script must not fill the screen.
    static constexpr size_t kMaxShownArguments = 1024;

    RunPermissions(UserInterface& ui, const ColourCodes& colours, std::vector<std::string> allowed, Saver saver);

    // Checks, asks when the program is not allowed, and starts it. The
    // failure line goes to `output` when the path or the arguments cannot
    // be used (Refused) or the program does not start (Failed); Cancel
    // writes nothing.
    Outcome Run(const std::string& program, const std::string& arguments, CommandOutput& output);

    // The absolute path without "." and ".." or links, of something that
    // is no folder; nothing when there is none or the path is not usable.
    static std::optional<std::string> Resolve(const std::string& program);

    const std::vector<std::string>& Allowed() const { return allowed_; }
    bool IsAllowed(std::string_view resolved) const;

private:
    MessageResult Ask(const std::string& resolved, const std::string& arguments);
    void Allow(const std::string& resolved);
    void WriteFailure(const std::string& program, CommandOutput& output) const;

    UserInterface& ui_;
    const ColourCodes& colours_;
    std::vector<std::string> allowed_;
    Saver saver_;
};

}  // namespace parlevox
