#include "script/CompileScope.h"

#include "script/AnsiCharacters.h"
#include "script/SystemVariables.h"

namespace parlevox {

namespace {

// 0 when there is no set or the name is not in it (ids are never 0).
int32_t IdIn(const CVariableDefinitions* set, std::string_view name) { return set ? set->FindId(name) : 0; }

}  // namespace

CCompileScope::CCompileScope(std::string functionName, const CVariableDefinitions* locals,
                             const CVariableDefinitions* moduleWide, std::vector<ModuleGlobals> globals,
                             FunctionNameTest isFunctionName)
    : functionName_(std::move(functionName)),
      locals_(locals),
      moduleWide_(moduleWide),
      globals_(std::move(globals)),
      isFunctionName_(std::move(isFunctionName)) {}

bool CCompileScope::IsFunctionName(std::string_view name) const { return isFunctionName_ && isFunctionName_(name); }

bool CCompileScope::IsOwnFunctionName(std::string_view word) const {
    if (functionName_.empty()) return false;  // else every all-lowercase word would match
    size_t prefix = 0;
    while (prefix < word.size() && IsAnsiLowercase(word[prefix])) ++prefix;
    return word.substr(prefix) == functionName_;
}

std::optional<VariableReference> CCompileScope::ResolveVariable(std::string_view name) const {
    if (int32_t id = IdIn(locals_, name)) return VariableReference{kScopeLocal, id};
    if (int32_t number = SystemVariables::Number(name)) return VariableReference{kScopeSystem, number};
    if (int32_t id = IdIn(moduleWide_, name)) return VariableReference{kScopeModuleWide, id};
    for (auto module = globals_.rbegin(); module != globals_.rend(); ++module) {
        if (int32_t id = IdIn(module->definitions, name)) return VariableReference{module->moduleId, id};
    }
    return std::nullopt;
}

}  // namespace parlevox
