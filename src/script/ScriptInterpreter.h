#pragma once
// Runs the compiled tree of one script function: statements in order,
// expressions to values, places for assignments; the value rules are
// ScriptValueOps. Faults end the function as CScriptError; `return` ends
// it with a value. Everything outside the tree (variables, calls, command
// lines) goes through the run host.
#include <cstdint>
#include <optional>
#include <string>

#include "script/ParseTree.h"
#include "script/IntegerShortcut.h"
#include "script/ScriptRunHost.h"
#include "script/ScriptValueOps.h"
#include "script/ScriptWatchdog.h"
#include "script/VariableResolver.h"

namespace parlevox {

class CScriptInterpreter {
public:
    // Calls nested deeper than this end with a fault, so that recursion
    // cannot exhaust the GUI thread's stack.
    static constexpr int kMaxCallDepth = 256;
    // Nodes nested deeper than this inside one function.
    static constexpr int kMaxNodeDepth = 2500;

    CScriptInterpreter(ScriptRunHost& host, ScriptWatchdog& watchdog)
        : host_(host), watchdog_(watchdog), integers_(host, watchdog) {}

    // Binds the argument to the parameters and runs the body; the value of
    // `return`, or no components when the body runs off its end.
    CVariable RunFunction(const CParseTree& function, const CVariable& argument);

private:
    class Depth;
    struct ReturnSignal {
        CVariable value;
    };
    // A place and the variable it lies in (marked modified after a write).
    struct Target {
        script_ops::Place place;
        ResolvedVariable variable;
    };

    void Run(const CParseTree& node);
    void RunStatement(const CParseTree& node);
    void Assign(const CParseTree& node);
    bool AssignInteger(const CParseTree& node);
    bool StepInteger(const CParseTree& lhs, int32_t delta);
    void Loop(const CParseTree& node);
    CVariable Evaluate(const CParseTree& node);
    CVariable EvaluateBinaryChain(const CParseTree& node);
    CVariable CallNamed(const std::string& name, const CParseTree& argument);
    Target PlaceOf(const CParseTree& lhs, bool forWriting);
    void BindParameters(const CParseTree& parameters, const CVariable& value);
    bool Condition(const CParseTree& expression, int statementKind);
    void Written(const ResolvedVariable& variable);

    ScriptRunHost& host_;
    ScriptWatchdog& watchdog_;
    IntegerShortcut integers_;
    int callDepth_ = 0;
    int nodeDepth_ = 0;
};

}  // namespace parlevox
