#include "modules/ScriptCalls.h"

#include <fmt/printf.h>

#include <algorithm>

#include "modules/CommandArguments.h"
#include "common/InternalErrorReport.h"
#include "modules/ModuleTexts.h"
#include "platform/Clock.h"
#include "script/InterpreterTexts.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptError.h"

namespace parlevox {
namespace {

using namespace module_text;

// The same names and access with empty values: the locals of a call of a
// function that is already running, so that the outer run keeps its own.
CVariableDefinitions FreshLocals(const CVariableDefinitions& locals) {
    CVariableDefinitions fresh;
    for (const CVariableDefinitions::Entry& entry : locals.Entries()) {
        fresh.Add(entry.name, entry.id);
        fresh.SetAccess(entry.name, entry.access);
    }
    return fresh;
}

}  // namespace

class CScriptCalls::FrameFunction final : public RunningFunction {
public:
    explicit FrameFunction(const Frame& frame) : frame_(frame) {}
    CVariableDefinitions& Locals() override { return frame_.function->Locals(); }
    CVariableDefinitions& ModuleWide() override { return frame_.module->ModuleWide(); }
    int32_t ModuleId() const override { return frame_.module->Id(); }

private:
    const Frame& frame_;
};

CScriptCalls::CScriptCalls(CModuleManager& modules, SystemVariables& system, CommandLineRunner& commands,
                           ScriptWatchdog& watchdog, std::function<uint64_t()> nowMs)
    : modules_(modules), system_(system), commands_(commands), watchdog_(watchdog),
      nowMs_(nowMs ? std::move(nowMs) : [] { return Clock::TickCount(); }), resolver_(modules, system),
      interpreter_(*this, watchdog) {}

std::string ScriptCallPrefix(const ColourCodes& colours, std::string_view name) {
    return "\x03" + fmt::sprintf("%s[%s%s%s]%s ", colours.Code(14), colours.Code(13), std::string(name),
                                 colours.Code(14), colours.Code(13));
}

std::string CScriptCalls::PrefixFor(std::string_view name) const {
    return ScriptCallPrefix(colours_, name);
}

bool CScriptCalls::IsCallable(std::string_view name) const {
    if (modules_.HasFunction(name)) return true;
    return std::any_of(callables_.begin(), callables_.end(), [&](ScriptCallable* c) { return c->Has(name); });
}

std::optional<CVariable> CScriptCalls::CallByName(std::string_view name, const CVariable& argument,
                                                  ScriptRunContext& context) {
    if (CModuleManager::FoundFunction found = modules_.FindFunction(name); found.function)
        return CallFunction(*found.module, *found.function, argument, context);
    for (ScriptCallable* callable : callables_)
        if (callable->Has(name)) return callable->Call(name, argument, context);
    return std::nullopt;
}

std::string CScriptCalls::SignatureOf(const CScriptModule& module, const CScriptFunction& function) const {
    if (!function.Tree()) return {};
    return function.Tree()->ParameterSignature([&](VariableReference reference) -> std::string {
        const CVariableDefinitions::Entry* entry = nullptr;
        if (reference.scope == kScopeLocal) entry = function.Locals().FindById(reference.id);
        else if (reference.scope == kScopeModuleWide) entry = module.ModuleWide().FindById(reference.id);
        else if (reference.scope == kScopeSystem) {
            const CVariable* value = system_.Read(reference.id);
            return value ? value->TypeString() : std::string();
        }
        else if (const CScriptModule* owner = modules_.FindById(reference.scope))
            entry = owner->Globals().FindById(reference.id);
        return entry ? entry->value.TypeString() : std::string();
    });
}

CVariable CScriptCalls::CallFunction(CScriptModule& module, CScriptFunction& function, const CVariable& argument,
                                     ScriptRunContext& context) {
    const std::string prefix = PrefixFor(function.Name());
    if (!function.Tree()) {
        context.output.AddLine(prefix + fmt::sprintf(kNotCompiled, function.Name()));
        return {};
    }
    if (nesting_ == 0) {
        outermostStart_ = nowMs_();
        watchdog_.RunStarts();
    }
    ++nesting_;
    frames_.push_back({&module, &function, &context});
    struct Leave {
        CScriptCalls& calls;
        ~Leave() {
            calls.frames_.pop_back();
            if (--calls.nesting_ < 0) {
                PARLEVOX_INTERNAL_ERROR();
                calls.nesting_ = 0;
            }
        }
    } leave{*this};
    try {
        return RunTree(function, argument);
    } catch (const TextError& error) {
        context.output.AddLine(prefix + error.Text());
    } catch (const RunAborted& aborted) {
        // Endless recursion ends every call of the run, and says so once.
        if (nesting_ > 1) throw;
        context.output.AddLine(prefix + aborted.text);
    }
    return {};
}

CVariable CScriptCalls::RunTree(CScriptFunction& function, const CVariable& argument) {
    if (nesting_ > CScriptInterpreter::kMaxCallDepth)
        throw RunAborted{fmt::sprintf(script_text::kCallsTooDeep, CScriptInterpreter::kMaxCallDepth)};
    const std::string expected = SignatureOf(*frames_.back().module, function);
    if (argument.TypeString() != expected)
        throw CScriptError(fmt::sprintf(kIncorrectParameters, function.Name(), argument.LongTypeString(),
                                        LongTypeString(expected)));
    const bool reentered = std::count_if(frames_.begin(), frames_.end(),
                                         [&](const Frame& frame) { return frame.function == &function; }) > 1;
    if (!reentered) return interpreter_.RunFunction(*function.Tree(), argument);
    // Moved, not copied: places the outer run holds keep pointing at its variables.
    CVariableDefinitions outer = std::move(function.Locals());
    function.Locals() = FreshLocals(outer);
    struct Restore {
        CScriptFunction& function;
        CVariableDefinitions& outer;
        ~Restore() { function.Locals() = std::move(outer); }
    } restore{function, outer};
    return interpreter_.RunFunction(*function.Tree(), argument);
}

void CScriptCalls::CallAsCommand(CScriptModule& module, CScriptFunction& function,
                                 std::span<const std::string_view> words, ScriptRunContext& context) {
    const std::string signature = SignatureOf(module, function);
    const std::string longSignature = LongTypeString(signature);
    std::variant<CVariable, CommandArgumentProblem> argument = ArgumentFromWords(signature, words);
    if (auto* argumentValue = std::get_if<CVariable>(&argument)) {
        CallFunction(module, function, *argumentValue, context);
        return;
    }
    const CommandArgumentProblem& problem = std::get<CommandArgumentProblem>(argument);
    std::string text;
    switch (problem.kind) {
        case CommandArgumentProblem::Kind::Array:
            text = fmt::sprintf(kNoArraysInCommands, function.Name(), longSignature);
            break;
        case CommandArgumentProblem::Kind::Insufficient:
            text = fmt::sprintf(kInsufficientParameters, function.Name(), longSignature);
            break;
        case CommandArgumentProblem::Kind::NotAnInteger:
            text = fmt::sprintf(kNotAnInteger, function.Name(), longSignature, problem.word);
            break;
    }
    context.output.AddLine(PrefixFor(function.Name()) + text);
}

std::optional<CompileFailure> CScriptCalls::Compile(CScriptModule& module, CScriptFunction& function,
                                                    FunctionNameTest commandNames) {
    FunctionNameTest others = [this, names = std::move(commandNames)](std::string_view name) {
        return std::any_of(callables_.begin(), callables_.end(), [&](ScriptCallable* c) { return c->Has(name); }) ||
               (names && names(name));
    };
    CompileResult result = CompileScript(function.Source(), modules_.ScopeFor(module, function, std::move(others)));
    if (auto* failure = std::get_if<CompileFailure>(&result)) return *failure;
    function.SetTree(std::move(std::get<std::unique_ptr<CParseTree>>(result)));
    return std::nullopt;
}

ResolvedVariable CScriptCalls::Resolve(VariableReference reference) {
    FrameFunction running(frames_.back());
    return resolver_.Resolve(reference, running);
}

std::string CScriptCalls::NameOf(VariableReference reference) {
    const Frame& frame = frames_.back();
    const CVariableDefinitions* set = nullptr;
    if (reference.scope == kScopeSystem) return std::string(SystemVariables::Name(reference.id));
    if (reference.scope == kScopeLocal) set = &frame.function->Locals();
    else if (reference.scope == kScopeModuleWide) set = &frame.module->ModuleWide();
    else if (const CScriptModule* owner = modules_.FindById(reference.scope)) set = &owner->Globals();
    const CVariableDefinitions::Entry* entry = set ? set->FindById(reference.id) : nullptr;
    return entry ? entry->name : std::string();
}

std::optional<CVariable> CScriptCalls::Lookup(const std::string& name) {
    const Frame& frame = frames_.back();
    CCompileScope scope = modules_.ScopeFor(*frame.module, *frame.function, {});
    std::optional<VariableReference> reference = scope.ResolveVariable(name);
    if (!reference) return std::nullopt;
    return *Resolve(*reference).variable;
}

CVariable CScriptCalls::Call(const std::string& name, const CVariable& argument) {
    std::optional<CVariable> result = CallByName(name, argument, *frames_.back().context);
    if (!result) throw CScriptError(fmt::sprintf(kNoSuchFunction, name));
    return std::move(*result);
}

void CScriptCalls::RunCommandLine(const std::string& line) {
    ScriptRunContext& context = *frames_.back().context;
    commands_.Run(line, context.channel, "!script", context.output);
}

}  // namespace parlevox
