#pragma once
// Parsing a script function's tokens into its compiled tree: a backtracking
// top-down parse driven by the grammar's prediction table. Binary operators
// have no precedence; an expression splits at its leftmost operator.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "script/ParseTree.h"
#include "script/ScriptToken.h"

namespace parlevox {

// The compile window's progress bar.
class ParseProgress {
public:
    virtual ~ParseProgress() = default;
    virtual void SetRange(int32_t low, int32_t high) = 0;  // once, 0 to the token count
    virtual void SetPosition(int32_t position) = 0;        // tokens consumed at the furthest point
};

struct ParseFailure {
    std::string text;
    uint32_t offset = 0;  // into the source: where the editor puts the cursor
};

using ParseResult = std::variant<std::unique_ptr<CParseTree>, ParseFailure>;

class ScriptParser {
public:
    // Steps (productions tried, derivations noted or replayed) before a
    // source is given up as too complex. With statements, blocks and
    // expressions derived once per place, work grows about linearly: 500
    // lines nested four deep take about 20,000 steps, 2,000 statements about
    // 45,000. A release build takes some 20 ns a step, and the parse's memory
    // stays within about 40 bytes a step.
    static constexpr uint64_t kWorkBudget = 1000000;
    // Sub-ranges (operands left of an operator, subscripts) parsed inside
    // one another. Each level takes up to about 8 KB of the machine stack
    // under AddressSanitizer (1.5 MB at the limit), far less without.
    static constexpr int kMaxRangeNesting = 200;

    // Fails with "Syntax error." at the furthest token any branch reached, or
    // at sourceLength when the parse failed after consuming every token.
    // Fails with "This function is too complex to compile. ..." at the
    // furthest token when the work budget is spent.
    static ParseResult Compile(const TokenList& tokens, uint32_t sourceLength, ParseProgress* progress = nullptr,
                               uint64_t workBudget = kWorkBudget);
};

}  // namespace parlevox
