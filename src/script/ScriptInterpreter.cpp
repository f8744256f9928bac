#include "script/ScriptInterpreter.h"

#include <fmt/printf.h>

#include <vector>

#include "common/InternalErrorReport.h"
#include "script/InterpreterTexts.h"
#include "script/ScriptCommandLine.h"
#include "script/ScriptProductions.h"

namespace parlevox {
namespace {

using namespace script_text;
using script_ops::Binary;

using namespace production;

enum ConditionKind { kWhileCondition, kDoCondition, kForCondition, kIfCondition };

script_ops::Assign AssignOf(int32_t production) {
    static constexpr script_ops::Assign kOperators[] = {script_ops::Assign::Set, script_ops::Assign::Add,
                                                        script_ops::Assign::Subtract, script_ops::Assign::Multiply,
                                                        script_ops::Assign::Divide};
    return kOperators[production - kSet];
}

}  // namespace

// Counts one level of nesting for as long as it lives.
class CScriptInterpreter::Depth {
public:
    Depth(int& depth, int limit, const char* text) : depth_(depth) {
        if (++depth_ > limit) {
            --depth_;
            throw CScriptError(fmt::sprintf(text, limit));
        }
    }
    ~Depth() { --depth_; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    int& depth_;
};

CVariable CScriptInterpreter::RunFunction(const CParseTree& function, const CVariable& argument) {
    Depth call(callDepth_, kMaxCallDepth, kCallsTooDeep);
    if (function.Production() != kFunction || function.Children().size() != 2) {
        PARLEVOX_INTERNAL_ERROR();
        throw CScriptError(kDamagedFunction);
    }
    BindParameters(function.Child(0), argument);
    try {
        Run(function.Child(1));
    } catch (ReturnSignal& returned) {
        return std::move(returned.value);
    }
    return {};
}

void CScriptInterpreter::BindParameters(const CParseTree& parameters, const CVariable& value) {
    size_t next = 0;
    const CParseTree* list = parameters.Production() == kParameters ? &parameters.Child(0) : nullptr;
    while (list) {
        Target target = PlaceOf(list->Child(0), true);
        CVariable current = script_ops::Read(target.place);
        const size_t count = current.Count();
        CVariable part;
        for (size_t k = 0; k < count && next + k < value.Count(); ++k) part.Append(value.Component(next + k));
        if (part.TypeString() != current.TypeString()) throw CScriptError(kParameterTypes);
        script_ops::Store(target.place, script_ops::Assign::Set, part);
        Written(target.variable);
        next += count;
        list = list->Production() == kParameterList ? &list->Child(1) : nullptr;
    }
}

// Statement lists and blocks run in a loop, not by recursion, so that a
// long function is not a deep one.
void CScriptInterpreter::Run(const CParseTree& node) {
    Depth depth(nodeDepth_, kMaxNodeDepth, kNestedTooDeeply);
    const CParseTree* current = &node;
    for (;;) {
        watchdog_.Node();
        switch (current->Production()) {
            case kBraceBlock:
            case kSingleBlock:
            case kLastStatement: current = &current->Child(0); continue;
            case kStatementList:
                RunStatement(current->Child(0));
                current = &current->Child(1);
                continue;
            default: return RunStatement(*current);
        }
    }
}

void CScriptInterpreter::RunStatement(const CParseTree& node) {
    Depth depth(nodeDepth_, kMaxNodeDepth, kNestedTooDeeply);
    watchdog_.Node();
    switch (node.Production()) {
        case kBraceBlock:
        case kSingleBlock:
        case kLastStatement:
        case kStatementList: return Run(node);
        case kAssignment: return Assign(node);
        case kIncrement: {
            const int32_t delta = node.Child(1).Production() == kPlusPlus ? 1 : -1;
            if (StepInteger(node.Child(0), delta)) return;
            Target target = PlaceOf(node.Child(0), true);
            script_ops::Step(target.place, delta);
            return Written(target.variable);
        }
        case kParameterAssignment: return BindParameters(node.Child(0), Evaluate(node.Child(1)));
        case kWhile:
        case kDoWhile:
        case kFor: return Loop(node);
        case kIf:
            if (Condition(node.Child(0), kIfCondition)) Run(node.Child(1));
            return;
        case kIfElse: return Run(Condition(node.Child(0), kIfCondition) ? node.Child(1) : node.Child(2));
        case kReturnValue: throw ReturnSignal{Evaluate(node.Child(0))};
        case kReturn: throw ReturnSignal{};
        case kClear:
        case kClearKeeping: {
            Target target = PlaceOf(node.Child(0), true);
            script_ops::Clear(target.place, node.Production() == kClearKeeping ? node.Number() : 0);
            return Written(target.variable);
        }
        case kCallStatement: Evaluate(node.Child(0)); return;
        case kCommandLine:
            return host_.RunCommandLine(ExpandScriptCommandLine(
                node.Text(), [this](const std::string& name) { return host_.Lookup(name); }));
        default: PARLEVOX_INTERNAL_ERROR();
    }
}

void CScriptInterpreter::Assign(const CParseTree& node) {
    if (AssignInteger(node)) return;
    CVariable value = Evaluate(node.Child(2));
    Target target = PlaceOf(node.Child(0), true);
    script_ops::Store(target.place, AssignOf(node.Child(1).Production()), value);
    Written(target.variable);
}

// `iName = ...` and its compound forms on integers, in place.
bool CScriptInterpreter::AssignInteger(const CParseTree& node) {
    const CParseTree& lhs = node.Child(0);
    if (lhs.Production() != kLhsVariable) return false;
    int32_t value;
    if (!integers_.Evaluate(node.Child(2), value)) return false;
    const ResolvedVariable resolved = host_.Resolve(lhs.Variable());
    int32_t* target = integers_.WritableInteger(resolved);
    if (!target) return false;
    const int32_t op = node.Child(1).Production();
    if (op == kSet) {
        *target = value;
    } else {
        constexpr script_ops::Binary kCompound[] = {script_ops::Binary::Plus, script_ops::Binary::Minus,
                                                    script_ops::Binary::Times, script_ops::Binary::Divide};
        // A quotient by 0 leaves the target alone; the general way reports it.
        if (!script_ops::ApplyToIntegers(kCompound[op - kSet - 1], *target, value, *target)) return false;
    }
    Written(resolved);
    return true;
}

bool CScriptInterpreter::StepInteger(const CParseTree& lhs, int32_t delta) {
    if (lhs.Production() != kLhsVariable) return false;
    const ResolvedVariable resolved = host_.Resolve(lhs.Variable());
    int32_t* target = integers_.WritableInteger(resolved);
    if (!target) return false;
    *target = script_ops::Wrap(int64_t{*target} + delta);
    Written(resolved);
    return true;
}

void CScriptInterpreter::Loop(const CParseTree& node) {
    switch (node.Production()) {
        case kWhile:
            while (Condition(node.Child(0), kWhileCondition)) Run(node.Child(1));
            return;
        case kDoWhile:
            do Run(node.Child(0));
            while (Condition(node.Child(1), kDoCondition));
            return;
        default:
            Run(node.Child(0));
            while (Condition(node.Child(1), kForCondition)) {
                Run(node.Child(3));
                Run(node.Child(2));
            }
    }
}

bool CScriptInterpreter::Condition(const CParseTree& expression, int statementKind) {
    if (int32_t number; integers_.Evaluate(expression, number)) return number != 0;
    CVariable value = Evaluate(expression);
    if (value.Count() != 1) throw CScriptError(kConditionCount[statementKind]);
    std::optional<bool> truth = value.Truth();
    if (!truth) throw CScriptError(kConditionType[statementKind]);
    return *truth;
}

CVariable CScriptInterpreter::Evaluate(const CParseTree& node) {
    Depth depth(nodeDepth_, kMaxNodeDepth, kNestedTooDeeply);
    watchdog_.Node();
    if (node.Production() == kBinaryExpression || node.Production() == kUnary)
        if (int32_t number; integers_.Evaluate(node, number)) return CVariable({VariableComponent::Int(number)});
    switch (node.Production()) {
        case kBinaryExpression: return EvaluateBinaryChain(node);
        case kString: return CVariable({VariableComponent::String(node.Text())});
        case kNumber: return CVariable({VariableComponent::Int(node.Number())});
        case kFunctionValue: return CVariable({VariableComponent::Function(node.Text())});
        case kUnary: {
            CVariable value = Evaluate(node.Child(1));
            return node.Child(0).Production() == kNot ? script_ops::Not(std::move(value))
                                                      : script_ops::Negate(std::move(value));
        }
        case kBrackets:
        case kCallValue:
        case kList: return Evaluate(node.Child(0));
        case kNamedCall: return CallNamed(node.Text(), node.Child(0));
        case kIndirectCall: {
            ResolvedVariable holder = host_.Resolve(node.Variable());
            const CVariable& value = *holder.variable;
            if (value.Count() != 1 || value.Component(0).type != ComponentType::Function)
                throw CScriptError(kCallNotFunction);
            return CallNamed(value.Component(0).text, node.Child(0));
        }
        case kLastItem:
        case kItemList: {
            CVariable list;
            for (const CParseTree* item = &node;; item = &item->Child(1)) {
                list.Append(Evaluate(item->Child(0)));
                if (item->Production() != kItemList) break;
            }
            return list;
        }
        case kSize: return script_ops::SizeOf(Evaluate(node.Child(0)));
        case kVariableValue: return *host_.Resolve(node.Variable()).variable;
        case kSquareSubscript: {
            CVariable value = Evaluate(node.Child(0));
            return script_ops::ElementOf(value, Evaluate(node.Child(1)));
        }
        case kAngleSubscript: {
            CVariable value = Evaluate(node.Child(0));
            return script_ops::ComponentOf(value, Evaluate(node.Child(1)));
        }
        default: PARLEVOX_INTERNAL_ERROR(); return {};
    }
}

// a + b * c groups as a + (b * c): the left operands are evaluated in
// order down the chain, then the values fold back up. && and || stop the
// descent when their left operand decides.
CVariable CScriptInterpreter::EvaluateBinaryChain(const CParseTree& node) {
    struct Pending {
        CVariable left;
        int32_t op;
    };
    std::vector<Pending> pending;
    pending.reserve(2);
    std::optional<CVariable> value;
    const CParseTree* current = &node;
    while (current->Production() == kBinaryExpression) {
        watchdog_.Node();
        CVariable left = Evaluate(current->Child(0));
        const int32_t op = current->Child(1).Production();
        if (op == kOr && script_ops::SingleInteger(left, kOrLeftType) != 0) {
            value = std::move(left);
            break;
        }
        if (op == kAnd && script_ops::SingleInteger(left, kAndLeftType) == 0) {
            value = std::move(left);
            break;
        }
        pending.push_back({std::move(left), op});
        current = &current->Child(2);
    }
    if (!value) value = Evaluate(*current);
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        if (it->op == kOr)
            script_ops::SingleInteger(*value, kOrRightType);
        else if (it->op == kAnd)
            script_ops::SingleInteger(*value, kAndRightType);
        else
            value = script_ops::Apply(script_ops::BinaryOfOperator(it->op - kFirstBinaryOp), std::move(it->left), std::move(*value));
    }
    return std::move(*value);
}

CVariable CScriptInterpreter::CallNamed(const std::string& name, const CParseTree& argument) {
    CVariable value = Evaluate(argument);
    watchdog_.Poll();  // a call may have taken long
    return host_.Call(name, value);
}

CScriptInterpreter::Target CScriptInterpreter::PlaceOf(const CParseTree& lhs, bool forWriting) {
    Depth depth(nodeDepth_, kMaxNodeDepth, kNestedTooDeeply);
    switch (lhs.Production()) {
        case kLhsVariable: {
            ResolvedVariable resolved = host_.Resolve(lhs.Variable());
            if (forWriting && !MayWrite(resolved.access))
                throw CScriptError(fmt::sprintf(kReadOnly, host_.NameOf(lhs.Variable())));
            return {script_ops::WholeOf(*resolved.variable), resolved};
        }
        case kLhsAngleSubscript:
        case kLhsSquareSubscript: {
            Target base = PlaceOf(lhs.Child(0), forWriting);
            CVariable index = Evaluate(lhs.Child(1));
            base.place = lhs.Production() == kLhsAngleSubscript ? script_ops::Subcomponent(base.place, index)
                                                             : script_ops::Element(base.place, index);
            return base;
        }
        default:
            PARLEVOX_INTERNAL_ERROR();
            throw CScriptError(kDamagedFunction);
    }
}

void CScriptInterpreter::Written(const ResolvedVariable& variable) {
    if (variable.owner) variable.owner->MarkModified();
}

}  // namespace parlevox
