#pragma once
// The Variables tab without a toolkit: the chosen module's module-wide and
// global variables and the chosen function's locals as rows of name, type,
// access and value, and adding, deleting and stepping the access of one.
#include <string>
#include <string_view>
#include <vector>

#include "script/VariableDefinitions.h"

namespace parlevox {

class CScriptEditor;

enum class VariableScope { Local, ModuleWide, Global };

struct VariableRow {
    VariableScope scope;
    std::string name;
    std::string type;    // long form, "sai"
    std::string access;  // "Read", "ModW" or "AnyW"
    std::string value;   // as the value text of the row
};

class CScriptVariables {
public:
    explicit CScriptVariables(CScriptEditor& editor) : editor_(editor) {}

    // Locals first (when a function is chosen), then module-wide, then global.
    std::vector<VariableRow> Rows() const;

    // The name's type prefix gives the type; a bad prefix or a name already
    // in the set is shown in a box and nothing is added.
    bool Add(VariableScope scope, const std::string& name);
    // After a confirmation.
    bool Delete(VariableScope scope, std::string_view name);
    bool StepAccess(VariableScope scope, std::string_view name);

    // "Local", "Module-wide" or "Global".
    static const char* ScopeName(VariableScope scope);
    // A value as one line: strings quoted, arrays in braces (at most a few
    // items shown), several components in angle brackets.
    static std::string ValueText(const CVariable& value);

private:
    CVariableDefinitions* Set(VariableScope scope) const;
    void Changed();

    CScriptEditor& editor_;
};

}  // namespace parlevox
