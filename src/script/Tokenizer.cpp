#include "script/Tokenizer.h"

#include <algorithm>
#include <array>

#include "common/TextHelpers.h"
#include "script/AnsiCharacters.h"
#include "script/TokenizerTexts.h"

namespace parlevox {

namespace {

using TokenFactory = std::unique_ptr<CToken> (*)(uint32_t offset);

template <TokenKind K>
std::unique_ptr<CToken> MakePlain(uint32_t offset) {
    return std::make_unique<C_tokPlain<K>>(offset);
}

struct FixedWord {
    std::string_view text;
    TokenFactory make;
};

constexpr std::array<FixedWord, 10> kSeparators = {{
    {",", MakePlain<TokenKind::Comma>},
    {";", MakePlain<TokenKind::Semicolon>},
    {"(", MakePlain<TokenKind::LeftBracket>},
    {")", MakePlain<TokenKind::RightBracket>},
    {"{", MakePlain<TokenKind::LeftBrace>},
    {"}", MakePlain<TokenKind::RightBrace>},
    {"<", MakePlain<TokenKind::LeftAngle>},
    {">", MakePlain<TokenKind::RightAngle>},
    {"[", MakePlain<TokenKind::LeftSquare>},
    {"]", MakePlain<TokenKind::RightSquare>},
}};

// Matched without regard to case.
constexpr std::array<FixedWord, 7> kKeywords = {{
    {"while", MakePlain<TokenKind::While>},
    {"do", MakePlain<TokenKind::Do>},
    {"for", MakePlain<TokenKind::For>},
    {"if", MakePlain<TokenKind::If>},
    {"else", MakePlain<TokenKind::Else>},
    {"return", MakePlain<TokenKind::Return>},
    {"clear", MakePlain<TokenKind::Clear>},
}};

constexpr std::array<FixedWord, 20> kOperators = {{
    {"=", MakePlain<TokenKind::SetEquals>},
    {"+=", MakePlain<TokenKind::PlusEquals>},
    {"-=", MakePlain<TokenKind::MinusEquals>},
    {"*=", MakePlain<TokenKind::TimesEquals>},
    {"/=", MakePlain<TokenKind::DivideEquals>},
    {"++", MakePlain<TokenKind::PlusPlus>},
    {"--", MakePlain<TokenKind::MinusMinus>},
    {"==", MakePlain<TokenKind::Equals>},
    {"!=", MakePlain<TokenKind::NotEquals>},
    {"<=", MakePlain<TokenKind::LessEquals>},
    {">=", MakePlain<TokenKind::GreaterEquals>},
    {"+", MakePlain<TokenKind::Plus>},
    {"-", MakePlain<TokenKind::Minus>},
    {"*", MakePlain<TokenKind::Times>},
    {"/", MakePlain<TokenKind::Divide>},
    {"&&", MakePlain<TokenKind::And>},
    {"||", MakePlain<TokenKind::Or>},
    {"!", MakePlain<TokenKind::Not>},
    {"&", MakePlain<TokenKind::Address>},
    {"#", MakePlain<TokenKind::Hash>},
}};

template <size_t N>
TokenFactory Find(const std::array<FixedWord, N>& words, std::string_view word, bool ignoreCase = false) {
    for (const FixedWord& fixed : words) {
        if (ignoreCase ? EqualsIgnoringCase(word, fixed.text) : word == fixed.text) return fixed.make;
    }
    return nullptr;
}

bool IsBlank(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A following '=' joins these: "+=", "==", "!=" and so on.
//
// '<' and '>' are among them, so "<=" and ">=" reach the parser as the
// comparisons its grammar has. Left apart, "a <= b" could never compile
// ('<' then '=' parses nowhere). The price is a space in an angle-bracket
// assignment: "sPair<1> = x;" and "<sA, sB> = F<>"; written without it the
// parser stops with an error instead of reading something else.
bool JoinsEquals(char c) {
    return std::string_view("+-*/|&!=<>").find(c) != std::string_view::npos;
}
// A second one of these joins the first: "++", "--", "||", "&&".
bool Doubles(char c) { return c == '+' || c == '-' || c == '|' || c == '&'; }

std::string WithWord(std::string_view text, std::string_view word) {
    std::string message(text);
    size_t at = message.find("%s");
    if (at != std::string::npos) message.replace(at, 2, word);
    return message;
}

NextToken Failure(std::string text, size_t offset) {
    return {nullptr, {std::move(text), static_cast<uint32_t>(offset)}};
}

NextToken Success(std::unique_ptr<CToken> token) { return {std::move(token), {}}; }

NextToken ReadNumber(std::string_view word, uint32_t offset) {
    // Wraps at 32 bits like the stored int32 it becomes; unsigned keeps it defined.
    uint32_t value = 0;
    for (char c : word) {
        if (!IsDigit(c)) return Failure(kInvalidNumber, offset);
        value = value * 10u + static_cast<uint32_t>(c - '0');
    }
    return Success(std::make_unique<C_tokNumber>(offset, static_cast<int32_t>(value)));
}

}  // namespace

CTokenizer::CTokenizer(std::string source, const CCompileScope& scope) : source_(std::move(source)), scope_(scope) {}

NextToken CTokenizer::Next() {
    bool passedLine = SkipBlanksAndComments();
    if (position_ >= source_.size()) return {};
    char c = source_[position_];
    if (c == '"') return ReadString();
    if (c == '/' && passedLine) return ReadIrcCommand();
    auto offset = static_cast<uint32_t>(position_);
    return Classify(ReadWord(), offset);
}

bool CTokenizer::SkipBlanksAndComments() {
    bool passedLine = false;
    for (;;) {
        while (position_ < source_.size() && IsBlank(source_[position_])) {
            if (source_[position_] == '\n') passedLine = true;
            ++position_;
        }
        if (source_.compare(position_, 2, "//") != 0) return passedLine;
        // The comment's line feed stays for the blanks above.
        position_ = std::min(source_.find('\n', position_), source_.size());
        passedLine = true;
    }
}

NextToken CTokenizer::ReadString() {
    size_t quote = position_;
    std::string value;
    for (size_t i = quote + 1; i < source_.size(); ++i) {
        char c = source_[i];
        if (c == '"') {
            position_ = i + 1;
            return Success(std::make_unique<C_tokString>(static_cast<uint32_t>(quote), std::move(value)));
        }
        // A backslash takes the next byte as it is, whatever it is.
        if (c == '\\') {
            if (++i == source_.size()) break;
            c = source_[i];
        }
        value += c;
    }
    return Failure(kUnterminatedString, quote);
}

NextToken CTokenizer::ReadIrcCommand() {
    size_t slash = position_;
    size_t lineFeed = source_.find('\n', slash);
    if (lineFeed == std::string::npos) return Failure(kIrcCommandNeedsNewline, slash);
    size_t end = lineFeed;
    if (source_[end - 1] == '\r') --end;  // end - 1 >= slash, which is '/'
    position_ = lineFeed;
    return Success(std::make_unique<C_tokIRCCommand>(static_cast<uint32_t>(slash), source_.substr(slash, end - slash)));
}

std::string_view CTokenizer::ReadWord() {
    size_t start = position_;
    std::string_view source(source_);
    if (IsAnsiAlphanumeric(source[position_])) {
        while (position_ < source.size() && IsAnsiAlphanumeric(source[position_])) ++position_;
        return source.substr(start, position_ - start);
    }
    char first = source[position_++];
    if (position_ < source.size()) {
        char next = source[position_];
        if ((next == '=' && JoinsEquals(first)) || (next == first && Doubles(first))) ++position_;
    }
    return source.substr(start, position_ - start);
}

NextToken CTokenizer::Classify(std::string_view word, uint32_t offset) const {
    if (TokenFactory make = Find(kSeparators, word)) return Success(make(offset));
    if (TokenFactory make = Find(kKeywords, word, true)) return Success(make(offset));
    if (TokenFactory make = Find(kOperators, word)) return Success(make(offset));
    if (IsDigit(word.front())) return ReadNumber(word, offset);
    if (scope_.IsFunctionName(word) || scope_.IsOwnFunctionName(word))
        return Success(std::make_unique<C_tokFunction>(offset, std::string(word)));
    if (std::optional<VariableReference> reference = scope_.ResolveVariable(word))
        return Success(std::make_unique<C_tokVariable>(offset, *reference));
    bool looksLikeSymbol = word.size() <= 2 && !HasAnsiLowercase(word);
    return Failure(WithWord(looksLikeSymbol ? kInvalidSymbol : kUndefinedName, word), offset);
}

TokenizeResult Tokenize(std::string source, const CCompileScope& scope) {
    CTokenizer tokenizer(std::move(source), scope);
    TokenizeResult result;
    for (;;) {
        NextToken next = tokenizer.Next();
        if (next.token) {
            result.tokens.push_back(std::move(next.token));
            continue;
        }
        if (!next.AtEnd()) {
            result.tokens.clear();
            result.error = std::move(next.error);
        }
        return result;
    }
}

}  // namespace parlevox
