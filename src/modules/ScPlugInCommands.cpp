#include "modules/ScPlugInCommands.h"

#include <fmt/printf.h>

#include "modules/CommandArguments.h"
#include "modules/ScPlugInTexts.h"

namespace parlevox {

using namespace plugin_text;

CVariable ScPlugInCommands::Call(std::string_view name, const CVariable& argument, ScriptRunContext& context) {
    CScPlugInHost::FoundCommand found = host_.FindCommand(name);
    if (!found) return {};
    const std::string& expected = found.command->types;
    if (argument.TypeString() != expected) {
        context.output.AddLine(ScriptCallPrefix(colours_, found.command->name) +
                               fmt::sprintf(kIncorrectParameters, found.command->name, argument.LongTypeString(),
                                            LongTypeString(expected)));
        return {};
    }
    return host_.Run(found, argument);
}

bool ScPlugInCommands::TryRun(std::string_view name, std::span<const std::string_view> words,
                              const CommandCall& call) {
    CScPlugInHost::FoundCommand found = host_.FindCommand(name);
    if (!found) return false;
    const std::string& command = found.command->name;
    const std::string expected = LongTypeString(found.command->types);
    std::variant<CVariable, CommandArgumentProblem> argument = ArgumentFromWords(found.command->types, words);
    if (auto* value = std::get_if<CVariable>(&argument)) {
        host_.Run(found, *value);
        return true;
    }
    const CommandArgumentProblem& problem = std::get<CommandArgumentProblem>(argument);
    const std::string problemColour = colours_.Code(colour::kProblem);
    const std::string infoColour = colours_.Code(colour::kInformation);
    switch (problem.kind) {
        case CommandArgumentProblem::Kind::Insufficient:
            call.output.AddLine(fmt::sprintf(kSlashInsufficient, problemColour, command, infoColour, expected));
            break;
        case CommandArgumentProblem::Kind::NotAnInteger:
            call.output.AddLine(fmt::sprintf(kSlashNotAnInteger, problemColour, command, expected, problem.word));
            break;
        case CommandArgumentProblem::Kind::Array:
            call.output.AddLine(fmt::sprintf(kSlashArrays, problemColour, command, infoColour, expected));
            break;
    }
    return true;
}

}  // namespace parlevox
