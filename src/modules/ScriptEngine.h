#pragma once
// The running side of the installed modules for one chat session: script
// calls over the session's command processor, the modules' functions as
// "/" commands, and what happens when a module comes or goes (its Init and
// Shutdown functions; its reactions and menu items joining or leaving the
// client's lists through the hooks below).
#include <functional>

#include "modules/ModuleCommandSource.h"
#include "modules/ModuleManager.h"
#include "modules/ReactionList.h"
#include "modules/ScriptCalls.h"

namespace parlevox {

class CScriptEngine final : public ModuleLifecycle, public ReactionRunner {
public:
    // Where Init and Shutdown functions write: the current window.
    using CurrentOutput = std::function<ScriptRunContext()>;

    // Runs every module's Init function, in list order. The session adds
    // Commands() to its command processor. callables are asked after the
    // modules, in this order (CScriptCalls::AddCallable), already by the
    // Init functions; they outlive the engine.
    CScriptEngine(CModuleManager& modules, SystemVariables& system, CommandLineRunner& commands,
                  CurrentOutput currentOutput, const ColourCodes& colours,
                  const std::vector<ScriptCallable*>& callables = {});
    // Runs every module's Shutdown function, in list order.
    ~CScriptEngine() override;
    CScriptEngine(const CScriptEngine&) = delete;
    CScriptEngine& operator=(const CScriptEngine&) = delete;

    CScriptCalls& Calls() { return calls_; }
    CommandSource& Commands() { return source_; }
    void SetColours(const ColourCodes& colours) { calls_.SetColours(colours); }

    // The reactions and menus join through these (set by their owners).
    std::function<void(CScriptModule&)> onInstalled;
    std::function<void(CScriptModule&)> onGather;
    std::function<void(int32_t moduleId)> onRemoved;

    // ScriptReset: Shutdown functions, save, unload, load the list again,
    // Init functions.
    void Reset(const std::string& programFolder);

    // ModuleLifecycle.
    void Installed(CScriptModule& module) override;
    void Removing(CScriptModule& module) override;
    void Gather(CScriptModule& module) override;
    void Removed(int32_t moduleId) override;

    // ReactionRunner.
    ReactionWindow CurrentWindow() override;
    std::optional<CVariable> CallFunction(const std::string& name, ReactionWindow& window) override;
    void RunCommandLine(const std::string& line, ReactionWindow& window) override;

private:
    void CallNamed(CScriptModule& module, const std::string& name);
    void CallEach(std::string (CScriptModule::*nameOf)() const);
    void InitAll();
    void ShutdownAll();

    CModuleManager& modules_;
    CommandLineRunner& commands_;
    CurrentOutput currentOutput_;
    ScriptWatchdog watchdog_;
    CScriptCalls calls_;
    ModuleCommandSource source_;
};

}  // namespace parlevox
