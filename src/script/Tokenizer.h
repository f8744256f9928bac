#pragma once
// Turns the source of one script function (Windows-1252 bytes) into tokens,
// resolving every word on the way: a word becomes a keyword, a function or
// a variable bound to its scope and id, or the scan stops with a message
// and the offset to show it at.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "script/CompileScope.h"
#include "script/ScriptToken.h"

namespace parlevox {

struct TokenizerError {
    std::string text;
    uint32_t offset = 0;
};

// One step of the scan: a token, or no token and an error. An error with
// an empty text is the normal end of the source.
struct NextToken {
    std::unique_ptr<CToken> token;
    TokenizerError error;

    bool AtEnd() const { return !token && error.text.empty(); }
};

class CTokenizer {
public:
    // The scope must outlive the tokenizer. Offsets are 32-bit, so sources
    // are expected to stay below 4 GiB (module files cannot hold more).
    CTokenizer(std::string source, const CCompileScope& scope);

    // After an error (or the end) the tokenizer is not to be used again.
    NextToken Next();

private:
    // Skips blanks and comments; true when a line feed was among them.
    bool SkipBlanksAndComments();
    NextToken ReadString();
    NextToken ReadIrcCommand();
    std::string_view ReadWord();
    NextToken Classify(std::string_view word, uint32_t offset) const;

    std::string source_;
    size_t position_ = 0;
    const CCompileScope& scope_;
};

struct TokenizeResult {
    TokenList tokens;                     // empty when there is an error
    std::optional<TokenizerError> error;  // the first error, if any
};

// The whole source at once.
TokenizeResult Tokenize(std::string source, const CCompileScope& scope);

}  // namespace parlevox
