#include "common/Masks.h"

#include "common/TextHelpers.h"

namespace parlevox {

bool IsMask(std::string_view text) {
    size_t bang = text.find('!');
    size_t at = text.find('@');
    return bang != std::string_view::npos && at != std::string_view::npos && at > bang;
}

bool IsCompleteMask(std::string_view text) {
    size_t bang = text.find('!');
    size_t at = text.find('@');
    return bang != std::string_view::npos && at != std::string_view::npos && bang > 0 && at > bang + 1 &&
           at + 1 < text.size() && text.find('!', bang + 1) == std::string_view::npos &&
           text.find('@', at + 1) == std::string_view::npos;
}

bool WildcardMatch(std::string_view text, std::string_view pattern) {
    const bool endsWithStar = !pattern.empty() && pattern.back() == '*';
    size_t textPos = 0;
    size_t patternPos = 0;
    bool firstPiece = true;
    while (true) {
        size_t star = pattern.find('*', patternPos);
        bool last = star == std::string_view::npos;
        std::string_view piece = pattern.substr(patternPos, last ? std::string_view::npos : star - patternPos);
        if (!piece.empty()) {
            size_t found = FindIgnoringCase(text, piece, textPos);
            if (found == std::string_view::npos) return false;
            if (firstPiece && found != 0) return false;
            textPos = found + piece.size();
        }
        firstPiece = false;
        if (last) break;
        patternPos = star + 1;
    }
    return endsWithStar || textPos == text.size();
}

}  // namespace parlevox
