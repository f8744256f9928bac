#include "script/ScriptGrammar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/InternalErrorReport.h"

namespace parlevox {
namespace {

const CScriptGrammar& Grammar() { return CScriptGrammar::Instance(); }

std::vector<std::string> Names(std::span<const int> symbols) {
    std::vector<std::string> names;
    for (int symbol : symbols) names.push_back(Grammar().SymbolName(symbol));
    return names;
}

TEST(ScriptGrammarTest, SymbolsAreNumberedEndTerminalsThenNonterminals) {
    const auto& grammar = Grammar();
    EXPECT_EQ(grammar.SymbolName(CScriptGrammar::kEndOfSource), "<end-of-source token>");
    EXPECT_EQ(grammar.SymbolName(1), "C_tokFunction");  // first terminal met in the table
    EXPECT_EQ(grammar.SymbolName(grammar.TerminalCount()), "Function");
    EXPECT_EQ(grammar.StartSymbol(), grammar.TerminalCount());
    for (int symbol = 1; symbol < grammar.SymbolCount(); ++symbol) {
        EXPECT_EQ(grammar.IsTerminal(symbol), grammar.SymbolName(symbol).starts_with("C_")) << grammar.SymbolName(symbol);
    }
    // Every token kind has its terminal, found by the class name.
    EXPECT_EQ(grammar.TerminalCount(), kTokenKindCount + 1);
    for (int kind = 0; kind < kTokenKindCount; ++kind) {
        int terminal = grammar.TerminalOf(static_cast<TokenKind>(kind));
        ASSERT_GT(terminal, 0);
        EXPECT_EQ(grammar.SymbolName(terminal), TokenClassName(static_cast<TokenKind>(kind)));
    }
    EXPECT_EQ(grammar.ProductionCount(), 66);
    EXPECT_EQ(grammar.SymbolName(grammar.LeftSide(22)), "LHS");
    EXPECT_EQ(Names(grammar.RightSide(22)),
              (std::vector<std::string>{"LHS", "C_tokLeftAngle", "Expression", "C_tokRightAngle"}));
    EXPECT_EQ(Names(grammar.RightSide(65)), (std::vector<std::string>{"C_tokReturn", "C_tokSemicolon"}));
}

struct CellCase {
    const char* nonterminal;
    const char* terminal;
    std::vector<uint8_t> productions;
};

TEST(ScriptGrammarTest, PredictionListsWhatCanBeginWithTheTerminal) {
    const CellCase cases[] = {
        {"Expression", "C_tokVariable", {26, 34, 37, 38}},     // left recursion included, in order
        {"Expression", "C_tokLeftAngle", {26, 32, 37, 38}},
        {"Expression", "C_tokMinus", {26, 28, 37, 38}},          // through UnaryOp
        {"Expression", "C_tokTimes", {26, 30, 37, 38}},          // through FunctionCall
        {"Expression", "C_tokRightBracket", {}},
        {"Statement", "C_tokVariable", {8, 9}},                  // through LHS
        {"Statement", "C_tokLeftAngle", {10}},                   // through Parameters
        {"Statement", "C_tokIf", {14, 15}},
        {"Statement", "C_tokReturn", {16, 65}},
        {"Block", "C_tokLeftBrace", {4}},
        {"Block", "C_tokFunction", {5}},
        {"Statements", "C_tokIRCCommand", {6, 7}},
        {"Parameters", "C_tokLeftAngle", {1, 64}},
        {"BinaryOp", "C_tokLeftAngle", {45}},
        {"LHSList", "C_tokVariable", {}},                        // DoNotUse begins nothing
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.nonterminal) + " / " + row.terminal);
        auto cell = Grammar().Prediction(Grammar().SymbolNumber(row.nonterminal), Grammar().SymbolNumber(row.terminal));
        EXPECT_EQ(std::vector<uint8_t>(cell.begin(), cell.end()), row.productions);
    }
}

class InternalErrors : public ::testing::Test {
protected:
    void SetUp() override {
        SetInternalErrorSink([this](const MessageBoxRequest& box) { reports.push_back(box.text); });
    }
    void TearDown() override { SetInternalErrorSink(nullptr); }
    std::vector<std::string> reports;
};

TEST_F(InternalErrors, ACycleInTheBeginsWithRelationIsReported) {
    const std::string_view table[] = {"A:B C_x", "B:A C_y"};
    CScriptGrammar grammar(table);
    ASSERT_FALSE(reports.empty());
    EXPECT_NE(reports.front().find("ScriptGrammar.cpp"), std::string::npos);
}

TEST_F(InternalErrors, ATwentiethProductionInOneCellIsReportedAndDropped) {
    std::vector<std::string> texts;
    for (int i = 0; i < 20; ++i) texts.push_back("A:C_x C_" + std::to_string(i));
    std::vector<std::string_view> table(texts.begin(), texts.end());
    CScriptGrammar grammar(table);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(grammar.Prediction(grammar.SymbolNumber("A"), grammar.SymbolNumber("C_x")).size(),
              CScriptGrammar::kMaxCellProductions);

    reports.clear();
    texts.pop_back();
    table.assign(texts.begin(), texts.end());
    CScriptGrammar fits(table);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace parlevox
