#include "script/ScriptValueOps.h"

#include <fmt/printf.h>

#include <cctype>
#include <climits>
#include <string>

#include "script/InterpreterTexts.h"

namespace parlevox::script_ops {
namespace {

using namespace script_text;

[[noreturn]] void Fault(const char* text) {
    throw CScriptError(text);
}

template <typename... Args>
[[noreturn]] void Fault(const char* format, const Args&... args) {
    throw CScriptError(fmt::sprintf(format, args...));
}

int32_t Divide(int32_t left, int32_t right) {
    if (right == 0) Fault(kDivideByZero);
    if (left == INT32_MIN && right == -1) return INT32_MIN;  // the one quotient that does not fit
    return left / right;
}

ComponentType ElementType(ComponentType array) {
    switch (array) {
        case ComponentType::StringArray: return ComponentType::String;
        case ComponentType::IntArray: return ComponentType::Int;
        case ComponentType::FunctionArray: return ComponentType::Function;
        default: return array;
    }
}

size_t ArraySize(const VariableComponent& c) {
    return c.type == ComponentType::IntArray ? c.numbers.size() : c.texts.size();
}

void CheckArraySize(size_t size) {
    if (size > static_cast<size_t>(kMaxArrayItems))
        Fault(kArrayTooLarge, static_cast<long long>(size) - 1, kMaxArrayItems);
}

// Element n of an array component as a scalar; empty past the end.
VariableComponent ElementAt(const VariableComponent& array, size_t n) {
    VariableComponent element = VariableComponent::Empty(ElementType(array.type));
    if (n >= ArraySize(array)) return element;
    if (array.type == ComponentType::IntArray)
        element.number = array.numbers[n];
    else
        element.text = array.texts[n];
    return element;
}

void SetElement(VariableComponent& array, size_t n, const VariableComponent& element) {
    if (n >= ArraySize(array)) {
        CheckArraySize(n + 1);
        if (array.type == ComponentType::IntArray)
            array.numbers.resize(n + 1);
        else
            array.texts.resize(n + 1);
    }
    if (array.type == ComponentType::IntArray)
        array.numbers[n] = element.number;
    else
        array.texts[n] = element.text;
}

std::string LongTypes(const CVariable& value) {
    return value.LongTypeString();
}

// Whether two values have the same type string, without building it.
bool SameTypes(const CVariable& a, const CVariable& b) {
    if (a.Count() != b.Count()) return false;
    for (size_t k = 0; k < a.Count(); ++k)
        if (a.Component(k).type != b.Component(k).type) return false;
    return true;
}

bool HasFunction(const CVariable& value, bool arraysToo) {
    for (const VariableComponent& c : value.Components())
        if (c.type == ComponentType::Function || (arraysToo && c.type == ComponentType::FunctionArray)) return true;
    return false;
}

bool IsSingle(const CVariable& value, ComponentType type) {
    return value.Count() == 1 && value.Component(0).type == type;
}

// The value converted to the target type for `=`.
VariableComponent Converted(ComponentType target, const VariableComponent& from, const CVariable& targetValue,
                            const CVariable& value) {
    if (from.type == target) return from;
    if (target == ComponentType::String && from.type == ComponentType::Int)
        return VariableComponent::String(std::to_string(from.number));
    if (target == ComponentType::Int && from.type == ComponentType::String)
        return VariableComponent::Int(IntegerOfText(from.text));
    if (target == ComponentType::String && from.type == ComponentType::Function)
        return VariableComponent::String(from.text);
    if (target == ComponentType::Function && from.type == ComponentType::String)
        return VariableComponent::Function(from.text);
    Fault(kCannotConvert, LongTypes(targetValue), LongTypes(value));
}

void AppendArray(VariableComponent& to, const VariableComponent& from) {
    CheckArraySize(ArraySize(to) + ArraySize(from));
    if (to.type == ComponentType::IntArray)
        to.numbers.insert(to.numbers.end(), from.numbers.begin(), from.numbers.end());
    else
        to.texts.insert(to.texts.end(), from.texts.begin(), from.texts.end());
}

// One component of a compound assignment or of + - * /.
void Combine(VariableComponent& to, const VariableComponent& with, Assign op, const CVariable& whole) {
    if (op == Assign::Add) {
        if (to.type == ComponentType::Int)
            to.number = Wrap(static_cast<int64_t>(to.number) + with.number);
        else if (to.type == ComponentType::String)
            to.text += with.text;
        else if (IsArray(to.type))
            AppendArray(to, with);
        return;
    }
    if (to.type != ComponentType::Int) {
        const char* text = op == Assign::Subtract   ? kSubtractNotNumeric
                           : op == Assign::Multiply ? kMultiplyNotNumeric
                                                    : kDivideNotNumeric;
        Fault(text, LongTypes(whole));
    }
    if (op == Assign::Subtract) to.number = Wrap(static_cast<int64_t>(to.number) - with.number);
    if (op == Assign::Multiply) to.number = Wrap(static_cast<int64_t>(to.number) * with.number);
    if (op == Assign::Divide) to.number = Divide(to.number, with.number);
}

int32_t IndexValue(const CVariable& index, const char* typeFault) {
    if (!IsSingle(index, ComponentType::Int)) Fault(typeFault);
    return index.Component(0).number;
}

const char* OperatorSymbol(Binary op) {
    switch (op) {
        case Binary::Less: return "<";
        case Binary::Greater: return ">";
        case Binary::LessEquals: return "<=";
        case Binary::GreaterEquals: return ">=";
        default: return "";
    }
}

CVariable Truth(bool value) {
    return CVariable({VariableComponent::Int(value ? 1 : 0)});
}

CVariable Compare(Binary op, const CVariable& left, const CVariable& right) {
    if (left.Count() != 1) Fault(kCompareSeveral, OperatorSymbol(op));
    const VariableComponent& a = left.Component(0);
    const VariableComponent& b = right.Component(0);
    int order = 0;
    if (a.type == ComponentType::Int)
        order = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    else if (a.type == ComponentType::String)
        order = a.text.compare(b.text);  // bytes, as unsigned characters
    else
        Fault(kCompareKind, OperatorSymbol(op));
    switch (op) {
        case Binary::Less: return Truth(order < 0);
        case Binary::Greater: return Truth(order > 0);
        case Binary::LessEquals: return Truth(order <= 0);
        default: return Truth(order >= 0);
    }
}

}  // namespace

int32_t IntegerOfText(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // The C library saturates at the limits of its long; the int it hands
    // back is the low 32 bits of that.
    uint64_t magnitude = 0;
    bool saturated = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude > (uint64_t{INT64_MAX} - 9) / 10) saturated = true;
        if (!saturated) magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    int64_t value;
    if (saturated)
        value = negative ? INT64_MIN : INT64_MAX;
    else
        value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return Wrap(value);
}

Place WholeOf(CVariable& variable) {
    return {&variable, 0, variable.Count(), -1};
}

CVariable Read(const Place& place) {
    const CVariable& v = *place.variable;
    if (place.Indexed())
        return CVariable({ElementAt(v.Component(place.offset), static_cast<size_t>(place.index))});
    std::vector<VariableComponent> components(v.Components().begin() + static_cast<std::ptrdiff_t>(place.offset),
                                              v.Components().begin() +
                                                  static_cast<std::ptrdiff_t>(place.offset + place.count));
    return CVariable(std::move(components));
}

void Store(const Place& place, Assign op, const CVariable& value) {
    CVariable current = Read(place);
    if (op == Assign::Set) {
        if (current.Count() != value.Count()) Fault(kSetCountMismatch);
        for (size_t k = 0; k < value.Count(); ++k)
            current.Component(k) = Converted(current.Component(k).type, value.Component(k), current, value);
    } else {
        if (!SameTypes(current, value)) Fault(kTypesDoNotMatch, LongTypes(current), LongTypes(value));
        if (HasFunction(current, true)) Fault(kArithmeticOnFunction);
        // Combining changes values, never types: `current` names them in a fault.
        for (size_t k = 0; k < value.Count(); ++k) Combine(current.Component(k), value.Component(k), op, current);
    }
    CVariable& target = *place.variable;
    if (place.Indexed()) return SetElement(target.Component(place.offset), static_cast<size_t>(place.index),
                                           current.Component(0));
    for (size_t k = 0; k < current.Count(); ++k) target.Component(place.offset + k) = std::move(current.Component(k));
}

void Step(const Place& place, int32_t delta) {
    CVariable current = Read(place);
    for (const VariableComponent& c : current.Components())
        if (c.type != ComponentType::Int) Fault(kIncrementNotNumber);
    Store(place, Assign::Add, CVariable(std::vector<VariableComponent>(current.Count(), VariableComponent::Int(delta))));
}

void Clear(const Place& place, int32_t keep) {
    if (place.Indexed()) Fault(kClearNotArray);
    const size_t kept = keep > 0 ? static_cast<size_t>(keep) : 0;
    for (size_t k = 0; k < place.count; ++k) {
        VariableComponent& c = place.variable->Component(place.offset + k);
        if (!IsArray(c.type)) Fault(kClearNotArray);
    }
    for (size_t k = 0; k < place.count; ++k) {
        VariableComponent& c = place.variable->Component(place.offset + k);
        if (c.type == ComponentType::IntArray && c.numbers.size() > kept) c.numbers.resize(kept);
        if (c.type != ComponentType::IntArray && c.texts.size() > kept) c.texts.resize(kept);
    }
}

Place Subcomponent(const Place& place, const CVariable& index) {
    if (place.Indexed()) Fault(kSubcomponentOfIndex);
    const int32_t n = IndexValue(index, kComponentIndexType);
    if (n < 0 || static_cast<size_t>(n) >= place.count) Fault(kComponentIndexRange);
    return {place.variable, place.offset + static_cast<size_t>(n), 1, -1};
}

Place Element(const Place& place, const CVariable& index) {
    if (place.Indexed()) Fault(kIndexOfIndex);
    if (place.count != 1) Fault(kIndexOfSeveral);
    if (!IsArray(place.variable->Component(place.offset).type)) Fault(kIndexOfScalar);
    const int32_t n = IndexValue(index, kArrayIndexType);
    if (n < 0) Fault(kArrayIndexNegative);
    return {place.variable, place.offset, 1, n};
}

CVariable Apply(Binary op, CVariable left, CVariable right) {
    if (op == Binary::Plus) {
        // "4" + 1 is "41": a lone integer beside a lone string becomes text.
        if (IsSingle(left, ComponentType::String) && IsSingle(right, ComponentType::Int))
            right = CVariable({VariableComponent::String(std::to_string(right.Component(0).number))});
        else if (IsSingle(left, ComponentType::Int) && IsSingle(right, ComponentType::String))
            left = CVariable({VariableComponent::String(std::to_string(left.Component(0).number))});
    }
    if (!SameTypes(left, right)) Fault(kIncompatibleOperands);
    if (left.Count() == 1 && left.Component(0).type == ComponentType::Int) {
        // The common case, without the general loop.
        int32_t& number = left.Component(0).number;
        if (!ApplyToIntegers(op, number, right.Component(0).number, number)) Fault(kDivideByZero);
        return left;
    }
    switch (op) {
        case Binary::Equals: return Truth(left == right);
        case Binary::NotEquals: return Truth(!(left == right));
        case Binary::Less:
        case Binary::Greater:
        case Binary::LessEquals:
        case Binary::GreaterEquals: return Compare(op, left, right);
        default: break;
    }
    const Assign combine = op == Binary::Plus    ? Assign::Add
                           : op == Binary::Minus ? Assign::Subtract
                           : op == Binary::Times ? Assign::Multiply
                                                 : Assign::Divide;
    if (combine == Assign::Add && HasFunction(left, false)) Fault(kAddFunctions);
    for (size_t k = 0; k < left.Count(); ++k) Combine(left.Component(k), right.Component(k), combine, left);
    return left;
}

Binary BinaryOfOperator(int32_t index) {
    static constexpr Binary kOperators[] = {Binary::Equals,     Binary::NotEquals,     Binary::Less,
                                            Binary::Greater,    Binary::LessEquals,    Binary::GreaterEquals,
                                            Binary::Plus,       Binary::Minus,         Binary::Divide,
                                            Binary::Times};
    return kOperators[index];
}

bool ApplyToIntegers(Binary op, int32_t a, int32_t b, int32_t& result) {
    switch (op) {
        case Binary::Equals: result = a == b; break;
        case Binary::NotEquals: result = a != b; break;
        case Binary::Less: result = a < b; break;
        case Binary::Greater: result = a > b; break;
        case Binary::LessEquals: result = a <= b; break;
        case Binary::GreaterEquals: result = a >= b; break;
        case Binary::Plus: result = Wrap(int64_t{a} + b); break;
        case Binary::Minus: result = Wrap(int64_t{a} - b); break;
        case Binary::Times: result = Wrap(int64_t{a} * b); break;
        case Binary::Divide:
            if (b == 0) return false;
            result = a == INT32_MIN && b == -1 ? INT32_MIN : a / b;  // the one quotient that does not fit
            break;
    }
    return true;
}

CVariable Not(CVariable value) {
    for (VariableComponent& c : value.Components()) {
        if (c.type != ComponentType::Int) Fault(kUnaryNotInteger);
        c.number = c.number == 0 ? 1 : 0;
    }
    return value;
}

CVariable Negate(CVariable value) {
    for (VariableComponent& c : value.Components()) {
        if (c.type != ComponentType::Int) Fault(kUnaryNotInteger);
        c.number = Wrap(-static_cast<int64_t>(c.number));
    }
    return value;
}

CVariable ComponentOf(const CVariable& value, const CVariable& index) {
    const int32_t n = IndexValue(index, kComponentIndexType);
    if (n < 0 || static_cast<size_t>(n) >= value.Count()) Fault(kComponentIndexRange);
    return CVariable({value.Component(static_cast<size_t>(n))});
}

CVariable ElementOf(const CVariable& value, const CVariable& index) {
    const int32_t n = IndexValue(index, kArrayIndexType);
    for (const VariableComponent& c : value.Components())
        if (!IsArray(c.type)) Fault(kIndexOfNonArrays, LongTypes(value));
    if (n < 0) Fault(kArrayIndexNegative);
    CVariable result;
    for (const VariableComponent& c : value.Components()) {
        if (static_cast<size_t>(n) >= ArraySize(c)) Fault(kArrayIndexPastEnd);
        result.Append(ElementAt(c, static_cast<size_t>(n)));
    }
    return result;
}

CVariable SizeOf(const CVariable& value) {
    if (value.Count() != 1) Fault(kSizeOfSeveral);
    const VariableComponent& c = value.Component(0);
    if (!IsArray(c.type)) Fault(kSizeOfScalar);
    return CVariable({VariableComponent::Int(static_cast<int32_t>(ArraySize(c)))});
}

int32_t SingleInteger(const CVariable& value, const char* faultText) {
    if (!IsSingle(value, ComponentType::Int)) Fault(faultText);
    return value.Component(0).number;
}

}  // namespace parlevox::script_ops
