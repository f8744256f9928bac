#include "script/ScriptGrammar.h"

#include <algorithm>
#include <array>

#include "common/InternalErrorReport.h"

namespace parlevox {
namespace {

// The numbers are stored in compiled trees: append, never reorder. DoNotUse
// has no production of its own, so 24, 25 and 36 never apply.
constexpr std::array<std::string_view, 66> kScriptProductions = {
    "Function:C_tokFunction Parameters Block",
    "Parameters:C_tokLeftAngle Parameter C_tokRightAngle",
    "Parameter:LHS",
    "Parameter:LHS C_tokComma Parameter",
    "Block:C_tokLeftBrace Statements C_tokRightBrace",
    "Block:Statement",
    "Statements:Statement",
    "Statements:Statement Statements",
    "Statement:LHS AssignOp Expression C_tokSemicolon",
    "Statement:LHS IncrementOp C_tokSemicolon",
    "Statement:Parameters C_tokSetEquals Expression",
    "Statement:C_tokWhile C_tokLeftBracket Expression C_tokRightBracket Block",
    "Statement:C_tokDo Block C_tokWhile C_tokLeftBracket Expression C_tokRightBracket C_tokSemicolon",
    "Statement:C_tokFor C_tokLeftBracket Block Expression C_tokSemicolon Block C_tokRightBracket Block",
    "Statement:C_tokIf C_tokLeftBracket Expression C_tokRightBracket Block",
    "Statement:C_tokIf C_tokLeftBracket Expression C_tokRightBracket Block C_tokElse Block",
    "Statement:C_tokReturn Expression C_tokSemicolon",
    "Statement:C_tokClear LHS C_tokSemicolon",
    "Statement:C_tokClear C_tokNumber C_tokComma LHS C_tokSemicolon",
    "Statement:FunctionCall C_tokSemicolon",
    "Statement:C_tokIRCCommand",
    "LHS:C_tokVariable",
    "LHS:LHS C_tokLeftAngle Expression C_tokRightAngle",
    "LHS:LHS C_tokLeftSquare Expression C_tokRightSquare",
    "LHS:DoNotUse C_tokLeftAngle LHSList C_tokRightAngle",
    "LHSList:DoNotUse LHS",
    "Expression:Expression BinaryOp Expression",
    "Expression:C_tokString",
    "Expression:UnaryOp Expression",
    "Expression:C_tokLeftBracket Expression C_tokRightBracket",
    "Expression:FunctionCall",
    "Expression:C_tokAddress C_tokFunction",
    "Expression:C_tokLeftAngle ExprList C_tokRightAngle",
    "Expression:C_tokHash Expression",
    "Expression:C_tokVariable",
    "Expression:C_tokNumber",
    "LHSList:DoNotUse LHS C_tokComma LHSList",
    "Expression:Expression C_tokLeftSquare Expression C_tokRightSquare",
    "Expression:Expression C_tokLeftAngle Expression C_tokRightAngle",
    "FunctionCall:C_tokFunction Expression",
    "FunctionCall:C_tokTimes C_tokVariable Expression",
    "ExprList:Expression",
    "ExprList:Expression C_tokComma ExprList",
    "BinaryOp:C_tokEquals",
    "BinaryOp:C_tokNotEquals",
    "BinaryOp:C_tokLeftAngle",
    "BinaryOp:C_tokRightAngle",
    "BinaryOp:C_tokLessEquals",
    "BinaryOp:C_tokGreaterEquals",
    "BinaryOp:C_tokPlus",
    "BinaryOp:C_tokMinus",
    "BinaryOp:C_tokDivide",
    "BinaryOp:C_tokTimes",
    "BinaryOp:C_tokOr",
    "BinaryOp:C_tokAnd",
    "UnaryOp:C_tokNot",
    "AssignOp:C_tokSetEquals",
    "AssignOp:C_tokPlusEquals",
    "AssignOp:C_tokMinusEquals",
    "AssignOp:C_tokTimesEquals",
    "AssignOp:C_tokDivideEquals",
    "IncrementOp:C_tokPlusPlus",
    "IncrementOp:C_tokMinusMinus",
    "UnaryOp:C_tokMinus",
    "Parameters:C_tokLeftAngle C_tokRightAngle",
    "Statement:C_tokReturn C_tokSemicolon",
};

constexpr std::string_view kEndOfSourceName = "<end-of-source token>";

// "Left:A B C" as {"Left", "A", "B", "C"}.
std::vector<std::string_view> SplitProduction(std::string_view text) {
    std::vector<std::string_view> names;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ':' || text[i] == ' ') {
            if (i > start) names.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return names;
}

bool IsTerminalName(std::string_view name) { return name.starts_with("C_"); }

}  // namespace

const CScriptGrammar& CScriptGrammar::Instance() {
    static const CScriptGrammar grammar(kScriptProductions);
    return grammar;
}

CScriptGrammar::CScriptGrammar(std::span<const std::string_view> productions) {
    std::vector<std::vector<std::string_view>> split;
    std::vector<std::string> terminals;
    std::vector<std::string> nonterminals;
    for (std::string_view text : productions) {
        split.push_back(SplitProduction(text));
        for (std::string_view name : split.back()) AddSymbol(name, IsTerminalName(name) ? terminals : nonterminals);
    }
    names_.emplace_back(kEndOfSourceName);
    names_.insert(names_.end(), terminals.begin(), terminals.end());
    terminalCount_ = static_cast<int>(names_.size());
    names_.insert(names_.end(), nonterminals.begin(), nonterminals.end());
    for (const auto& names : split) {
        std::vector<int>& symbols = productions_.emplace_back();
        for (std::string_view name : names) symbols.push_back(SymbolNumber(name));
    }
    terminalOfKind_.resize(kTokenKindCount);
    for (int kind = 0; kind < kTokenKindCount; ++kind) {
        int symbol = SymbolNumber(TokenClassName(static_cast<TokenKind>(kind)));
        terminalOfKind_[static_cast<size_t>(kind)] = symbol >= 0 && IsTerminal(symbol) ? symbol : -1;
    }
    BuildPrediction();
}

int CScriptGrammar::AddSymbol(std::string_view name, std::vector<std::string>& list) {
    auto found = std::find(list.begin(), list.end(), name);
    if (found == list.end()) found = list.insert(list.end(), std::string(name));
    return static_cast<int>(found - list.begin());
}

int CScriptGrammar::SymbolNumber(std::string_view name) const {
    auto found = std::find(names_.begin(), names_.end(), name);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

std::span<const int> CScriptGrammar::RightSide(int production) const {
    const auto& symbols = productions_[static_cast<size_t>(production)];
    return std::span<const int>(symbols).subspan(1);
}

size_t CScriptGrammar::CellIndex(int nonterminal, int terminal) const {
    return static_cast<size_t>(nonterminal - terminalCount_) * static_cast<size_t>(terminalCount_) +
           static_cast<size_t>(terminal);
}

std::span<const uint8_t> CScriptGrammar::Prediction(int nonterminal, int terminal) const {
    if (nonterminal < terminalCount_ || nonterminal >= SymbolCount() || terminal < 0 || terminal >= terminalCount_) return {};
    return cells_[CellIndex(nonterminal, terminal)];
}

// Whether some derivation of the nonterminal starts with the terminal. A
// production that begins with its own left side adds nothing new, so only
// cycles through other nonterminals are errors in the table.
bool CScriptGrammar::CanBeginWith(int nonterminal, int terminal) {
    Mark& mark = marks_[CellIndex(nonterminal, terminal)];
    if (mark == Mark::Yes || mark == Mark::No) return mark == Mark::Yes;
    if (mark == Mark::InProgress) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    mark = Mark::InProgress;
    bool result = false;
    for (const auto& symbols : productions_) {
        if (symbols.front() != nonterminal || symbols.size() < 2) continue;
        int first = symbols[1];
        if (first == terminal || (!IsTerminal(first) && first != nonterminal && CanBeginWith(first, terminal))) {
            result = true;
            break;
        }
    }
    marks_[CellIndex(nonterminal, terminal)] = result ? Mark::Yes : Mark::No;
    return result;
}

void CScriptGrammar::BuildPrediction() {
    size_t cellCount = static_cast<size_t>(SymbolCount() - terminalCount_) * static_cast<size_t>(terminalCount_);
    marks_.assign(cellCount, Mark::Unknown);
    cells_.assign(cellCount, {});
    for (int nonterminal = terminalCount_; nonterminal < SymbolCount(); ++nonterminal) {
        for (int terminal = 1; terminal < terminalCount_; ++terminal) {
            auto& cell = cells_[CellIndex(nonterminal, terminal)];
            for (int p = 0; p < ProductionCount(); ++p) {
                const auto& symbols = productions_[static_cast<size_t>(p)];
                if (symbols.front() != nonterminal || symbols.size() < 2) continue;
                int first = symbols[1];
                if (first != terminal && (IsTerminal(first) || !CanBeginWith(first, terminal))) continue;
                if (cell.size() == kMaxCellProductions) {
                    PARLEVOX_INTERNAL_ERROR();
                    break;
                }
                cell.push_back(static_cast<uint8_t>(p));
            }
        }
    }
}

}  // namespace parlevox
