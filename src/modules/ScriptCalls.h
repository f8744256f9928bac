#pragma once
// Calling script functions: by name from expressions, reactions, menus,
// timers and aliases (the last installed module's function first, then
// plug-in commands, then the built-in script commands), and as "/"
// commands. A call writes its errors with the function's prefix into the
// window of the run, counts the nesting the long-running hint measures,
// and never lets a script error reach its caller.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "irc/ColourCodes.h"
#include "modules/ModuleManager.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptWatchdog.h"
#include "script/SystemVariables.h"

namespace parlevox {

// The window a run belongs to: its output, and its name for command lines
// ("" for the status window).
struct ScriptRunContext {
    CommandOutput& output;
    std::string channel;
};

// "\x03" + colours + "[Name] ": what starts the lines a call writes.
std::string ScriptCallPrefix(const ColourCodes& colours, std::string_view name);

// A name calls can reach besides the modules' functions.
class ScriptCallable {
public:
    virtual ~ScriptCallable() = default;
    virtual bool Has(std::string_view name) const = 0;
    virtual CVariable Call(std::string_view name, const CVariable& argument, ScriptRunContext& context) = 0;
};

class CScriptCalls final : private ScriptRunHost {
public:
    CScriptCalls(CModuleManager& modules, SystemVariables& system, CommandLineRunner& commands,
                 ScriptWatchdog& watchdog, std::function<uint64_t()> nowMs = {});

    // User colours 13 and 14 make the prefixes.
    void SetColours(const ColourCodes& colours) { colours_ = colours; }
    // Asked in the order added, after the modules (plug-ins, then built-ins).
    void AddCallable(ScriptCallable& callable) { callables_.push_back(&callable); }
    // For compiling: a module function or a callable answers to the name.
    bool IsCallable(std::string_view name) const;

    // Nothing when no one answers to the name.
    std::optional<CVariable> CallByName(std::string_view name, const CVariable& argument, ScriptRunContext& context);
    // The empty value after an error (written with the prefix) or when the
    // function has no tree.
    CVariable CallFunction(CScriptModule& module, CScriptFunction& function, const CVariable& argument,
                           ScriptRunContext& context);
    // A "/" command's words (after the name, each with the spaces the
    // splitter left on it) as the function's parameters; a last s parameter
    // takes the rest of the line. The result is dropped; errors are written.
    void CallAsCommand(CScriptModule& module, CScriptFunction& function, std::span<const std::string_view> words,
                       ScriptRunContext& context);

    // The function's parameters as a short type string ("si").
    std::string SignatureOf(const CScriptModule& module, const CScriptFunction& function) const;
    // Compiles the function's source into its tree; the failure otherwise.
    std::optional<CompileFailure> Compile(CScriptModule& module, CScriptFunction& function,
                                          FunctionNameTest commandNames = {});

    int NestingDepth() const { return nesting_; }
    uint64_t OutermostStart() const { return outermostStart_; }

    // "\x03" + colours + "[Name] ".
    std::string PrefixFor(std::string_view name) const;

private:
    struct Frame {
        CScriptModule* module;
        CScriptFunction* function;
        ScriptRunContext* context;
    };
    class FrameFunction;
    struct RunAborted {
        std::string text;
    };
    CVariable RunTree(CScriptFunction& function, const CVariable& argument);

    // ScriptRunHost.
    ResolvedVariable Resolve(VariableReference reference) override;
    std::string NameOf(VariableReference reference) override;
    std::optional<CVariable> Lookup(const std::string& name) override;
    CVariable Call(const std::string& name, const CVariable& argument) override;
    void RunCommandLine(const std::string& line) override;

    CModuleManager& modules_;
    SystemVariables& system_;
    CommandLineRunner& commands_;
    ScriptWatchdog& watchdog_;
    std::function<uint64_t()> nowMs_;
    VariableResolver resolver_;
    CScriptInterpreter interpreter_;
    ColourCodes colours_;
    std::vector<ScriptCallable*> callables_;
    std::vector<Frame> frames_;
    int nesting_ = 0;
    uint64_t outermostStart_ = 0;
};

}  // namespace parlevox
