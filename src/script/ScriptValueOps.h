#pragma once
// The value rules of the running script: what assignment converts, what
// the operators compute, how subcomponents and array elements are taken.
// Everything here works on values and places alone; faults are thrown as
// CScriptError with the language's own texts. Arithmetic wraps in 32 bits.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "script/ScriptError.h"
#include "script/Variable.h"

namespace parlevox::script_ops {

// Arrays hold at most this many items: growing one further is a script
// error rather than an exhausted client.
inline constexpr int32_t kMaxArrayItems = 1 << 20;

// A place that can be written: `count` components of a variable starting at
// `offset`, or, with an index, one element of the array component at
// `offset`.
struct Place {
    CVariable* variable = nullptr;
    size_t offset = 0;
    size_t count = 0;
    int32_t index = -1;

    bool Indexed() const { return index >= 0; }
};

// The whole variable as a place.
Place WholeOf(CVariable& variable);
// What the place holds now; an element past the end reads as empty.
CVariable Read(const Place& place);

enum class Assign { Set, Add, Subtract, Multiply, Divide };
// `=` converts component by component (s from i, i from s, s from f, f
// from s); the compound forms need identical types.
void Store(const Place& place, Assign op, const CVariable& value);
// `++` / `--` on every component (every one an integer).
void Step(const Place& place, int32_t delta);
// `clear` and `clear N,`: every component must be an array; each keeps at
// most `keep` elements (0 for the plain form).
void Clear(const Place& place, int32_t keep = 0);

// LHS<n>, LHS[n] as places.
Place Subcomponent(const Place& place, const CVariable& index);
Place Element(const Place& place, const CVariable& index);

enum class Binary { Equals, NotEquals, Less, Greater, LessEquals, GreaterEquals, Plus, Minus, Times, Divide };
// The binary operators in the grammar's order, from the first (==) to the
// tenth (*); && and || follow them there.
Binary BinaryOfOperator(int32_t index);
// Every binary operator but && and ||, which the interpreter evaluates
// itself so that it can skip the right operand.
CVariable Apply(Binary op, CVariable left, CVariable right);
// The operator on two single integers into `result`; false for a quotient
// by 0, which Apply reports as a fault. Comparisons give 1 or 0.
bool ApplyToIntegers(Binary op, int32_t left, int32_t right, int32_t& result);
// 32-bit wrapping, as all arithmetic does.
inline int32_t Wrap(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}
// `!` (not) and `-` (negate).
CVariable Not(CVariable value);
CVariable Negate(CVariable value);
// E<n>, E[n] and #E.
CVariable ComponentOf(const CVariable& value, const CVariable& index);
CVariable ElementOf(const CVariable& value, const CVariable& index);
CVariable SizeOf(const CVariable& value);

// A single integer operand of && and ||; the text is thrown otherwise.
int32_t SingleInteger(const CVariable& value, const char* faultText);
// The integer an s converts to: the leading decimal integer as the C
// library reads it (blanks, a sign, digits), 0 when there is none.
int32_t IntegerOfText(const std::string& text);

}  // namespace parlevox::script_ops
