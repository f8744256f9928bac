// The value rules of running scripts: conversions on assignment, the
// operators, places in arrays, and the faults with their texts.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "script/InterpreterTexts.h"
#include "script/ScriptValueOps.h"

namespace parlevox::script_ops {
namespace {

CVariable S(std::string text) { return CVariable({VariableComponent::String(std::move(text))}); }
CVariable I(int32_t number) { return CVariable({VariableComponent::Int(number)}); }
CVariable F(std::string name) { return CVariable({VariableComponent::Function(std::move(name))}); }

std::string FaultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CScriptError& error) {
        return error.Text();
    }
    return "(no fault)";
}

TEST(ScriptValueOpsTest, AssignmentConvertsBetweenStringsIntegersAndFunctions) {
    struct Case {
        const char* targetName;
        CVariable value;
        CVariable stored;
    } cases[] = {
        {"sX", I(5), S("5")},
        {"iX", S("12ab"), I(12)},
        {"iX", S("abc"), I(0)},
        {"iX", S("  -7 apples"), I(-7)},
        {"iX", S("99999999999"), I(1215752191)},  // the low 32 bits, as the C library's int
        {"sX", F("Greet"), S("Greet")},
        {"fX", S("Greet"), F("Greet")},
        {"iX", Apply(Binary::Plus, S("4"), I(1)), I(41)},  // "4" + 1 is "41"
    };
    for (const Case& c : cases) {
        CVariable target = CVariable::FromName(c.targetName);
        Store(WholeOf(target), Assign::Set, c.value);
        EXPECT_EQ(target, c.stored) << c.targetName << " = " << c.value.TypeString();
    }
    CVariable i = CVariable::FromName("iX");
    EXPECT_EQ(FaultOf([&] { Store(WholeOf(i), Assign::Set, F("Greet")); }),
              "Attempt to set a variable of type i to a value of type f; but can't convert between those types.");
    CVariable pair = CVariable::FromName("siPair");
    EXPECT_EQ(FaultOf([&] { Store(WholeOf(pair), Assign::Set, I(1)); }), script_text::kSetCountMismatch);
}

TEST(ScriptValueOpsTest, OperatorsWrapDivideTowardZeroAndRefuseWhatTheyCannotDo) {
    struct Case {
        Binary op;
        CVariable left, right;
        CVariable result;
    } cases[] = {
        {Binary::Plus, I(INT32_MAX), I(1), I(INT32_MIN)},
        {Binary::Times, I(65536), I(65536), I(0)},
        {Binary::Divide, I(-7), I(2), I(-3)},
        {Binary::Divide, I(INT32_MIN), I(-1), I(INT32_MIN)},
        {Binary::Minus, I(3), I(5), I(-2)},
        {Binary::Plus, S("ab"), S("cd"), S("abcd")},
        {Binary::Less, S("B"), S("a"), I(1)},  // bytes, case-sensitive
        {Binary::GreaterEquals, I(2), I(2), I(1)},
        {Binary::Equals, CVariable({VariableComponent::IntArray({1, 2})}),
         CVariable({VariableComponent::IntArray({1, 2, 3})}), I(0)},
        {Binary::Plus, CVariable({VariableComponent::StringArray({"a"})}),
         CVariable({VariableComponent::StringArray({"b"})}), CVariable({VariableComponent::StringArray({"a", "b"})})},
    };
    for (const Case& c : cases) EXPECT_EQ(Apply(c.op, c.left, c.right), c.result) << static_cast<int>(c.op);

    EXPECT_EQ(FaultOf([] { Apply(Binary::Divide, I(1), I(0)); }), script_text::kDivideByZero);
    EXPECT_EQ(FaultOf([] { Apply(Binary::Minus, S("a"), S("b")); }),
              "Attempt to subtract from value that is not numeric (of type s).");
    EXPECT_EQ(FaultOf([] { Apply(Binary::Plus, F("a"), F("b")); }), script_text::kAddFunctions);
    EXPECT_EQ(FaultOf([] { Apply(Binary::Equals, I(1), F("b")); }), script_text::kIncompatibleOperands);
    CVariable two({VariableComponent::Int(1), VariableComponent::Int(2)});
    EXPECT_EQ(FaultOf([&] { Apply(Binary::Less, two, two); }),
              "Attempt to use comparison operator < on a value with more than one component.");
    EXPECT_EQ(Negate(I(INT32_MIN)), I(INT32_MIN));
    EXPECT_EQ(Not(I(5)), I(0));
    EXPECT_EQ(FaultOf([] { Not(S("x")); }), script_text::kUnaryNotInteger);
}

TEST(ScriptValueOpsTest, CompoundAssignmentsNeedTheSameTypes) {
    CVariable i = CVariable::FromName("iX");
    Store(WholeOf(i), Assign::Set, I(10));
    Store(WholeOf(i), Assign::Divide, I(3));
    EXPECT_EQ(i, I(3));
    Step(WholeOf(i), -1);
    EXPECT_EQ(i, I(2));
    EXPECT_EQ(FaultOf([&] { Store(WholeOf(i), Assign::Add, S("1")); }), "The types i and s do not match.");
    EXPECT_EQ(FaultOf([&] { Store(WholeOf(i), Assign::Divide, I(0)); }), script_text::kDivideByZero);
    CVariable f = CVariable::FromName("fX");
    EXPECT_EQ(FaultOf([&] { Store(WholeOf(f), Assign::Add, F("a")); }), script_text::kArithmeticOnFunction);
    CVariable s = CVariable::FromName("sX");
    EXPECT_EQ(FaultOf([&] { Step(WholeOf(s), 1); }), script_text::kIncrementNotNumber);
}

TEST(ScriptValueOpsTest, ArrayPlacesGrowReadEmptyAndStopAtTheCap) {
    CVariable list = CVariable::FromName("asList");
    Store(Element(WholeOf(list), I(3)), Assign::Set, S("x"));
    EXPECT_EQ(list, CVariable({VariableComponent::StringArray({"", "", "", "x"})}));
    EXPECT_EQ(SizeOf(list), I(4));
    EXPECT_EQ(Read(Element(WholeOf(list), I(9))), S(""));  // past the end reads empty
    EXPECT_EQ(ElementOf(list, I(3)), S("x"));
    EXPECT_EQ(FaultOf([&] { ElementOf(list, I(4)); }), script_text::kArrayIndexPastEnd);
    EXPECT_EQ(FaultOf([&] { Element(WholeOf(list), I(-1)); }), script_text::kArrayIndexNegative);
    EXPECT_EQ(FaultOf([&] { Store(Element(WholeOf(list), I(10'000'000)), Assign::Set, S("y")); }),
              "Array [] index 10000000 is too large: an array holds at most 1048576 items.");
    EXPECT_EQ(SizeOf(list), I(4)) << "a refused write changes nothing";

    CVariable numbers({VariableComponent::IntArray({1, 2, 3, 4, 5})});
    Clear(WholeOf(numbers), 2);
    EXPECT_EQ(numbers, CVariable({VariableComponent::IntArray({1, 2})}));

    CVariable pair = CVariable::FromName("siPair");
    Store(Subcomponent(WholeOf(pair), I(1)), Assign::Set, I(7));
    EXPECT_EQ(ComponentOf(pair, I(1)), I(7));
    EXPECT_EQ(FaultOf([&] { Element(WholeOf(pair), I(0)); }), script_text::kIndexOfSeveral);
    EXPECT_EQ(FaultOf([&] { Subcomponent(WholeOf(pair), I(2)); }), script_text::kComponentIndexRange);
    EXPECT_EQ(FaultOf([&] { Clear(WholeOf(pair)); }), script_text::kClearNotArray);
    EXPECT_EQ(FaultOf([&] { SizeOf(pair); }), script_text::kSizeOfSeveral);
}

}  // namespace
}  // namespace parlevox::script_ops
