#include "script/VariableResolver.h"

#include "common/TextError.h"
#include "script/VariableTexts.h"

namespace parlevox {

namespace {

ResolvedVariable FromSet(CVariableDefinitions& set, int32_t id, const char* missingText) {
    CVariableDefinitions::Entry* entry = set.FindById(id);
    if (!entry) throw TextError(missingText);
    return {&entry->value, entry->access, &set};
}

}  // namespace

ResolvedVariable VariableResolver::Resolve(VariableReference reference, RunningFunction& function) const {
    switch (reference.scope) {
        case kScopeLocal:
            return FromSet(function.Locals(), reference.id, kLocalDeleted);
        case kScopeModuleWide:
            return FromSet(function.ModuleWide(), reference.id, kModuleWideDeleted);
        case kScopeSystem: {
            CVariable* variable = system_.Read(reference.id);
            if (!variable) throw TextError(kSystemMissing);
            return {variable, SystemVariables::Access(reference.id), nullptr};
        }
        default:
            break;
    }
    CVariableDefinitions* globals = modules_.GlobalsOf(reference.scope);
    if (!globals) throw TextError(kGlobalModuleRemoved);
    ResolvedVariable resolved = FromSet(*globals, reference.id, kGlobalDeleted);
    // ModW: writable by the owning module's functions only.
    if (resolved.access == VariableAccess::ModW)
        resolved.access = reference.scope == function.ModuleId() ? VariableAccess::AnyW : VariableAccess::Read;
    return resolved;
}

}  // namespace parlevox
