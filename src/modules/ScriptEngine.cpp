#include "modules/ScriptEngine.h"

namespace parlevox {

CScriptEngine::CScriptEngine(CModuleManager& modules, SystemVariables& system, CommandLineRunner& commands,
                             CurrentOutput currentOutput, const ColourCodes& colours,
                             const std::vector<ScriptCallable*>& callables)
    : modules_(modules), commands_(commands), currentOutput_(std::move(currentOutput)),
      calls_(modules, system, commands, watchdog_), source_(modules, calls_) {
    calls_.SetColours(colours);
    for (ScriptCallable* callable : callables) calls_.AddCallable(*callable);
    modules_.SetLifecycle(this);
    InitAll();
}

CScriptEngine::~CScriptEngine() {
    ShutdownAll();
    modules_.SetLifecycle(nullptr);
}

void CScriptEngine::CallNamed(CScriptModule& module, const std::string& name) {
    CScriptFunction* function = module.FindFunction(name);
    if (!function) return;
    ScriptRunContext context = currentOutput_();
    calls_.CallFunction(module, *function, CVariable(), context);
}

// By id, from a copy of the list: a box a function opens may let the user
// install or remove modules meanwhile.
void CScriptEngine::CallEach(std::string (CScriptModule::*nameOf)() const) {
    std::vector<int32_t> ids;
    for (const InstalledModule& installed : modules_.Modules()) ids.push_back(installed.module->Id());
    for (int32_t id : ids)
        if (CScriptModule* module = modules_.FindById(id)) CallNamed(*module, (module->*nameOf)());
}

void CScriptEngine::InitAll() {
    CallEach(&CScriptModule::InitFunctionName);
}

void CScriptEngine::ShutdownAll() {
    CallEach(&CScriptModule::ShutdownFunctionName);
}

void CScriptEngine::Reset(const std::string& programFolder) {
    ShutdownAll();
    modules_.SaveChanged();
    std::vector<std::string> paths = modules_.Paths();
    modules_.UnloadAll();
    modules_.LoadInstalled(paths, programFolder);
    InitAll();
}

void CScriptEngine::Installed(CScriptModule& module) {
    if (onInstalled) onInstalled(module);
    CallNamed(module, module.InitFunctionName());
}

void CScriptEngine::Removing(CScriptModule& module) {
    CallNamed(module, module.ShutdownFunctionName());
}

void CScriptEngine::Gather(CScriptModule& module) {
    if (onGather) onGather(module);
}

void CScriptEngine::Removed(int32_t moduleId) {
    if (onRemoved) onRemoved(moduleId);
}

ReactionWindow CScriptEngine::CurrentWindow() {
    ScriptRunContext context = currentOutput_();
    return {context.output, context.channel};
}

std::optional<CVariable> CScriptEngine::CallFunction(const std::string& name, ReactionWindow& window) {
    ScriptRunContext context{window.output, window.channel};
    return calls_.CallByName(name, CVariable(), context);
}

void CScriptEngine::RunCommandLine(const std::string& line, ReactionWindow& window) {
    commands_.Run(line, window.channel, "!script", window.output);
}

}  // namespace parlevox
