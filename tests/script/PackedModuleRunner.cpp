#include "PackedModuleRunner.h"

#include "script/CompileScope.h"
#include "script/ScriptError.h"

namespace parlevox::test {

std::vector<std::string> PackedModuleRunner::Run(const std::string& name, const CVariable& argument,
                                                 CVariable* result) {
    lines_.clear();
    watchdog_.RunStarts();
    CVariable value = Call(name, argument);
    if (result) *result = value;
    return lines_;
}

std::string PackedModuleRunner::NameOf(VariableReference reference) {
    if (reference.scope == kScopeSystem) return std::string(SystemVariables::Name(reference.id));
    CVariableDefinitions& set = reference.scope == kScopeLocal ? Locals() : module_.ModuleWide();
    const CVariableDefinitions::Entry* entry = set.FindById(reference.id);
    return entry ? entry->name : std::string();
}

// A %name% in a command line: what the running function can see.
std::optional<CVariable> PackedModuleRunner::Lookup(const std::string& name) {
    CCompileScope scope(current_->Name(), &Locals(), &module_.ModuleWide(), {{module_.Id(), &module_.Globals()}});
    std::optional<VariableReference> reference = scope.ResolveVariable(name);
    if (!reference) return std::nullopt;
    return *Resolve(*reference).variable;
}

CVariable PackedModuleRunner::Call(const std::string& name, const CVariable& argument) {
    CScriptFunction* function = module_.FindFunction(name, true);
    if (!function || !function->Tree()) throw CScriptError(name + " is not a compiled function of the module");
    CScriptFunction* caller = current_;
    current_ = function;
    struct Restore {
        CScriptFunction*& current;
        CScriptFunction* saved;
        ~Restore() { current = saved; }
    } restore{current_, caller};
    return interpreter_.RunFunction(*function->Tree(), argument);
}

}  // namespace parlevox::test
