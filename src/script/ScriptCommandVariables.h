#pragma once
// The script variables as the command processor sees them: sC and sN, and
// "%sName%" expansion. Only system variables exist so far; module and
// global variables join the lookup when the module store does.
#include "commands/CommandVariables.h"

namespace parlevox {

class SystemVariables;

class ScriptCommandVariables final : public CommandVariables {
public:
    explicit ScriptCommandVariables(SystemVariables& system) : system_(system) {}

    void SetContext(std::string_view channel, std::string_view nick) override;
    // A single string, integer or function-name component as text; nothing
    // for names that are no variable and for arrays.
    std::optional<std::string> ValueText(std::string_view name) override;

private:
    SystemVariables& system_;
};

}  // namespace parlevox
