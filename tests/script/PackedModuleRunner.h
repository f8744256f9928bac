#pragma once
// Runs the functions of a packed module as the client would: its own
// module-wide and global variables, event variables set by the test, and
// the clock the test gives. IRC command lines are collected.
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "modules/ScriptModule.h"
#include "script/ScriptInterpreter.h"
#include "script/SystemVariableProvider.h"
#include "script/SystemVariables.h"
#include "script/VariableResolver.h"

namespace parlevox::test {

class PackedModuleRunner final : public ScriptRunHost,
                                 private RunningFunction,
                                 private InstalledModules,
                                 private SystemVariableProvider {
public:
    explicit PackedModuleRunner(CScriptModule& module) : module_(module) {}

    SystemVariables& Events() { return system_; }
    void SetClock(std::time_t now) { now_ = now; }
    void SetOwnNick(std::string nick) { nick_ = std::move(nick); }
    // Runs the named function; returns the command lines it ran.
    std::vector<std::string> Run(const std::string& name, const CVariable& argument, CVariable* result = nullptr);

    ResolvedVariable Resolve(VariableReference reference) override { return resolver_.Resolve(reference, *this); }
    std::string NameOf(VariableReference reference) override;
    std::optional<CVariable> Lookup(const std::string& name) override;
    CVariable Call(const std::string& name, const CVariable& argument) override;
    void RunCommandLine(const std::string& line) override { lines_.push_back(line); }

private:
    CVariableDefinitions& Locals() override { return current_->Locals(); }
    CVariableDefinitions& ModuleWide() override { return module_.ModuleWide(); }
    int32_t ModuleId() const override { return module_.Id(); }
    CVariableDefinitions* GlobalsOf(int32_t id) override { return id == module_.Id() ? &module_.Globals() : nullptr; }

    std::string ServerName() const override { return "irc.test"; }
    std::string Nick() const override { return nick_; }
    std::string UserName() const override { return "user"; }
    std::string HostName() const override { return "host"; }
    bool Connected() const override { return true; }
    bool ServicesUp() const override { return false; }
    std::string LocalAddress() const override { return "127.0.0.1"; }
    std::time_t Now() const override { return now_; }

    CScriptModule& module_;
    CScriptFunction* current_ = nullptr;
    std::string nick_ = "me";
    std::time_t now_ = 0;
    SystemVariables system_{static_cast<const SystemVariableProvider&>(*this)};
    VariableResolver resolver_{*this, system_};
    ScriptWatchdog watchdog_;
    CScriptInterpreter interpreter_{*this, watchdog_};
    std::vector<std::string> lines_;
};

}  // namespace parlevox::test
