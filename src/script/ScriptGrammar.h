#pragma once
// The script language's grammar: 66 numbered productions held as text, the
// symbol table built from them and the prediction table the parser is driven
// by. Production numbers are stored in compiled trees and module files, so
// the table's order never changes.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/ScriptProductions.h"
#include "script/ScriptToken.h"

namespace parlevox {

// Production numbers the parser and the interpreter name.
class CScriptGrammar {
public:
    static constexpr int kEndOfSource = 0;          // symbol 0, the pseudo-terminal
    static constexpr size_t kMaxCellProductions = 19;

    // The script language's table, built on first use.
    static const CScriptGrammar& Instance();

    // Any table in the same notation, "Left:Right1 Right2"; the first
    // production's left side is the start symbol.
    explicit CScriptGrammar(std::span<const std::string_view> productions);

    int SymbolCount() const { return static_cast<int>(names_.size()); }
    int TerminalCount() const { return terminalCount_; }
    bool IsTerminal(int symbol) const { return symbol < terminalCount_; }
    const std::string& SymbolName(int symbol) const { return names_[static_cast<size_t>(symbol)]; }
    int SymbolNumber(std::string_view name) const;  // -1 when unknown

    int ProductionCount() const { return static_cast<int>(productions_.size()); }
    int LeftSide(int production) const { return productions_[static_cast<size_t>(production)].front(); }
    std::span<const int> RightSide(int production) const;
    int StartSymbol() const { return productions_.empty() ? -1 : LeftSide(0); }

    // The productions of the nonterminal that can begin with the terminal,
    // in ascending number; empty for a terminal or an unknown symbol.
    std::span<const uint8_t> Prediction(int nonterminal, int terminal) const;

    // The terminal a token kind stands for, matched by its class name; -1
    // when the table does not use it.
    int TerminalOf(TokenKind kind) const { return terminalOfKind_[static_cast<size_t>(kind)]; }

private:
    enum class Mark : uint8_t { Unknown, Yes, No, InProgress };

    int AddSymbol(std::string_view name, std::vector<std::string>& list);
    bool CanBeginWith(int nonterminal, int terminal);
    void BuildPrediction();
    size_t CellIndex(int nonterminal, int terminal) const;

    std::vector<std::string> names_;
    int terminalCount_ = 0;
    std::vector<std::vector<int>> productions_;
    std::vector<Mark> marks_;
    std::vector<std::vector<uint8_t>> cells_;
    std::vector<int> terminalOfKind_;
};

}  // namespace parlevox
