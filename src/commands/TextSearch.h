#pragma once
// Searching script texts in time linear in their lengths, whatever they
// hold: a search text is prepared once (Knuth-Morris-Pratt), so a text of
// "aaaa..." and a search of "aa...ab" cost no more than any other pair.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

class TextSearch {
public:
    enum class Case { Sensitive, Ignored };  // ignored: ASCII letters only

    explicit TextSearch(std::string_view needle, Case letterCase = Case::Sensitive);

    // The first occurrence at or after `from`; npos when there is none. An
    // empty needle is found at `from` (when from is not past the end).
    size_t FindIn(std::string_view text, size_t from = 0) const;
    size_t Size() const { return needle_.size(); }

private:
    char Fold(char c) const;

    std::string needle_;  // folded when case is ignored
    std::vector<uint32_t> fallback_;  // longest proper border of each prefix
    bool ignoreCase_;
};

// The matcher of masks (WildcardMatch: "*" only, case ignored, each piece
// at its first occurrence, no backtracking) with the same answers in linear
// time, for texts and patterns of any size.
bool WildcardMatchLinear(std::string_view text, std::string_view pattern);

}  // namespace parlevox
