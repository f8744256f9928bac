#pragma once
// Where the parser's splits look: the first token of a kind at bracket depth
// 0 from a start index, found without scanning. Depth counts ( < [ up and
// ) > ] down over the whole token list; a token stands at the depth before
// its own change. Searches stop at the next semicolon.
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace parlevox {

class CScriptGrammar;

class BracketDepthIndex {
public:
    // terminals: each token's terminal number (-1 for none).
    BracketDepthIndex(const std::vector<int>& terminals, const CScriptGrammar& grammar);

    // The first token of the terminal at depth 0 from `from`, before `end`
    // and before the next semicolon; -1 when there is none.
    int Find(int from, int end, int terminal) const;

private:
    static int64_t Key(int terminal, int64_t depth) { return depth * 256 + (terminal + 1); }

    std::vector<int64_t> depthBefore_;
    std::vector<int> nextSemicolon_;
    std::unordered_map<int64_t, std::vector<int>> positions_;  // ascending token indices
};

}  // namespace parlevox
