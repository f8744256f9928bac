#pragma once
// Token lists for parser tests, written as blank-separated words:
//   "F < a , b > { a = 2 * 3 ; /echo }"
// A word starting with an upper-case letter is a function, a keyword is its
// keyword, another lower-case word a local variable (one id per name),
// digits a number, "quoted" a string, a word starting with / and longer than
// one character an IRC command; the rest are the operator and bracket
// tokens. Each token's offset is where its word starts in the text.
#include <cctype>
#include <map>
#include <string>
#include <string_view>

#include "script/ScriptToken.h"

namespace parlevox::test {

struct TokenScript {
    TokenList tokens;
    uint32_t length = 0;
    std::map<int32_t, std::string> variableNames;  // id -> name
};

inline std::unique_ptr<CToken> PlainToken(std::string_view word, uint32_t offset) {
    static const std::map<std::string_view, TokenKind> kWords = {
            {",", TokenKind::Comma}, {";", TokenKind::Semicolon}, {"(", TokenKind::LeftBracket},
            {")", TokenKind::RightBracket}, {"{", TokenKind::LeftBrace}, {"}", TokenKind::RightBrace},
            {"<", TokenKind::LeftAngle}, {">", TokenKind::RightAngle}, {"[", TokenKind::LeftSquare},
            {"]", TokenKind::RightSquare}, {"while", TokenKind::While}, {"do", TokenKind::Do},
            {"for", TokenKind::For}, {"if", TokenKind::If}, {"else", TokenKind::Else},
            {"return", TokenKind::Return}, {"clear", TokenKind::Clear}, {"=", TokenKind::SetEquals},
            {"+=", TokenKind::PlusEquals}, {"-=", TokenKind::MinusEquals}, {"*=", TokenKind::TimesEquals},
            {"/=", TokenKind::DivideEquals}, {"++", TokenKind::PlusPlus}, {"--", TokenKind::MinusMinus},
            {"==", TokenKind::Equals}, {"!=", TokenKind::NotEquals}, {"<=", TokenKind::LessEquals},
            {">=", TokenKind::GreaterEquals}, {"+", TokenKind::Plus}, {"-", TokenKind::Minus},
            {"*", TokenKind::Times}, {"/", TokenKind::Divide}, {"&&", TokenKind::And}, {"||", TokenKind::Or},
            {"!", TokenKind::Not}, {"&", TokenKind::Address}, {"#", TokenKind::Hash},
        };
    auto found = kWords.find(word);
    if (found == kWords.end()) return nullptr;
    switch (found->second) {
#define PARLEVOX_PLAIN(K) \
    case TokenKind::K: return std::make_unique<C_tokPlain<TokenKind::K>>(offset);
            PARLEVOX_PLAIN(Comma) PARLEVOX_PLAIN(Semicolon) PARLEVOX_PLAIN(LeftBracket) PARLEVOX_PLAIN(RightBracket)
            PARLEVOX_PLAIN(LeftBrace) PARLEVOX_PLAIN(RightBrace) PARLEVOX_PLAIN(LeftAngle) PARLEVOX_PLAIN(RightAngle)
            PARLEVOX_PLAIN(LeftSquare) PARLEVOX_PLAIN(RightSquare) PARLEVOX_PLAIN(While) PARLEVOX_PLAIN(Do)
            PARLEVOX_PLAIN(For) PARLEVOX_PLAIN(If) PARLEVOX_PLAIN(Else) PARLEVOX_PLAIN(Return) PARLEVOX_PLAIN(Clear)
            PARLEVOX_PLAIN(SetEquals) PARLEVOX_PLAIN(PlusEquals) PARLEVOX_PLAIN(MinusEquals)
            PARLEVOX_PLAIN(TimesEquals) PARLEVOX_PLAIN(DivideEquals) PARLEVOX_PLAIN(PlusPlus)
            PARLEVOX_PLAIN(MinusMinus) PARLEVOX_PLAIN(Equals) PARLEVOX_PLAIN(NotEquals) PARLEVOX_PLAIN(LessEquals)
            PARLEVOX_PLAIN(GreaterEquals) PARLEVOX_PLAIN(Plus) PARLEVOX_PLAIN(Minus) PARLEVOX_PLAIN(Times)
            PARLEVOX_PLAIN(Divide) PARLEVOX_PLAIN(And) PARLEVOX_PLAIN(Or) PARLEVOX_PLAIN(Not)
            PARLEVOX_PLAIN(Address) PARLEVOX_PLAIN(Hash)
#undef PARLEVOX_PLAIN
        default: break;
    }
    return nullptr;
}

inline TokenScript Tokens(std::string_view text) {
    TokenScript script;
    script.length = static_cast<uint32_t>(text.size());
    std::map<std::string, int32_t> ids;
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(at, end - at);
        auto offset = static_cast<uint32_t>(at);
        at = end;
        if (auto plain = PlainToken(word, offset)) {
            script.tokens.push_back(std::move(plain));
        } else if (std::isupper(static_cast<unsigned char>(word[0]))) {
            script.tokens.push_back(std::make_unique<C_tokFunction>(offset, std::string(word)));
        } else if (std::isdigit(static_cast<unsigned char>(word[0]))) {
            script.tokens.push_back(std::make_unique<C_tokNumber>(offset, std::stoi(std::string(word))));
        } else if (word[0] == '"') {
            script.tokens.push_back(std::make_unique<C_tokString>(offset, std::string(word.substr(1, word.size() - 2))));
        } else if (word[0] == '/') {
            script.tokens.push_back(std::make_unique<C_tokIRCCommand>(offset, std::string(word)));
        } else {
            auto [entry, added] = ids.emplace(std::string(word), static_cast<int32_t>(ids.size() + 1));
            script.variableNames[entry->second] = entry->first;
            script.tokens.push_back(std::make_unique<C_tokVariable>(offset, VariableReference{kScopeLocal, entry->second}));
        }
    }
    return script;
}

}  // namespace parlevox::test
