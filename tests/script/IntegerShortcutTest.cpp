// Integer expressions take a shortcut past the general value rules; these
// check that the shortcut agrees with those rules everywhere, and that it
// steps aside for anything but integers.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "ScriptRunner.h"
#include "script/InterpreterTexts.h"
#include "script/ScriptValueOps.h"

namespace parlevox {
namespace {

using test::RunScript;

// A random integer expression as source text, with its value worked out
// by the general value rules (script_ops) on the language's grouping: every
// binary operator equal and grouping to the right, unary operators taking
// the rest. A quotient by 0 anywhere that is evaluated faults.
class ExpressionMaker {
public:
    ExpressionMaker(uint32_t seed, int32_t a, int32_t b) : random_(seed), a_(a), b_(b) {}

    struct Made {
        std::string source;
        std::optional<int32_t> value;  // nothing: it faults
    };

    Made Expression(int depth) {
        Made left = Operand(depth);
        if (Pick(3) == 0 || depth > 6) return left;
        static const char* const kOperators[] = {"==", "!=", "<", ">", "<=", ">=", "+", "-", "/", "*", "||", "&&"};
        const int op = Pick(12);
        Made right = Expression(depth + 1);
        return {left.source + " " + kOperators[op] + " " + right.source, Combine(op, left.value, right.value)};
    }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }

    Made Operand(int depth) {
        static const int32_t kNumbers[] = {0, 1, 2, 3, 7, 1000, 65536, INT_MAX};
        switch (depth > 4 ? Pick(3) : Pick(6)) {
            case 0: {
                const int32_t n = kNumbers[Pick(8)];
                return {std::to_string(n), n};
            }
            case 1: return {"iA", a_};
            case 2: return {"iB", b_};
            case 3: {
                Made inner = Expression(depth + 1);
                return {"(" + inner.source + ")", inner.value};
            }
            default: {
                // Bracketed, so that where the operand ends is plain (the
                // parser's own tests cover how far a unary operator reaches).
                const char* op = Pick(2) == 0 ? "-" : "!";
                Made operand = Operand(depth + 1);
                const std::string source = std::string("(") + op + operand.source + ")";
                if (!operand.value) return {source, std::nullopt};
                CVariable value({VariableComponent::Int(*operand.value)});
                value = *op == '-' ? script_ops::Negate(value) : script_ops::Not(value);
                return {source, value.Component(0).number};
            }
        }
    }

    static std::optional<int32_t> Combine(int op, std::optional<int32_t> left, std::optional<int32_t> right) {
        if (!left) return std::nullopt;
        if (op == 10 && *left != 0) return left;  // ||
        if (op == 11 && *left == 0) return left;  // &&
        if (!right || op >= 10) return right;
        try {
            CVariable value = script_ops::Apply(script_ops::BinaryOfOperator(op), CVariable({VariableComponent::Int(*left)}),
                                                CVariable({VariableComponent::Int(*right)}));
            return value.Component(0).number;
        } catch (const CScriptError&) {
            return std::nullopt;
        }
    }

    std::mt19937 random_;
    int32_t a_, b_;
};

TEST(IntegerShortcutTest, RandomExpressionsAgreeWithTheGeneralRulesInEveryStatement) {
    const std::pair<int32_t, int32_t> operands[] = {{5, -3}, {INT_MIN, -1}, {0, 0}, {INT_MAX, 2}};
    const std::string fault = std::string("fails: ") + script_text::kDivideByZero;
    uint32_t seed = 1;
    int compared = 0, tried = 0;
    for (auto [a, b] : operands) {
        const std::vector<std::string> arguments = {std::to_string(a), std::to_string(b)};
        for (int n = 0; n < 60; ++n, ++tried) {
            ExpressionMaker maker(seed++, a, b);
            const ExpressionMaker::Made made = maker.Expression(0);
            const std::string head = "// locals: iA iB iX\nT<iA, iB> ";
            // Heavily bracketed expressions can exceed the parser's expansion
            // limit; its own tests cover that, so those are left out here.
            const std::string plain = RunScript(head + "return " + made.source + ";", arguments);
            if (plain.starts_with("compile:")) continue;
            ++compared;
            const std::string value = made.value ? std::to_string(*made.value) : fault;
            const std::string truth = made.value ? (*made.value != 0 ? "1" : "0") : fault;
            EXPECT_EQ(plain, value) << made.source;
            EXPECT_EQ(RunScript(head + "{ iX = " + made.source + "; return iX; }", arguments), value) << made.source;
            EXPECT_EQ(RunScript(head + "{ iX = 1; iX *= " + made.source + "; return iX; }", arguments), value)
                << made.source;
            EXPECT_EQ(RunScript(head + "{ if (" + made.source + ") return 1; return 0; }", arguments), truth)
                << made.source;
        }
    }
    EXPECT_GT(compared, tried * 3 / 4);
}

TEST(IntegerShortcutTest, AnythingButIntegersTakesTheGeneralWay) {
    const std::string deep = std::string(40, '(') + "1 + 2" + std::string(40, ')');
    struct Case {
        std::string source;
        std::string outcome;
    } cases[] = {
        {"// locals: sA\nT<> { sA = \"4\"; return sA + 1; }", "\"41\""},
        {"// locals: sX\nT<> { sX = 2 * 3; return sX; }", "\"6\""},
        {"// locals: iX sA\nT<> { sA = \"x\"; iX = 1 && sA; }", std::string("fails: ") + script_text::kAndRightType},
        {"// locals: iX\nT<> { iX = 5; iX /= 0; }", std::string("fails: ") + script_text::kDivideByZero},
        {"// locals: aiL\nT<> { aiL[2] = 4; aiL[2]++; aiL[2] *= 3; return aiL; }", "[0, 0, 15]"},
        {"// locals: iX\nT<> { iX = 7; iX -= 10; iX *= -3; iX--; return iX; }", "8"},
        {"// locals: fF\nT<> { fF = &T; return fF == fF; }", "1"},
        {"T<> { iSysConnected++; }",
         "fails: Attempt to write to variable iSysConnected, which is read-only from this function."},
        {"T<> return " + deep + ";", "3"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunScript(c.source), c.outcome) << c.source;
}

// An expression that met a string keeps to the general way afterwards; the
// loop's second pass must still be right.
TEST(IntegerShortcutTest, AnExpressionSeenWithAStringStaysRight) {
    EXPECT_EQ(RunScript("// locals: sA iI sOut\nT<> { sA = \"a\"; sOut = \"\"; for ({ iI = 0; } iI < 3; { iI++; }) "
                        "sOut += sA + iI; return sOut; }"),
              "\"a0a1a2\"");
}

}  // namespace
}  // namespace parlevox
