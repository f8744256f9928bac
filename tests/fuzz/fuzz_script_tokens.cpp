// Script sources through the tokenizer with a small scope of functions and
// variables. Every source ends in tokens or one message with an offset
// inside the source; tokens come in source order and carry what is there.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "script/CompileScope.h"
#include "script/Tokenizer.h"
#include "FuzzFail.h"

namespace parlevox {
namespace {

constexpr const char* kTarget = "fuzz_script_tokens";

struct Scope {
    Scope() {
        locals.Add("sName", 1);
        locals.Add("iCount", 2);
        moduleWide.Add("sWide", 3);
        globals.Add("iCount", 4);
        globals.Add("afList", 5);
    }
    CVariableDefinitions locals, moduleWide, globals;
    CCompileScope scope{"Test", &locals, &moduleWide, {{1000, &globals}},
                        [](std::string_view name) { return name == "Print" || name == "StrLen"; }};
};

void CheckToken(const CToken& token, std::string_view source) {
    if (token.Offset() >= source.size()) FuzzFail(kTarget, "a token starts past the source");
    std::string_view at = source.substr(token.Offset());
    switch (token.Kind()) {
        case TokenKind::String:
            if (at.front() != '"') FuzzFail(kTarget, "a string does not start at a quote");
            break;
        case TokenKind::IRCCommand:
            if (!at.starts_with(token.Text()) || token.Text().front() != '/')
                FuzzFail(kTarget, "a command is not the line at its offset");
            break;
        case TokenKind::Function:
            if (!at.starts_with(token.Text())) FuzzFail(kTarget, "a function name is not the word at its offset");
            break;
        case TokenKind::Number:
            if (at.front() < '0' || at.front() > '9') FuzzFail(kTarget, "a number does not start at a digit");
            break;
        default:
            break;
    }
}

}  // namespace
}  // namespace parlevox

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    static const Scope fixture;
    std::string source(reinterpret_cast<const char*>(data), size);
    TokenizeResult result = Tokenize(source, fixture.scope);
    if (result.error) {
        if (result.error->text.empty()) FuzzFail(kTarget, "an error without a text");
        if (result.error->offset >= source.size()) FuzzFail(kTarget, "an error past the source");
        if (!result.tokens.empty()) FuzzFail(kTarget, "tokens returned with an error");
        return 0;
    }
    uint32_t previous = 0;
    for (size_t i = 0; i < result.tokens.size(); ++i) {
        const CToken& token = *result.tokens[i];
        if (i > 0 && token.Offset() <= previous) FuzzFail(kTarget, "tokens out of source order");
        previous = token.Offset();
        CheckToken(token, source);
    }
    return 0;
}
