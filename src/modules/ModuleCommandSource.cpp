#include "modules/ModuleCommandSource.h"

namespace parlevox {

bool ModuleCommandSource::TryRun(std::string_view name, std::span<const std::string_view> words,
                                 const CommandCall& call) {
    CModuleManager::FoundFunction found = modules_.FindFunction(name);
    if (!found.function) return false;
    ScriptRunContext context{call.output, call.channel};
    calls_.CallAsCommand(*found.module, *found.function, words, context);
    return true;
}

}  // namespace parlevox
