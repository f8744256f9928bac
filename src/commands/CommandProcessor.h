#pragma once
// Runs "/" lines typed by the user or issued by scripts, aliases and menus:
// sets sC and sN, expands variables in typed lines, splits the words, and
// offers the line to the sources (modules, plug-ins) and then to the
// built-in classes of that name in table order.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "commands/Command.h"
#include "commands/CommandArgument.h"
#include "commands/CommandEnvironment.h"
#include "commands/CommandLineRunner.h"
#include "commands/CommandSettings.h"

namespace parlevox {

class CommandHost;
class CommandSource;
class CommandVariables;

class CommandProcessor final : public CommandLineRunner {
public:
    CommandProcessor(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection, CommandHost& host,
                     CommandVariables& variables, const CommandSettings& settings);
    ~CommandProcessor() override;

    void Run(std::string_view line, const std::string& channel, const std::string& nick,
             CommandOutput& output) override;
    std::string& CaptureText() override { return environment_.Capture(); }

    // A module, plug-in or built-in command of that name (any case).
    bool Exists(std::string_view name) const;
    void SetSettings(const CommandSettings& settings) { environment_.SetSettings(settings); }
    // Sources are asked in the order added; the caller keeps them alive.
    void AddSource(CommandSource& source) { sources_.push_back(&source); }
    void RemoveSource(CommandSource& source);

    enum class CallResult { Done, NotFound, IncorrectParameters };
    // A script's call of a built-in command with typed values; the two
    // error lines go to the output as for a typed line. A script command
    // sets the result.
    CallResult Call(std::string_view name, std::span<const CommandArgument> values, const std::string& channel,
                    CommandOutput& output, CommandResult* result = nullptr);

    // The built-in classes in table order.
    const std::vector<std::unique_ptr<CCommand>>& BuiltIns() const { return builtIns_; }
    // A built-in class of that name (any case), sources aside.
    bool HasBuiltIn(std::string_view name) const { return FindBuiltIn(name) != nullptr; }
    // The "received incorrect parameters" line with the help text of the
    // name's last class, for a script value no class could take at all.
    void WriteIncorrectParameters(std::string_view name, CommandOutput& output) const;

private:
    const std::vector<CCommand*>* FindBuiltIn(std::string_view name) const;
    template <typename Input>
    CallResult RunBuiltIn(std::string_view name, Input input, const CommandCall& call);

    CommandEnvironment environment_;
    CommandVariables& variables_;
    std::vector<CommandSource*> sources_;
    std::vector<std::unique_ptr<CCommand>> builtIns_;
    std::unordered_map<std::string, std::vector<CCommand*>> byName_;  // lower-case name
};

}  // namespace parlevox
