#include "script/BracketDepthIndex.h"

#include <algorithm>
#include <iterator>

#include "script/ScriptGrammar.h"

namespace parlevox {

BracketDepthIndex::BracketDepthIndex(const std::vector<int>& terminals, const CScriptGrammar& grammar) {
    auto terminal = [&](TokenKind kind) { return grammar.TerminalOf(kind); };
    const int openers[] = {terminal(TokenKind::LeftBracket), terminal(TokenKind::LeftAngle),
                           terminal(TokenKind::LeftSquare)};
    const int closers[] = {terminal(TokenKind::RightBracket), terminal(TokenKind::RightAngle),
                           terminal(TokenKind::RightSquare)};
    int semicolon = terminal(TokenKind::Semicolon);
    size_t count = terminals.size();
    depthBefore_.resize(count);
    nextSemicolon_.resize(count + 1);
    int64_t depth = 0;
    for (size_t i = 0; i < count; ++i) {
        depthBefore_[i] = depth;
        positions_[Key(terminals[i], depth)].push_back(static_cast<int>(i));
        if (std::find(std::begin(openers), std::end(openers), terminals[i]) != std::end(openers)) ++depth;
        if (std::find(std::begin(closers), std::end(closers), terminals[i]) != std::end(closers)) --depth;
    }
    nextSemicolon_[count] = static_cast<int>(count);
    for (size_t i = count; i-- > 0;) {
        nextSemicolon_[i] = terminals[i] == semicolon ? static_cast<int>(i) : nextSemicolon_[i + 1];
    }
}

int BracketDepthIndex::Find(int from, int end, int terminal) const {
    if (from >= end) return -1;
    int limit = std::min(end, nextSemicolon_[static_cast<size_t>(from)]);
    auto found = positions_.find(Key(terminal, depthBefore_[static_cast<size_t>(from)]));
    if (found == positions_.end()) return -1;
    auto at = std::lower_bound(found->second.begin(), found->second.end(), from);
    return at != found->second.end() && *at < limit ? *at : -1;
}

}  // namespace parlevox
