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
    // Expansions tried before giving up on a source as too complex. Each
    // nested block or if-else that is not the last of its list doubles the
    // work; 500 lines nested four deep take about 600,000. A release build
    // spends about 20 ns an expansion, so this ends within a fifth of a
    // second.
    static constexpr uint64_t kWorkBudget = 6000000;
    // Sub-ranges (operands left of an operator, subscripts) parsed inside
    // one another. Each level takes about 6 KB of the machine stack under
    // AddressSanitizer, far less without.
    static constexpr int kMaxRangeNesting = 200;

    // Fails with "Syntax error." at the furthest token any branch reached, or
    // at sourceLength when the parse failed after consuming every token.
    static ParseResult Compile(const TokenList& tokens, uint32_t sourceLength, ParseProgress* progress = nullptr);
};

}  // namespace parlevox
