#include "script/ScriptCompiler.h"

#include "script/Tokenizer.h"

namespace parlevox {

CompileResult CompileScript(const std::string& source, const CCompileScope& scope, ParseProgress* progress) {
    TokenizeResult scanned = Tokenize(source, scope);
    if (scanned.error) return CompileFailure{scanned.error->text, scanned.error->offset};
    ParseResult parsed = ScriptParser::Compile(scanned.tokens, static_cast<uint32_t>(source.size()), progress);
    if (auto* failure = std::get_if<ParseFailure>(&parsed)) return CompileFailure{failure->text, failure->offset};
    return std::move(std::get<std::unique_ptr<CParseTree>>(parsed));
}

}  // namespace parlevox
