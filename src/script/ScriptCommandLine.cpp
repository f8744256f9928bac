#include "script/ScriptCommandLine.h"

#include <fmt/printf.h>

#include "script/InterpreterTexts.h"
#include "script/ScriptError.h"

namespace parlevox {
namespace {

std::string ValueText(const std::string& name, const std::optional<CVariable>& value) {
    if (!value) throw CScriptError(fmt::sprintf(script_text::kUnknownCommandVariable, name));
    if (value->Count() != 1 || IsArray(value->Component(0).type))
        throw CScriptError(fmt::sprintf(script_text::kCommandVariableNotScalar, name));
    const VariableComponent& c = value->Component(0);
    if (c.type == ComponentType::Int) return std::to_string(c.number);
    if (c.type == ComponentType::Function) return "{" + c.text + "}";
    return c.text;
}

}  // namespace

std::string ExpandScriptCommandLine(std::string_view text, const ScriptVariableLookup& lookup) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            line += text[i];
            continue;
        }
        const size_t close = text.find('%', i + 1);
        if (close == std::string_view::npos) throw CScriptError(script_text::kUnterminatedPercent);
        const std::string name(text.substr(i + 1, close - i - 1));
        line += name.empty() ? std::string("%") : ValueText(name, lookup(name));
        i = close;
    }
    return line;
}

}  // namespace parlevox
