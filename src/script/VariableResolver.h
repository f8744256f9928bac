#pragma once
// Finds the variable a compiled reference names while a function runs. The
// variable may have been deleted, or its module uninstalled, since the
// function was compiled; each such case is a script error with its own
// text. The function and module classes are seen only through the two
// small interfaces below.
#include <cstdint>

#include "script/SystemVariables.h"
#include "script/Variable.h"
#include "script/VariableDefinitions.h"
#include "script/VariableReference.h"

namespace parlevox {

// The script function being run, as resolution needs it.
class RunningFunction {
public:
    virtual ~RunningFunction() = default;
    virtual CVariableDefinitions& Locals() = 0;
    // The module-wide set of the function's module.
    virtual CVariableDefinitions& ModuleWide() = 0;
    virtual int32_t ModuleId() const = 0;
};

// The modules the client has installed.
class InstalledModules {
public:
    virtual ~InstalledModules() = default;
    // The global set of the installed module with that id; nullptr when no
    // installed module has it.
    virtual CVariableDefinitions* GlobalsOf(int32_t moduleId) = 0;
};

struct ResolvedVariable {
    CVariable* variable = nullptr;
    VariableAccess access = VariableAccess::Read;  // effective; Read refuses writes
    // The set to mark modified after a write; nullptr for system variables.
    CVariableDefinitions* owner = nullptr;
};

inline bool MayWrite(VariableAccess effective) { return effective != VariableAccess::Read; }

class VariableResolver {
public:
    // Both must outlive the resolver.
    VariableResolver(InstalledModules& modules, SystemVariables& system) : modules_(modules), system_(system) {}

    // Throws TextError with the failure's text. Locals and module-wide
    // variables keep their stored access. A ModW global is AnyW for the
    // functions of its own module and Read for those of other modules.
    ResolvedVariable Resolve(VariableReference reference, RunningFunction& function) const;

private:
    InstalledModules& modules_;
    SystemVariables& system_;
};

}  // namespace parlevox
