#pragma once
// One script function on its own, outside the client: compiled from its
// file with its local variables, run with arguments, its IRC command lines
// collected rather than sent. Calls of its own name recurse; any other
// function or command needs the client and ends the run with a message.
// The script tool, the language notes' examples and the benchmarks use it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "irc/ConnectionState.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptSourceFile.h"
#include "script/SystemVariables.h"

namespace parlevox {

class StandaloneScript final : public ScriptRunHost, private RunningFunction, private InstalledModules {
public:
    // Names the language knows beyond the function's own (the command
    // table's, for instance): they compile, and calling them is refused.
    explicit StandaloneScript(ScriptSourceFile file, FunctionNameTest otherFunctions = {});

    // Nothing when it compiled; throws TextError for a bad locals line.
    std::optional<CompileFailure> Compile();
    // The arguments as the parameters' types take them (integers from
    // decimal text); throws TextError when they do not fit.
    CVariable Run(const std::vector<std::string>& arguments);
    CVariable Run(const CVariable& argument);

    const std::vector<std::string>& CommandLines() const { return commandLines_; }
    // Faults of nested calls, which ended those calls only.
    const std::vector<std::string>& NestedFaults() const { return faults_; }
    const ScriptSourceFile& File() const { return file_; }
    // The parameters' short type string ("si").
    std::string ParameterTypes() const;

    // ScriptRunHost.
    ResolvedVariable Resolve(VariableReference reference) override;
    std::string NameOf(VariableReference reference) override;
    std::optional<CVariable> Lookup(const std::string& name) override;
    CVariable Call(const std::string& name, const CVariable& argument) override;
    void RunCommandLine(const std::string& line) override { commandLines_.push_back(line); }

private:
    CVariableDefinitions& Locals() override { return locals_; }
    CVariableDefinitions& ModuleWide() override { return moduleWide_; }
    int32_t ModuleId() const override { return kModuleId; }
    CVariableDefinitions* GlobalsOf(int32_t) override { return nullptr; }

    static constexpr int32_t kModuleId = 3;

    ScriptSourceFile file_;
    FunctionNameTest otherFunctions_;
    CVariableDefinitions locals_;
    CVariableDefinitions moduleWide_;
    ConnectionState connection_;
    SystemVariables system_{connection_};
    VariableResolver resolver_{*this, system_};
    std::unique_ptr<CParseTree> tree_;
    ScriptWatchdog watchdog_;
    CScriptInterpreter interpreter_{*this, watchdog_};
    std::vector<std::string> commandLines_;
    std::vector<std::string> faults_;
};

}  // namespace parlevox
