#include "script/ScriptCommandVariables.h"

#include "script/SystemVariables.h"

namespace parlevox {

void ScriptCommandVariables::SetContext(std::string_view channel, std::string_view nick) {
    system_.SetString("sC", channel);
    system_.SetString("sN", nick);
}

std::optional<std::string> ScriptCommandVariables::ValueText(std::string_view name) {
    int32_t number = SystemVariables::Number(name);
    if (number == 0) return std::nullopt;
    const CVariable* value = system_.Read(number);
    if (!value || value->Count() != 1) return std::nullopt;
    const VariableComponent& component = value->Component(0);
    switch (component.type) {
        case ComponentType::String:
        case ComponentType::Function: return component.text;
        case ComponentType::Int: return std::to_string(component.number);
        default: return std::nullopt;
    }
}

}  // namespace parlevox
