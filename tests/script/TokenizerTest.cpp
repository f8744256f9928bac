#include "script/Tokenizer.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "script/SystemVariables.h"
#include "script/TokenizerTexts.h"

namespace parlevox {
namespace {

constexpr int32_t kEarlierModule = 1000;
constexpr int32_t kLaterModule = 2000;

// "Kind@offset" and, for the kinds that carry something, ":value"; a
// variable's value is "scope/id".
std::string Describe(const CToken& token) {
    std::string text = std::string(TokenClassName(token.Kind()).substr(5)) + "@" + std::to_string(token.Offset());
    switch (token.Kind()) {
        case TokenKind::String:
        case TokenKind::IRCCommand:
        case TokenKind::Function: return text + ":" + token.Text();
        case TokenKind::Number: return text + ":" + std::to_string(token.Number());
        case TokenKind::Variable:
            return text + ":" + std::to_string(token.Variable().scope) + "/" + std::to_string(token.Variable().id);
        default: return text;
    }
}

std::string WithWord(const char* text, const std::string& word) {
    std::string message(text);
    return message.replace(message.find("%s"), 2, word);
}

class TokenizerTest : public testing::Test {
protected:
    TokenizerTest() {
        locals.Add("sName", 1);
        locals.Add("iShared", 2);
        locals.Add("sNa\xEFve", 3);  // i with diaeresis is a letter
        moduleWide.Add("iWide", 7);
        moduleWide.Add("sSysText", 8);  // the system variable comes first
        earlierGlobals.Add("iShared", 5);
        earlierGlobals.Add("sGlobal", 6);
        earlierGlobals.Add("sOnlyEarlier", 4);
        laterGlobals.Add("sGlobal", 9);
    }

    TokenizeResult Run(const std::string& source) const { return Tokenize(source, scope); }

    std::vector<std::string> Tokens(const std::string& source) const {
        TokenizeResult result = Run(source);
        EXPECT_FALSE(result.error) << source << ": " << result.error->text << " at " << result.error->offset;
        std::vector<std::string> described;
        for (const auto& token : result.tokens) described.push_back(Describe(*token));
        return described;
    }

    CVariableDefinitions locals, moduleWide, earlierGlobals, laterGlobals;
    std::set<std::string, std::less<>> functions{"Print", "StrLen"};
    CCompileScope scope{"Greet",
                        &locals,
                        &moduleWide,
                        {{kEarlierModule, &earlierGlobals}, {kLaterModule, &laterGlobals}},
                        [this](std::string_view name) { return functions.contains(name); }};
};

TEST_F(TokenizerTest, SourcesGiveTheseTokens) {
    const int32_t senderNick = SystemVariables::Number("sSysSenderNick");
    const int32_t text = SystemVariables::Number("sSysText");
    struct Case {
        std::string source;
        std::vector<std::string> tokens;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {" \t\r\n// only a comment\n  // and one without a line feed", {}},
        {"sGreet<sName>{Print<\"a\\\"b\">;}",
         {"Function@0:sGreet", "LeftAngle@6", "Variable@7:0/1", "RightAngle@12", "LeftBrace@13", "Function@14:Print",
          "LeftAngle@19", "String@20:a\"b", "RightAngle@26", "Semicolon@27", "RightBrace@28"}},
        // Backslash takes any byte literally; strings span lines.
        {"\"\\\\\\n\\\n\" \"\"", {"String@0:\\n\n", "String@9:"}},
        // A command line keeps quotes, comments and semicolons and loses its CR.
        {"Greet<>\n/msg #c \"hi\" // no comment;\r\n}",
         {"Function@0:Greet", "LeftAngle@5", "RightAngle@6", "IRCCommand@8:/msg #c \"hi\" // no comment;",
          "RightBrace@37"}},
        // On one line '/' divides; at the start of a continuation line it is a command.
        {"iShared/2 /\n1", {"Variable@0:0/2", "Divide@7", "Number@8:2", "Divide@10", "Number@12:1"}},
        {"iShared = 1\n/ 2;\n", {"Variable@0:0/2", "SetEquals@8", "Number@10:1", "IRCCommand@12:/ 2;"}},
        {"iShared // c\n/=\n", {"Variable@0:0/2", "IRCCommand@13:/="}},
        {"wHiLe DO For iF ELSE Return clear",
         {"While@0", "Do@6", "For@9", "If@13", "Else@16", "Return@21", "Clear@28"}},
        {"+++ +=+ --- -= *= /= == != ! && || & # * = ,;()[]",
         {"PlusPlus@0", "Plus@2", "PlusEquals@4", "Plus@6", "MinusMinus@8", "Minus@10", "MinusEquals@12",
          "TimesEquals@15", "DivideEquals@18", "Equals@21", "NotEquals@24", "Not@27", "And@29", "Or@32",
          "Address@35", "Hash@37", "Times@39", "SetEquals@41", "Comma@43", "Semicolon@44", "LeftBracket@45",
          "RightBracket@46", "LeftSquare@47", "RightSquare@48"}},
        // Angle brackets take a following '=': an angle assignment needs a space.
        {"<= >= =< iShared<1>=2 iShared<1> =2",
         {"LessEquals@0", "GreaterEquals@3", "SetEquals@6", "LeftAngle@7", "Variable@9:0/2", "LeftAngle@16",
          "Number@17:1", "GreaterEquals@18", "Number@20:2", "Variable@22:0/2", "LeftAngle@29", "Number@30:1",
          "RightAngle@31", "SetEquals@33", "Number@34:2"}},
        {"4294967296 4294967295 2147483648 0000000000042",
         {"Number@0:0", "Number@11:-1", "Number@22:-2147483648", "Number@33:42"}},
        // Local over global, system over module-wide, the later module's global.
        {"sName iShared sGlobal sOnlyEarlier sSysSenderNick sSysText iWide sNa\xEFve",
         {"Variable@0:0/1", "Variable@6:0/2", "Variable@14:2000/9", "Variable@22:1000/4",
          "Variable@35:2/" + std::to_string(senderNick), "Variable@50:2/" + std::to_string(text),
          "Variable@59:1/7", "Variable@65:0/3"}},
        // The own name with any lowercase prefix; plug-in and table names as written.
        {"Greet sGreet iaGreet StrLen", {"Function@0:Greet", "Function@6:sGreet", "Function@13:iaGreet",
                                          "Function@21:StrLen"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Tokens(c.source), c.tokens) << c.source;
    }
}

TEST_F(TokenizerTest, ErrorsGiveTextAndOffset) {
    struct Case {
        std::string source;
        std::string text;
        uint32_t offset;
    };
    const std::vector<Case> cases = {
        {"sName \"abc", kUnterminatedString, 6},
        {"\"ab\\\"", kUnterminatedString, 0},   // the last quote is escaped
        {"\"ab\\", kUnterminatedString, 0},     // backslash as the last byte
        {"iShared\"", kUnterminatedString, 7},  // quote as the last byte
        {"Greet<>\n/msg #c hi", kIrcCommandNeedsNewline, 8},
        {"Greet<>\n/msg #c hi\r", kIrcCommandNeedsNewline, 8},
        {"iShared = 12ab;", kInvalidNumber, 10},
        {"12\xE9", kInvalidNumber, 0},
        {"iShared iCount", WithWord(kUndefinedName, "iCount"), 8},
        {"SGreet", WithWord(kUndefinedName, "SGreet"), 0},
        {"sname", WithWord(kUndefinedName, "sname"), 0},
        {"\xE9", WithWord(kUndefinedName, "\xE9"), 0},  // small e acute upper-cases
        {"iShared |= 1", WithWord(kInvalidSymbol, "|="), 8},
        {"&=", WithWord(kInvalidSymbol, "&="), 0},
        {"sName.", WithWord(kInvalidSymbol, "."), 5},
        {"sName_x", WithWord(kInvalidSymbol, "_"), 5},  // underscore is not a letter
        {"XY", WithWord(kInvalidSymbol, "XY"), 0},
        {"\xC9", WithWord(kInvalidSymbol, "\xC9"), 0},
        {std::string("sName\0", 6), WithWord(kInvalidSymbol, std::string(1, '\0')), 5},
    };
    for (const Case& c : cases) {
        TokenizeResult result = Run(c.source);
        ASSERT_TRUE(result.error) << c.source;
        EXPECT_EQ(result.error->text, c.text) << c.source;
        EXPECT_EQ(result.error->offset, c.offset) << c.source;
        EXPECT_TRUE(result.tokens.empty());
    }
}

TEST_F(TokenizerTest, NextStopsWithAnEmptyTextAtTheEnd) {
    CTokenizer tokenizer("sName  ", scope);
    EXPECT_EQ(Describe(*tokenizer.Next().token), "Variable@0:0/1");
    NextToken end = tokenizer.Next();
    EXPECT_TRUE(end.AtEnd());
    EXPECT_EQ(end.error.offset, 0u);
}

TEST_F(TokenizerTest, HostileSourcesEndWithTokensOrAMessage) {
    const size_t megabyte = 1 << 20;
    // Even backslashes: half as many in the value; odd: the quote is escaped.
    TokenizeResult even = Run("\"" + std::string(megabyte, '\\') + "\"");
    ASSERT_EQ(even.tokens.size(), 1u);
    EXPECT_EQ(even.tokens[0]->Text(), std::string(megabyte / 2, '\\'));
    EXPECT_EQ(Run("\"" + std::string(megabyte + 1, '\\') + "\"").error->text, kUnterminatedString);

    std::string manyTokens;
    while (manyTokens.size() < megabyte) manyTokens += "iShared+=(1)\n/c\n";
    EXPECT_EQ(Run(manyTokens).tokens.size(), manyTokens.size() / 16 * 6);

    std::string longWord(megabyte, 'a');
    EXPECT_EQ(Run(longWord).error->text, WithWord(kUndefinedName, longWord));
    ASSERT_EQ(Run(std::string(4999, '0') + "7").tokens.size(), 1u);
    EXPECT_EQ(Run(std::string(4999, '0') + "7").tokens[0]->Number(), 7);
    EXPECT_EQ(Run(std::string(5000, '9') + "x").error->text, kInvalidNumber);

    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        for (const std::string& source : {"sName" + std::string(1, c) + "1", "\"" + std::string(1, c) + "\""}) {
            TokenizeResult result = Run(source);
            if (result.error) {
                EXPECT_FALSE(result.error->text.empty()) << byte;
                EXPECT_LT(result.error->offset, source.size()) << byte;
            } else {
                EXPECT_FALSE(result.tokens.empty()) << byte;
            }
        }
    }
}

}  // namespace
}  // namespace parlevox
