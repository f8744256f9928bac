#include "script/ScriptToken.h"

#include <array>

namespace parlevox {

std::string_view TokenClassName(TokenKind kind) {
    static constexpr std::array<std::string_view, kTokenKindCount> kNames = {
        "C_tokString", "C_tokIRCCommand", "C_tokFunction", "C_tokNumber", "C_tokVariable",
        "C_tokComma", "C_tokSemicolon", "C_tokLeftBracket", "C_tokRightBracket", "C_tokLeftBrace",
        "C_tokRightBrace", "C_tokLeftAngle", "C_tokRightAngle", "C_tokLeftSquare", "C_tokRightSquare",
        "C_tokWhile", "C_tokDo", "C_tokFor", "C_tokIf", "C_tokElse", "C_tokReturn", "C_tokClear",
        "C_tokSetEquals", "C_tokPlusEquals", "C_tokMinusEquals", "C_tokTimesEquals", "C_tokDivideEquals",
        "C_tokPlusPlus", "C_tokMinusMinus",
        "C_tokEquals", "C_tokNotEquals", "C_tokLessEquals", "C_tokGreaterEquals",
        "C_tokPlus", "C_tokMinus", "C_tokTimes", "C_tokDivide",
        "C_tokAnd", "C_tokOr", "C_tokNot",
        "C_tokAddress", "C_tokHash",
    };
    return kNames[static_cast<size_t>(kind)];
}

const std::string& CToken::Text() const {
    static const std::string kNone;
    return kNone;
}

}  // namespace parlevox
