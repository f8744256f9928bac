#pragma once
// What compiling one script function can name: the functions and commands
// callable from it, and the variables it sees. The tokenizer asks it to
// classify every word. The sets are borrowed and must outlive the scope.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/VariableDefinitions.h"
#include "script/VariableReference.h"

namespace parlevox {

// True for a function of an installed module, a command of a script-command
// plug-in or a command of the command table; the layers that own those
// fill it in.
using FunctionNameTest = std::function<bool(std::string_view name)>;

// The global variables of one installed module.
struct ModuleGlobals {
    int32_t moduleId = 0;
    const CVariableDefinitions* definitions = nullptr;
};

class CCompileScope {
public:
    // Any set may be nullptr (none); globals are in module-list order. An
    // empty test knows no function names.
    CCompileScope(std::string functionName, const CVariableDefinitions* locals, const CVariableDefinitions* moduleWide,
                  std::vector<ModuleGlobals> globals, FunctionNameTest isFunctionName = {});

    bool IsFunctionName(std::string_view name) const;
    // The function's own name as its header writes it: the word without
    // its leading lowercase letters (the return type's prefix) is the name.
    bool IsOwnFunctionName(std::string_view word) const;
    // Local, then system, then module-wide, then global, where the last
    // module in the list that defines the name wins. Case-sensitive.
    std::optional<VariableReference> ResolveVariable(std::string_view name) const;

private:
    std::string functionName_;
    const CVariableDefinitions* locals_;
    const CVariableDefinitions* moduleWide_;
    std::vector<ModuleGlobals> globals_;
    FunctionNameTest isFunctionName_;
};

}  // namespace parlevox
