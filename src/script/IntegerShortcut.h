#pragma once
// The interpreter's shortcut for expressions built of numbers, variables,
// brackets and operators alone. Such an expression has no effect but its
// value, so it is first worked out on plain integers, without building
// values; when a variable turns out not to be a single integer, or a
// divisor is 0, the shortcut gives up and the general rules evaluate the
// expression again, reaching the same value or fault. Loops of integer
// arithmetic, the commonest script code, run several times faster for it.
#include <cstdint>

#include "script/ParseTree.h"
#include "script/ScriptRunHost.h"
#include "script/ScriptWatchdog.h"

namespace parlevox {

class IntegerShortcut {
public:
    // Deeper expressions take the general way, so that the shortcut's
    // recursion stays shallow.
    static constexpr int kMaxDepth = 32;

    IntegerShortcut(ScriptRunHost& host, ScriptWatchdog& watchdog) : host_(host), watchdog_(watchdog) {}

    // The expression's value as a single integer into `value`; false when
    // the shortcut does not apply to it.
    bool Evaluate(const CParseTree& expression, int32_t& value);
    // The single integer a variable holds, for updating in place; nullptr
    // when it holds anything else or may not be written.
    int32_t* WritableInteger(const ResolvedVariable& variable) const;

private:
    static bool Applies(const CParseTree& node, int depth);
    bool Value(const CParseTree& node, int32_t& value);

    ScriptRunHost& host_;
    ScriptWatchdog& watchdog_;
};

}  // namespace parlevox
