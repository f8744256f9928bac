#include "script/ParseTree.h"

#include <gtest/gtest.h>

#include "common/ByteReader.h"
#include "common/StringRecord.h"
#include "common/TextError.h"
#include "script/ScriptParser.h"
#include "script/TokenScript.h"
#include "script/VariableTexts.h"

namespace parlevox {
namespace {

std::unique_ptr<CParseTree> Parse(const test::TokenScript& script) {
    auto result = ScriptParser::Compile(script.tokens, script.length);
    return std::move(std::get<std::unique_ptr<CParseTree>>(result));
}

std::string Stored(const CParseTree& tree) {
    ByteWriter writer;
    tree.Write(writer);
    return writer.Take();
}

// The error text reading the bytes gives, or "" when they read.
std::string ReadError(std::string_view bytes) {
    ByteReader reader(bytes, kModuleEndOfFile);
    try {
        (void)CParseTree::Read(reader);
    } catch (const TextError& error) {
        return error.Text();
    }
    return "";
}

void AppendNode(ByteWriter& writer, int32_t production, int32_t children, std::string_view text = "",
                VariableReference variable = {kScopeLocal, -1}, int32_t number = -1) {
    writer.WriteI32(production);
    writer.WriteI32(number);
    writer.WriteI32(variable.scope);
    writer.WriteI32(variable.id);
    WriteString(writer, text);
    writer.WriteI32(children);
}

// F <> then `x = - - ... - 1 ;`, the unary minus nested `depth` times.
std::string StoredMinusChain(int depth) {
    ByteWriter writer;
    AppendNode(writer, 0, 2, "F");
    AppendNode(writer, 64, 0);
    AppendNode(writer, 5, 1);
    AppendNode(writer, 8, 3);
    AppendNode(writer, 21, 0, "", {kScopeLocal, 1});
    AppendNode(writer, 56, 0);
    for (int i = 0; i < depth; ++i) {
        AppendNode(writer, 28, 2);
        AppendNode(writer, 63, 0);
    }
    AppendNode(writer, 35, 0, "", {kScopeLocal, -1}, 1);
    return writer.Take();
}

TEST(ParseTreeTest, StoredFormIsLittleEndianFieldsThenChildren) {
    CParseTree tree(20);
    tree.SetText("/me");
    tree.SetVariable({7, 9});
    std::string expected("\x14\0\0\0" "\xff\xff\xff\xff" "\x07\0\0\0" "\x09\0\0\0" "\x03\0\0\0" "/me" "\0\0\0\0", 27);
    EXPECT_EQ(Stored(tree), expected);
}

TEST(ParseTreeTest, TruncatedOrMisshapenStoredTreesFailWithTheModuleTexts) {
    auto tree = Parse(test::Tokens("F < s > { s = G < 1 , \"x\" > ; /echo }"));
    std::string good = Stored(*tree);
    ASSERT_EQ(ReadError(good), "");
    for (size_t length = 0; length < good.size(); ++length) {
        ASSERT_EQ(ReadError(std::string_view(good).substr(0, length)), kModuleEndOfFile) << length;
    }
    std::string hugeText = good;
    hugeText[16] = '\x7f';  // the root's text length
    hugeText[19] = '\x7f';
    EXPECT_EQ(ReadError(hugeText), kModuleEndOfFile);

    struct Bad {
        const char* what;
        int32_t production;
        int32_t children;
    };
    const Bad misshapen[] = {
        {"a production out of the table", 66, 2},
        {"the empty node", -1, 0},
        {"a statement where the function belongs", 8, 3},
        {"a child count the production does not have", 0, 3},
        {"a negative child count", 0, -1},
    };
    for (const auto& bad : misshapen) {
        ByteWriter writer;
        AppendNode(writer, bad.production, bad.children, "F");
        EXPECT_EQ(ReadError(writer.Bytes() + good.substr(writer.Bytes().size())), kModuleCorrupt) << bad.what;
    }
}

TEST(ParseTreeTest, StoredTreesNestAsDeepAsTheParserGoesAndNoDeeper) {
    // Function, Block and Statement sit above the chain, the operand below it.
    int fits = CParseTree::kMaxDepth - 4;
    std::string source = "F < > x =";
    for (int i = 0; i < fits; ++i) source += " -";
    auto script = test::Tokens(source + " 1 ;");
    auto tree = Parse(script);
    std::string deep = StoredMinusChain(fits);
    EXPECT_EQ(Stored(*tree), deep);
    ByteReader reader(deep, kModuleEndOfFile);
    EXPECT_TRUE(*CParseTree::Read(reader) == *tree);
    EXPECT_TRUE(reader.AtEnd());

    auto deeper = test::Tokens(source + " - 1 ;");
    EXPECT_TRUE(std::holds_alternative<ParseFailure>(ScriptParser::Compile(deeper.tokens, deeper.length)));
    EXPECT_EQ(ReadError(StoredMinusChain(fits + 1)), kModuleCorrupt);
    EXPECT_EQ(ReadError(StoredMinusChain(1000000)), kModuleCorrupt);
}

TEST(ParseTreeTest, ParameterSignatureHasOneTypePerParameter) {
    struct Case {
        const char* source;
        const char* signature;
    };
    const Case cases[] = {
        {"F < > return ;", ""},
        {"F < s > return ;", "s"},
        {"F < s , i , f > return ;", "sif"},
        {"F < a < 1 > , i > return ;", "ai"},
    };
    for (const auto& row : cases) {
        auto script = test::Tokens(row.source);
        auto tree = Parse(script);
        auto typeOf = [&](VariableReference variable) { return script.variableNames.at(variable.id).substr(0, 1); };
        EXPECT_EQ(tree->ParameterSignature(typeOf), row.signature) << row.source;
        EXPECT_EQ(tree->Child(0).ParameterSignature(typeOf), row.signature) << row.source;
    }
}

}  // namespace
}  // namespace parlevox
