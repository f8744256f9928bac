#include "script/ScriptParser.h"

#include <gtest/gtest.h>

#include <set>

#include "common/ByteReader.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptParserTexts.h"
#include "script/TokenScript.h"

namespace parlevox {
namespace {

using test::Tokens;

struct TraceCase {
    const char* source;
    std::vector<int32_t> trace;  // production numbers in pre-order
};

// Sources written so that together they apply every production that can apply.
const TraceCase kTraceCases[] = {
    {"F < > x = 1 ;", {0, 64, 5, 8, 21, 56, 35}},
    // Parameters; no precedence: 2 * 3 + 4 groups as 2 * (3 + 4).
    {"F < a , b > { a += 2 * 3 + 4 ; }", {0, 1, 3, 21, 2, 21, 4, 6, 8, 21, 57, 26, 35, 52, 26, 35, 49, 35}},
    // The unary minus takes the whole rest: -(2 + 3).
    {"F < > x = - 2 + 3 ;", {0, 64, 5, 8, 21, 56, 28, 63, 26, 35, 49, 35}},
    // A subscript inside a binary expression, in parentheses.
    {"F < > x = ( s < 1 > ) + 2 ;", {0, 64, 5, 8, 21, 56, 26, 29, 38, 34, 35, 49, 35}},
    {"F < > x = a < 1 > [ 2 ] ;", {0, 64, 5, 8, 21, 56, 37, 38, 34, 35, 35}},
    {"F < > { x < 1 > = 2 ; x [ 1 ] -= 2 ; }", {0, 64, 4, 7, 8, 22, 21, 35, 56, 35, 6, 8, 23, 21, 35, 58, 35}},
    {"F < > return ;", {0, 64, 5, 65}},
    {"F < > return 5 ;", {0, 64, 5, 16, 35}},
    {"F < > while ( x ) x ++ ;", {0, 64, 5, 11, 34, 5, 9, 21, 61}},
    {"F < > do x -- ; while ( x ) ;", {0, 64, 5, 12, 5, 9, 21, 62, 34}},
    {"F < > for ( x = 1 ; x < 3 ; x ++ ; ) N x ;",
     {0, 64, 5, 13, 5, 8, 21, 56, 35, 26, 34, 45, 35, 5, 9, 21, 61, 5, 19, 39, 34}},
    {"F < > if ( x ) return ;", {0, 64, 5, 14, 34, 5, 65}},
    {"F < > if ( x ) return ; else return 1 ;", {0, 64, 5, 15, 34, 5, 65, 5, 16, 35}},
    // A dangling else belongs to the inner if, in a list or alone.
    {"F < > if ( a ) if ( b ) return ; else return ;", {0, 64, 5, 14, 34, 5, 15, 34, 5, 65, 5, 65}},
    {"F < > { if ( a ) if ( b ) return ; else return ; x ++ ; }",
     {0, 64, 4, 7, 14, 34, 5, 15, 34, 5, 65, 5, 65, 6, 9, 21, 61}},
    {"F < > { clear x ; clear 2 , x ; }", {0, 64, 4, 7, 17, 21, 6, 18, 21}},
    {"F < > /echo", {0, 64, 5, 20}},
    {"F < > { x *= ! # y ; x /= & G ; x = \"hi\" ; }",
     {0, 64, 4, 7, 8, 21, 59, 28, 55, 33, 34, 7, 8, 21, 60, 31, 6, 8, 21, 56, 27}},
    {"F < > * f < 1 > ;", {0, 64, 5, 19, 40, 32, 41, 35}},
    {"F < > { < a , b > = G < 1 , 2 > }", {0, 64, 4, 6, 10, 1, 3, 21, 2, 21, 30, 39, 32, 42, 35, 41, 35}},
    {"F < > x = 1 == 2 != 3 < 4 > 5 <= 6 >= 7 + 8 - 9 / 1 * 2 || 3 && 4 ;",
     {0, 64, 5, 8, 21, 56, 26, 35, 43, 26, 35, 44, 26, 35, 45, 26, 35, 46, 26, 35, 47, 26, 35, 48,
      26, 35, 49, 26, 35, 50, 26, 35, 51, 26, 35, 52, 26, 35, 53, 26, 35, 54, 35}},
};

TEST(ScriptParserTest, SourcesParseIntoTheirTreesAndStoreUnchanged) {
    std::set<int32_t> applied;
    for (const auto& row : kTraceCases) {
        SCOPED_TRACE(row.source);
        auto script = Tokens(row.source);
        ParseResult result = ScriptParser::Compile(script.tokens, script.length);
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<CParseTree>>(result))
            << std::get<ParseFailure>(result).text << " at " << std::get<ParseFailure>(result).offset;
        const CParseTree& tree = *std::get<std::unique_ptr<CParseTree>>(result);
        EXPECT_EQ(tree.ProductionTrace(), row.trace);
        applied.insert(row.trace.begin(), row.trace.end());

        ByteWriter writer;
        tree.Write(writer);
        ByteReader reader(writer.Bytes(), "short");
        EXPECT_TRUE(*CParseTree::Read(reader) == tree);
        EXPECT_TRUE(reader.AtEnd());
    }
    for (int production = 0; production < CScriptGrammar::Instance().ProductionCount(); ++production) {
        bool neverApplies = production == 24 || production == 25 || production == 36;
        EXPECT_EQ(applied.count(production) == 1, !neverApplies) << "production " << production;
    }
}

TEST(ScriptParserTest, TerminalDataLandsInTheProductionsNode) {
    auto script = Tokens("F < > { x = G < 7 , \"hi\" > ; /echo }");
    auto result = ScriptParser::Compile(script.tokens, script.length);
    const CParseTree& root = *std::get<std::unique_ptr<CParseTree>>(result);
    EXPECT_EQ(root.Text(), "F");
    const CParseTree& assignment = root.Child(1).Child(0).Child(0);  // Block Statements Statement
    ASSERT_EQ(assignment.Production(), 8);
    EXPECT_EQ(assignment.Child(0).Variable(), (VariableReference{kScopeLocal, 1}));
    const CParseTree& call = assignment.Child(2).Child(0);
    ASSERT_EQ(call.Production(), 39);
    EXPECT_EQ(call.Text(), "G");
    const CParseTree& list = call.Child(0).Child(0);
    EXPECT_EQ(list.Child(0).Number(), 7);
    EXPECT_EQ(list.Child(1).Child(0).Text(), "hi");
    EXPECT_EQ(root.Child(1).Child(0).Child(1).Child(0).Text(), "/echo");
}

struct ErrorCase {
    const char* source;
    int tokenIndex;  // where the error points; -1: the end of the source
};

const ErrorCase kErrorCases[] = {
    {"", -1},
    {"F < > x = s < 1 > + 2 ;", 9},      // the angles read as comparisons
    {"F < > x = a [ 1 ] [ 2 ] ;", 9},    // one subscript of each kind per chain
    {"F < > if ( x ) { }", 8},           // a block holds at least one statement
    {"F < > { x = 5 }", 7},              // the missing semicolon
    {"F < > x = 1 ; x = 2 ;", 7},        // a body without braces is one statement
    {"F < > { x = 1 ;", -1},             // every token used, the brace still missing
    {"F < > x = 1 + ;", 7},
};

TEST(ScriptParserTest, SyntaxErrorsPointAtTheFurthestTokenReached) {
    for (const auto& row : kErrorCases) {
        SCOPED_TRACE(row.source);
        auto script = Tokens(row.source);
        ParseResult result = ScriptParser::Compile(script.tokens, script.length);
        ASSERT_TRUE(std::holds_alternative<ParseFailure>(result));
        const auto& failure = std::get<ParseFailure>(result);
        EXPECT_EQ(failure.text, kSyntaxError);
        uint32_t expected = row.tokenIndex < 0 ? script.length : script.tokens[static_cast<size_t>(row.tokenIndex)]->Offset();
        EXPECT_EQ(failure.offset, expected);
    }
}

class RecordingProgress final : public ParseProgress {
public:
    void SetRange(int32_t low, int32_t high) override { ranges.emplace_back(low, high); }
    void SetPosition(int32_t position) override { positions.push_back(position); }
    std::vector<std::pair<int32_t, int32_t>> ranges;
    std::vector<int32_t> positions;
};

TEST(ScriptParserTest, ProgressRisesWithTheFurthestTokenOnly) {
    auto script = Tokens("F < > if ( x ) return ; else return 1 ;");
    RecordingProgress progress;
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<CParseTree>>(ScriptParser::Compile(script.tokens, script.length, &progress)));
    int32_t count = static_cast<int32_t>(script.tokens.size());
    EXPECT_EQ(progress.ranges, (std::vector<std::pair<int32_t, int32_t>>{{0, count}}));
    ASSERT_FALSE(progress.positions.empty());
    EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end(), std::less_equal<>()));
    EXPECT_EQ(progress.positions.back(), count);
}

// Sources built by repetition.
std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct HeavyCase {
    const char* name;
    std::string source;
    const char* error;  // nullptr: parses
};

std::vector<HeavyCase> HeavyCases() {
    std::string blocks;  // every block but the innermost is followed by a statement
    for (int i = 0; i < 40; ++i) blocks += "while ( x ) { ";
    blocks += "x ++ ; " + Repeat("} x ++ ; ", 40);
    return {
        {"3000-operand sum", "F < > x = 1" + Repeat(" + 1", 2999) + " ;", nullptr},
        {"5000-operand sum", "F < > x = 1" + Repeat(" + 1", 4999) + " ;", kFunctionNestedTooDeeply},
        {"comparison chain", "F < > x = 1" + Repeat(" < 1", 3000) + " ;", nullptr},
        {"comparison chain that fails", "F < > x = 1" + Repeat(" < 1", 3000) + " ; )", kSyntaxError},
        {"2000 statements", "F < > { " + Repeat("x = x + 1 ; ", 2000) + "}", nullptr},
        // About 500 lines of an ordinary function, nested four deep.
        {"long ordinary function",
         "F < s , x > { " +
             Repeat("if ( x == 1 ) { x = x + 1 ; while ( x < 10 ) { if ( y ) { y = G < x , \"a\" > ; } "
                    "else { for ( i = 0 ; i < # a ; i ++ ; ) { a [ i ] = ( a [ i ] ) * 2 ; } y ++ ; } x ++ ; } "
                    "s = s + \"b\" ; } else { x = 0 ; } N < x > ; ",
                    60) +
             "return s ; }",
         nullptr},
        {"10000 else-if", "F < > if ( x ) x ++ ;" + Repeat(" else if ( x ) x ++ ;", 10000), kFunctionNestedTooDeeply},
        {"1900 else-if that fail", "F < > if ( x ) x ++ ;" + Repeat(" else if ( x ) x ++ ;", 1900) + " )", kSyntaxError},
        {"100000 parentheses", "F < > x = " + Repeat("( ", 100000) + "1" + Repeat(" )", 100000) + " ;",
         kFunctionNestedTooDeeply},
        {"100000 nested left operands", "F < > x = " + Repeat("( ", 100000) + "1" + Repeat(" ) + 1", 100000) + " ;",
         kFunctionNestedTooDeeply},
        {"100000 nested subscripts", "F < > x = " + Repeat("a [ ", 100000) + "1" + Repeat(" ]", 100000) + " ;",
         kFunctionNestedTooDeeply},
        // Each would double the work at every level if parsed afresh.
        {"40 nested blocks each followed by a statement", "F < > { " + blocks + "}", nullptr},
        {"40 nested lists each followed by an item", "F < > x = " + Repeat("< ", 40) + "1" + Repeat(" , 1 >", 40) + " ;",
         nullptr},
    };
}

TEST(ScriptParserTest, PathologicalSourcesEndQuicklyAndOrderly) {
    for (const auto& row : HeavyCases()) {
        SCOPED_TRACE(row.name);
        auto script = Tokens(row.source);
        // How long each takes is bench/ScriptBench's business.
        ParseResult result = ScriptParser::Compile(script.tokens, script.length);
        if (row.error == nullptr) {
            EXPECT_TRUE(std::holds_alternative<std::unique_ptr<CParseTree>>(result))
                << std::get<ParseFailure>(result).text;
        } else {
            ASSERT_TRUE(std::holds_alternative<ParseFailure>(result));
            EXPECT_EQ(std::get<ParseFailure>(result).text, row.error);
            EXPECT_LE(std::get<ParseFailure>(result).offset, script.length);
        }
    }
}

TEST(ScriptParserTest, ASpentWorkBudgetEndsTheParseAtTheFurthestToken) {
    auto script = Tokens("F < > { " + Repeat("x = x + 1 ; ", 200) + "}");
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<CParseTree>>(ScriptParser::Compile(script.tokens, script.length)));
    RecordingProgress progress;
    ParseResult result = ScriptParser::Compile(script.tokens, script.length, &progress, 1000);
    ASSERT_TRUE(std::holds_alternative<ParseFailure>(result));
    EXPECT_EQ(std::get<ParseFailure>(result).text, kFunctionTooComplex);
    ASSERT_FALSE(progress.positions.empty());
    auto furthest = static_cast<size_t>(progress.positions.back());
    ASSERT_LT(furthest, script.tokens.size());
    EXPECT_EQ(std::get<ParseFailure>(result).offset, script.tokens[furthest]->Offset());
}

}  // namespace
}  // namespace parlevox
