#include "script/IntegerShortcut.h"

#include "script/ScriptProductions.h"
#include "script/ScriptValueOps.h"

namespace parlevox {
namespace {

using namespace production;

enum Hint : uint8_t { kUnknown = 0, kShortcut, kGeneral };

const int32_t* SingleInteger(const CVariable& value) {
    if (value.Count() != 1 || value.Component(0).type != ComponentType::Int) return nullptr;
    return &value.Component(0).number;
}

}  // namespace

bool IntegerShortcut::Applies(const CParseTree& node, int depth) {
    if (node.RunHint() != kUnknown) return node.RunHint() == kShortcut;
    bool applies = false;
    if (depth < kMaxDepth) {
        switch (node.Production()) {
            case kNumber:
            case kVariableValue: applies = true; break;
            case kBrackets: applies = Applies(node.Child(0), depth + 1); break;
            case kUnary: applies = Applies(node.Child(1), depth + 1); break;
            case kBinaryExpression:
                applies = Applies(node.Child(0), depth + 1) && Applies(node.Child(2), depth + 1);
                break;
            default: break;
        }
    }
    // A node too deep here may be shallow from another root: only a
    // verdict reached within the limit is kept.
    if (applies || depth == 0) node.SetRunHint(applies ? kShortcut : kGeneral);
    return applies;
}

bool IntegerShortcut::Evaluate(const CParseTree& expression, int32_t& value) {
    if (!Applies(expression, 0)) return false;
    if (Value(expression, value)) return true;
    // Variables keep their types, so an expression that met anything but
    // integers once will meet it again: it goes the general way from now on.
    expression.SetRunHint(kGeneral);
    return false;
}

// Results travel in a reference rather than an optional: returning the
// optional's two parts and reading them back as one stalls every node.
bool IntegerShortcut::Value(const CParseTree& node, int32_t& value) {
    watchdog_.Node();
    switch (node.Production()) {
        case kNumber: value = node.Number(); return true;
        case kVariableValue: {
            const int32_t* number = SingleInteger(*host_.Resolve(node.Variable()).variable);
            if (!number) return false;
            value = *number;
            return true;
        }
        case kBrackets: return Value(node.Child(0), value);
        case kUnary: {
            if (!Value(node.Child(1), value)) return false;
            value = node.Child(0).Production() == kNot ? value == 0 : script_ops::Wrap(-int64_t{value});
            return true;
        }
        default: break;
    }
    // A binary expression; && and || decide on a left operand that is not 0
    // or is 0, else take the right one.
    int32_t left;
    if (!Value(node.Child(0), left)) return false;
    const int32_t op = node.Child(1).Production();
    if ((op == kOr && left != 0) || (op == kAnd && left == 0)) {
        value = left;
        return true;
    }
    int32_t right;
    if (!Value(node.Child(2), right)) return false;
    if (op == kOr || op == kAnd) {
        value = right;
        return true;
    }
    return script_ops::ApplyToIntegers(script_ops::BinaryOfOperator(op - kFirstBinaryOp), left, right, value);
}

int32_t* IntegerShortcut::WritableInteger(const ResolvedVariable& variable) const {
    if (!MayWrite(variable.access)) return nullptr;
    return const_cast<int32_t*>(SingleInteger(*variable.variable));
}

}  // namespace parlevox
