#include "modules/BuiltInScriptCalls.h"

#include <vector>

#include "commands/ScriptCommand.h"
#include "common/TextHelpers.h"

namespace parlevox {
namespace {

CVariable EmptyOf(CommandResult::Type type) {
    switch (type) {
        case CommandResult::Type::None: break;
        case CommandResult::Type::Integer: return CVariable({VariableComponent::Int(0)});
        case CommandResult::Type::String: return CVariable({VariableComponent::String("")});
        case CommandResult::Type::StringArray: return CVariable({VariableComponent::StringArray({})});
    }
    return CVariable();
}

CVariable ValueOf(CommandResult& result) {
    switch (result.type) {
        case CommandResult::Type::None: break;
        case CommandResult::Type::Integer: return CVariable({VariableComponent::Int(result.number)});
        case CommandResult::Type::String: return CVariable({VariableComponent::String(std::move(result.text))});
        case CommandResult::Type::StringArray:
            return CVariable({VariableComponent::StringArray(std::move(result.texts))});
    }
    return CVariable();
}

}  // namespace

BuiltInScriptCalls::BuiltInScriptCalls(CommandProcessor& commands) : commands_(commands) {
    for (const auto& command : commands_.BuiltIns())
        if (const auto* script = dynamic_cast<const CScriptCommand*>(command.get()))
            resultTypes_[ToLower(script->Name())] = script->ResultType();
}

CommandResult::Type BuiltInScriptCalls::ResultTypeOf(std::string_view name) const {
    auto found = resultTypes_.find(ToLower(name));
    return found == resultTypes_.end() ? CommandResult::Type::None : found->second;
}

CVariable BuiltInScriptCalls::Call(std::string_view name, const CVariable& argument, ScriptRunContext& context) {
    const CommandResult::Type type = ResultTypeOf(name);
    std::vector<CommandArgument> values;
    values.reserve(argument.Count());
    for (const VariableComponent& component : argument.Components()) {
        switch (component.type) {
            case ComponentType::Int: values.push_back(CommandArgument::Integer(component.number)); break;
            case ComponentType::String:
            case ComponentType::Function: values.push_back(CommandArgument::Text(component.text)); break;
            default:  // no command takes an array
                commands_.WriteIncorrectParameters(name, context.output);
                return EmptyOf(type);
        }
    }
    CommandResult result;
    if (commands_.Call(name, values, context.channel, context.output, &result) != CommandProcessor::CallResult::Done)
        return EmptyOf(type);
    // A command that ran without giving its value gives the empty one.
    return result.type == CommandResult::Type::None ? EmptyOf(type) : ValueOf(result);
}

}  // namespace parlevox
