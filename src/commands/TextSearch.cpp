#include "commands/TextSearch.h"

#include "common/TextHelpers.h"

namespace parlevox {

TextSearch::TextSearch(std::string_view needle, Case letterCase)
    : needle_(needle), fallback_(needle.size(), 0), ignoreCase_(letterCase == Case::Ignored) {
    if (ignoreCase_)
        for (char& c : needle_) c = AsciiLower(c);
    uint32_t border = 0;
    for (size_t i = 1; i < needle_.size(); ++i) {
        while (border > 0 && needle_[i] != needle_[border]) border = fallback_[border - 1];
        if (needle_[i] == needle_[border]) ++border;
        fallback_[i] = border;
    }
}

char TextSearch::Fold(char c) const { return ignoreCase_ ? AsciiLower(c) : c; }

size_t TextSearch::FindIn(std::string_view text, size_t from) const {
    if (from > text.size()) return std::string_view::npos;
    if (needle_.empty()) return from;
    size_t matched = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = Fold(text[i]);
        while (matched > 0 && c != needle_[matched]) matched = fallback_[matched - 1];
        if (c == needle_[matched] && ++matched == needle_.size()) return i + 1 - matched;
    }
    return std::string_view::npos;
}

bool WildcardMatchLinear(std::string_view text, std::string_view pattern) {
    const bool endsWithStar = !pattern.empty() && pattern.back() == '*';
    size_t textPos = 0;
    size_t patternPos = 0;
    bool firstPiece = true;
    for (;;) {
        const size_t star = pattern.find('*', patternPos);
        const bool last = star == std::string_view::npos;
        const std::string_view piece = pattern.substr(patternPos, last ? std::string_view::npos : star - patternPos);
        if (!piece.empty()) {
            if (firstPiece) {
                // Anchored: a comparison, not a search through the text.
                if (!EqualsIgnoringCase(text.substr(0, piece.size()), piece)) return false;
                textPos = piece.size();
            } else {
                // Each search starts where the last one matched, so the text
                // is read once over all pieces.
                const size_t found = TextSearch(piece, TextSearch::Case::Ignored).FindIn(text, textPos);
                if (found == std::string_view::npos) return false;
                textPos = found + piece.size();
            }
        }
        firstPiece = false;
        if (last) break;
        patternPos = star + 1;
    }
    return endsWithStar || textPos == text.size();
}

}  // namespace parlevox
