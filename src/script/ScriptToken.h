#pragma once
// The tokens of a script function's source. Every kind is a class of its
// own, named as the grammar terminal it stands for ("C_tokString", ...),
// and every token knows the byte offset of its first character, where the
// editor puts the cursor when compiling fails there.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/VariableReference.h"

namespace parlevox {

enum class TokenKind : uint8_t {
    String, IRCCommand, Function, Number, Variable,
    Comma, Semicolon, LeftBracket, RightBracket, LeftBrace, RightBrace,
    LeftAngle, RightAngle, LeftSquare, RightSquare,
    While, Do, For, If, Else, Return, Clear,
    SetEquals, PlusEquals, MinusEquals, TimesEquals, DivideEquals,
    PlusPlus, MinusMinus,
    Equals, NotEquals, LessEquals, GreaterEquals,
    Plus, Minus, Times, Divide,
    And, Or, Not,
    Address, Hash,
};
inline constexpr int kTokenKindCount = static_cast<int>(TokenKind::Hash) + 1;

// The grammar's name of the kind: "C_tokString", "C_tokComma", ...
std::string_view TokenClassName(TokenKind kind);

class CToken {
public:
    virtual ~CToken() = default;

    TokenKind Kind() const { return kind_; }
    uint32_t Offset() const { return offset_; }

    // What the kind carries; the defaults for kinds that carry nothing.
    // The string's value, the command line, or the function's name.
    virtual const std::string& Text() const;
    virtual int32_t Number() const { return -1; }
    virtual VariableReference Variable() const { return {0, -1}; }

protected:
    CToken(TokenKind kind, uint32_t offset) : kind_(kind), offset_(offset) {}

private:
    TokenKind kind_;
    uint32_t offset_;
};

// The kinds that carry nothing but their place.
template <TokenKind K>
class C_tokPlain final : public CToken {
public:
    explicit C_tokPlain(uint32_t offset) : CToken(K, offset) {}
};

class C_tokString final : public CToken {
public:
    C_tokString(uint32_t offset, std::string value) : CToken(TokenKind::String, offset), value_(std::move(value)) {}
    const std::string& Text() const override { return value_; }

private:
    std::string value_;
};

class C_tokIRCCommand final : public CToken {
public:
    C_tokIRCCommand(uint32_t offset, std::string line) : CToken(TokenKind::IRCCommand, offset), line_(std::move(line)) {}
    const std::string& Text() const override { return line_; }

private:
    std::string line_;
};

class C_tokFunction final : public CToken {
public:
    C_tokFunction(uint32_t offset, std::string name) : CToken(TokenKind::Function, offset), name_(std::move(name)) {}
    const std::string& Text() const override { return name_; }

private:
    std::string name_;
};

class C_tokNumber final : public CToken {
public:
    C_tokNumber(uint32_t offset, int32_t value) : CToken(TokenKind::Number, offset), value_(value) {}
    int32_t Number() const override { return value_; }

private:
    int32_t value_;
};

class C_tokVariable final : public CToken {
public:
    C_tokVariable(uint32_t offset, VariableReference reference)
        : CToken(TokenKind::Variable, offset), reference_(reference) {}
    VariableReference Variable() const override { return reference_; }

private:
    VariableReference reference_;
};

using C_tokComma = C_tokPlain<TokenKind::Comma>;
using C_tokSemicolon = C_tokPlain<TokenKind::Semicolon>;
using C_tokLeftBracket = C_tokPlain<TokenKind::LeftBracket>;
using C_tokRightBracket = C_tokPlain<TokenKind::RightBracket>;
using C_tokLeftBrace = C_tokPlain<TokenKind::LeftBrace>;
using C_tokRightBrace = C_tokPlain<TokenKind::RightBrace>;
using C_tokLeftAngle = C_tokPlain<TokenKind::LeftAngle>;
using C_tokRightAngle = C_tokPlain<TokenKind::RightAngle>;
using C_tokLeftSquare = C_tokPlain<TokenKind::LeftSquare>;
using C_tokRightSquare = C_tokPlain<TokenKind::RightSquare>;
using C_tokWhile = C_tokPlain<TokenKind::While>;
using C_tokDo = C_tokPlain<TokenKind::Do>;
using C_tokFor = C_tokPlain<TokenKind::For>;
using C_tokIf = C_tokPlain<TokenKind::If>;
using C_tokElse = C_tokPlain<TokenKind::Else>;
using C_tokReturn = C_tokPlain<TokenKind::Return>;
using C_tokClear = C_tokPlain<TokenKind::Clear>;
using C_tokSetEquals = C_tokPlain<TokenKind::SetEquals>;
using C_tokPlusEquals = C_tokPlain<TokenKind::PlusEquals>;
using C_tokMinusEquals = C_tokPlain<TokenKind::MinusEquals>;
using C_tokTimesEquals = C_tokPlain<TokenKind::TimesEquals>;
using C_tokDivideEquals = C_tokPlain<TokenKind::DivideEquals>;
using C_tokPlusPlus = C_tokPlain<TokenKind::PlusPlus>;
using C_tokMinusMinus = C_tokPlain<TokenKind::MinusMinus>;
using C_tokEquals = C_tokPlain<TokenKind::Equals>;
using C_tokNotEquals = C_tokPlain<TokenKind::NotEquals>;
using C_tokLessEquals = C_tokPlain<TokenKind::LessEquals>;
using C_tokGreaterEquals = C_tokPlain<TokenKind::GreaterEquals>;
using C_tokPlus = C_tokPlain<TokenKind::Plus>;
using C_tokMinus = C_tokPlain<TokenKind::Minus>;
using C_tokTimes = C_tokPlain<TokenKind::Times>;
using C_tokDivide = C_tokPlain<TokenKind::Divide>;
using C_tokAnd = C_tokPlain<TokenKind::And>;
using C_tokOr = C_tokPlain<TokenKind::Or>;
using C_tokNot = C_tokPlain<TokenKind::Not>;
using C_tokAddress = C_tokPlain<TokenKind::Address>;
using C_tokHash = C_tokPlain<TokenKind::Hash>;

using TokenList = std::vector<std::unique_ptr<CToken>>;

}  // namespace parlevox
