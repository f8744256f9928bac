#include "commands/CommandProcessor.h"

#include <algorithm>

#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandOutput.h"
#include "commands/CommandSource.h"
#include "commands/CommandTexts.h"
#include "commands/CommandVariables.h"
#include "commands/CommandWords.h"
#include "common/TextHelpers.h"

namespace parlevox {
namespace {

constexpr std::string_view kScriptNick = "!script";

}  // namespace

CommandProcessor::CommandProcessor(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection,
                                   CommandHost& host, CommandVariables& variables, const CommandSettings& settings)
    : environment_(loop, networkWindow, connection, host, settings), variables_(variables) {
    AddBuiltInCommands(builtIns_);
    for (const auto& command : builtIns_) byName_[ToLower(command->Name())].push_back(command.get());
}

CommandProcessor::~CommandProcessor() = default;

void CommandProcessor::RemoveSource(CommandSource& source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), &source), sources_.end());
}

void CommandProcessor::Run(std::string_view line, const std::string& channel, const std::string& nick,
                           CommandOutput& output) {
    variables_.SetContext(channel, nick);
    bool fromScript = nick == kScriptNick;
    static const std::string kNone;
    CommandCall call {channel, fromScript ? kNone : nick, output};

    std::string expanded;
    if (!fromScript) {
        switch (ExpandVariables(line, variables_, expanded)) {
            case ExpandResult::Unchanged: break;
            case ExpandResult::Expanded: line = expanded; break;
            case ExpandResult::TooLong:
                output.AddLine(fmt::sprintf(texts::kExpandedLineTooLong, environment_.Colour(colour::kProblem),
                                            static_cast<int>(kMaxExpandedLine)));
                return;
        }
    }
    // Large (2 KB of views) but reentrant: a command may run further lines.
    auto words = std::make_unique<WordList>();
    words->Split(line);
    std::string_view name = words->Count() ? BareWord(words->operator[](0)) : std::string_view();
    if (!name.empty()) name.remove_prefix(1);
    std::span<const std::string_view> rest = words->From(1);

    for (CommandSource* source : sources_)
        if (source->TryRun(name, rest, call)) return;
    RunBuiltIn(name, rest, call);
}

CommandProcessor::CallResult CommandProcessor::Call(std::string_view name, std::span<const CommandArgument> values,
                                                    const std::string& channel, CommandOutput& output,
                                                    CommandResult* result) {
    static const std::string kNone;
    return RunBuiltIn(name, values, CommandCall {channel, kNone, output, result});
}

bool CommandProcessor::Exists(std::string_view name) const {
    for (const CommandSource* source : sources_)
        if (source->Has(name)) return true;
    return FindBuiltIn(name) != nullptr;
}

const std::vector<CCommand*>* CommandProcessor::FindBuiltIn(std::string_view name) const {
    auto found = byName_.find(ToLower(name));
    return found == byName_.end() ? nullptr : &found->second;
}

template <typename Input>
CommandProcessor::CallResult CommandProcessor::RunBuiltIn(std::string_view name, Input input, const CommandCall& call) {
    const std::vector<CCommand*>* candidates = FindBuiltIn(name);
    if (!candidates) {
        call.output.AddLine(fmt::sprintf(texts::kCommandNotFound, environment_.Colour(colour::kProblem), name));
        return CallResult::NotFound;
    }
    for (CCommand* command : *candidates)
        if (command->Run(input, call, environment_)) return CallResult::Done;
    WriteIncorrectParameters(name, call.output);
    return CallResult::IncorrectParameters;
}

void CommandProcessor::WriteIncorrectParameters(std::string_view name, CommandOutput& output) const {
    const std::vector<CCommand*>* candidates = FindBuiltIn(name);
    output.AddLine(fmt::sprintf(texts::kIncorrectParameters, environment_.Colour(colour::kProblem), name,
                                environment_.Colour(colour::kInformation)) +
                   (candidates ? candidates->back()->Help() : std::string()));
}

}  // namespace parlevox
