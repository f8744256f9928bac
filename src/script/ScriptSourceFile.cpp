#include "script/ScriptSourceFile.h"

#include <algorithm>

#include "script/AnsiCharacters.h"

namespace parlevox {
namespace {

constexpr std::string_view kLocalsMark = "// locals:";

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) break;
        size_t end = std::min(text.find_first_of(" \t\r", at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// The first word of the code, past blanks and // comments.
std::string FirstWord(std::string_view source) {
    size_t at = 0;
    while (at < source.size()) {
        at = source.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos) return {};
        if (source.compare(at, 2, "//") != 0) break;
        at = source.find('\n', at);
        if (at == std::string_view::npos) return {};
    }
    size_t end = at;
    while (end < source.size() && IsAnsiAlphanumeric(source[end])) ++end;
    return std::string(source.substr(at, end - at));
}

}  // namespace

ScriptSourceFile ScriptSourceFile::FromText(std::string source) {
    ScriptSourceFile file;
    std::string_view first(source);
    first = first.substr(0, std::min(first.find('\n'), first.size()));
    size_t start = first.find_first_not_of(" \t");
    if (start != std::string_view::npos && first.substr(start).starts_with(kLocalsMark))
        file.locals = Words(first.substr(start + kLocalsMark.size()));
    std::string word = FirstWord(source);
    size_t prefix = 0;
    while (prefix < word.size() && IsAnsiLowercase(word[prefix])) ++prefix;
    file.functionName = word.substr(prefix);
    file.source = std::move(source);
    return file;
}

CVariableDefinitions ScriptSourceFile::LocalDefinitions() const {
    CVariableDefinitions definitions;
    int32_t id = 0;
    for (const std::string& name : locals)
        if (definitions.FindId(name) == 0) definitions.Add(name, ++id);
    return definitions;
}

SourcePosition PositionOf(std::string_view source, uint32_t offset) {
    SourcePosition position;
    const size_t end = std::min<size_t>(offset, source.size());
    for (size_t i = 0; i < end; ++i) {
        if (source[i] == '\n') {
            ++position.line;
            position.column = 1;
        } else {
            ++position.column;
        }
    }
    return position;
}

}  // namespace parlevox
