// Compiled trees as module files store them, and token sequences for the
// parser. A stored tree that loads must write out byte for byte and load
// back equal; a token sequence must end in a tree or a message at a place
// in the source, and a tree the parser makes must store and load back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "common/ByteReader.h"
#include "common/StringRecord.h"
#include "common/TextError.h"
#include "script/ParseTree.h"
#include "script/ScriptParser.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

void RoundTrip(const CParseTree& tree, std::string_view original) {
    ByteWriter writer;
    tree.Write(writer);
    if (!original.empty() && writer.Bytes() != original) FuzzFail("fuzz_parse_tree", "a loaded tree writes differently");
    ByteReader again(writer.Bytes(), kModuleEndOfFile);
    try {
        if (!(*CParseTree::Read(again) == tree) || !again.AtEnd()) FuzzFail("fuzz_parse_tree", "a written tree loads back differently");
    } catch (const TextError&) {
        FuzzFail("fuzz_parse_tree", "a written tree does not load back");
    }
}

void StoredTree(std::string_view input) {
    ByteReader reader(input, kModuleEndOfFile);
    std::unique_ptr<CParseTree> tree;
    try {
        tree = CParseTree::Read(reader);
    } catch (const TextError&) {
        return;
    }
    (void)tree->ParameterSignature([](VariableReference) { return std::string("i"); });
    RoundTrip(*tree, input.substr(0, reader.Position()));
}

template <size_t... K>
std::unique_ptr<CToken> PlainToken(TokenKind kind, uint32_t offset, std::index_sequence<K...>) {
    using Make = std::unique_ptr<CToken> (*)(uint32_t);
    static constexpr Make kMakers[] = {
        [](uint32_t at) -> std::unique_ptr<CToken> { return std::make_unique<C_tokPlain<static_cast<TokenKind>(K)>>(at); }...};
    return kMakers[static_cast<size_t>(kind)](offset);
}

// One token a byte: its kind, and a little data for the kinds that carry it.
void Tokens(std::string_view input) {
    TokenList tokens;
    for (size_t i = 0; i < input.size(); ++i) {
        auto byte = static_cast<unsigned char>(input[i]);
        auto kind = static_cast<TokenKind>(byte % kTokenKindCount);
        auto offset = static_cast<uint32_t>(i);
        switch (kind) {
            case TokenKind::String: tokens.push_back(std::make_unique<C_tokString>(offset, "s")); break;
            case TokenKind::IRCCommand: tokens.push_back(std::make_unique<C_tokIRCCommand>(offset, "/c")); break;
            case TokenKind::Function: tokens.push_back(std::make_unique<C_tokFunction>(offset, "F")); break;
            case TokenKind::Number: tokens.push_back(std::make_unique<C_tokNumber>(offset, byte)); break;
            case TokenKind::Variable:
                tokens.push_back(std::make_unique<C_tokVariable>(offset, VariableReference{kScopeLocal, byte}));
                break;
            default:
                tokens.push_back(PlainToken(kind, offset, std::make_index_sequence<kTokenKindCount>()));
                break;
        }
    }
    auto length = static_cast<uint32_t>(input.size());
    ParseResult result = ScriptParser::Compile(tokens, length);
    if (auto* failure = std::get_if<ParseFailure>(&result)) {
        if (failure->text.empty() || failure->offset > length) FuzzFail("fuzz_parse_tree", "a failure without text or place");
        return;
    }
    RoundTrip(*std::get<std::unique_ptr<CParseTree>>(result), {});
}

}  // namespace
}  // namespace parlevox

// The first byte picks what the rest is.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) StoredTree(rest);
    else Tokens(rest);
    return 0;
}
