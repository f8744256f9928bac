#include "script/StandaloneScript.h"

#include <fmt/printf.h>

#include <charconv>

#include "script/ScriptError.h"

namespace parlevox {
namespace {

constexpr const char* kNotHere = "%s is not available here: it needs the running client.";

VariableComponent ArgumentAs(char type, const std::string& text) {
    switch (type) {
        case 's': return VariableComponent::String(text);
        case 'f': return VariableComponent::Function(text);
        case 'i': {
            int32_t value = 0;
            auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc() || end != text.data() + text.size())
                throw TextError("The argument \"" + text + "\" is not a whole number (32-bit, decimal).");
            return VariableComponent::Int(value);
        }
        default: throw TextError("Array parameters cannot be given as arguments here.");
    }
}

}  // namespace

StandaloneScript::StandaloneScript(ScriptSourceFile file, FunctionNameTest otherFunctions)
    : file_(std::move(file)), otherFunctions_(std::move(otherFunctions)) {}

std::optional<CompileFailure> StandaloneScript::Compile() {
    locals_ = file_.LocalDefinitions();
    CCompileScope scope(file_.functionName, &locals_, &moduleWide_, {}, otherFunctions_);
    CompileResult result = CompileScript(file_.source, scope);
    if (auto* failure = std::get_if<CompileFailure>(&result)) return *failure;
    tree_ = std::move(std::get<std::unique_ptr<CParseTree>>(result));
    return std::nullopt;
}

std::string StandaloneScript::ParameterTypes() const {
    if (!tree_) return {};
    return tree_->ParameterSignature([this](VariableReference reference) {
        const CVariableDefinitions::Entry* entry = locals_.FindById(reference.id);
        return entry && reference.scope == kScopeLocal ? entry->value.TypeString() : std::string();
    });
}

CVariable StandaloneScript::Run(const std::vector<std::string>& arguments) {
    const std::string types = ParameterTypes();
    if (arguments.size() != types.size())
        throw TextError("The function takes " + std::to_string(types.size()) + " arguments (" + types + "), not " +
                        std::to_string(arguments.size()) + ".");
    CVariable argument;
    for (size_t i = 0; i < types.size(); ++i) argument.Append(ArgumentAs(types[i], arguments[i]));
    return Run(argument);
}

CVariable StandaloneScript::Run(const CVariable& argument) {
    if (!tree_) throw TextError("The function has not been compiled.");
    watchdog_.RunStarts();
    return interpreter_.RunFunction(*tree_, argument);
}

ResolvedVariable StandaloneScript::Resolve(VariableReference reference) {
    return resolver_.Resolve(reference, *this);
}

std::string StandaloneScript::NameOf(VariableReference reference) {
    if (reference.scope == kScopeSystem) return std::string(SystemVariables::Name(reference.id));
    const CVariableDefinitions& set = reference.scope == kScopeLocal ? locals_ : moduleWide_;
    const CVariableDefinitions::Entry* entry = set.FindById(reference.id);
    return entry ? entry->name : std::string();
}

std::optional<CVariable> StandaloneScript::Lookup(const std::string& name) {
    CCompileScope scope(file_.functionName, &locals_, &moduleWide_, {});
    std::optional<VariableReference> reference = scope.ResolveVariable(name);
    if (!reference) return std::nullopt;
    return *Resolve(*reference).variable;
}

CVariable StandaloneScript::Call(const std::string& name, const CVariable& argument) {
    if (name != file_.functionName || !tree_) throw CScriptError(fmt::sprintf(kNotHere, name));
    // A call of its own starts with fresh locals, as a new invocation would.
    // Moved, not copied: places the caller holds keep pointing at its own variables.
    CVariableDefinitions callerLocals = std::move(locals_);
    locals_ = file_.LocalDefinitions();
    struct Restore {
        CVariableDefinitions& locals;
        CVariableDefinitions saved;
        ~Restore() { locals = std::move(saved); }
    } restore{locals_, std::move(callerLocals)};
    // As at any call: a fault ends the called function only, and its
    // caller goes on with an empty result.
    try {
        return interpreter_.RunFunction(*tree_, argument);
    } catch (const TextError& fault) {
        faults_.push_back(fault.Text());
        return {};
    }
}

}  // namespace parlevox
