#pragma once
// Script functions as "/" commands: the command processor asks the modules
// before its own table, so a function can stand in for a command.
#include "commands/CommandSource.h"
#include "modules/ScriptCalls.h"

namespace parlevox {

class ModuleCommandSource final : public CommandSource {
public:
    ModuleCommandSource(CModuleManager& modules, CScriptCalls& calls) : modules_(modules), calls_(calls) {}

    bool Has(std::string_view name) const override { return modules_.HasFunction(name); }
    bool TryRun(std::string_view name, std::span<const std::string_view> words, const CommandCall& call) override;

private:
    CModuleManager& modules_;
    CScriptCalls& calls_;
};

}  // namespace parlevox
