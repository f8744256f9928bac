#pragma once
// Compiling one script function: its source tokenized with the names its
// scope knows, then parsed into its tree. The first problem ends it, with
// its text and the byte offset the editor puts the cursor at.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "script/CompileScope.h"
#include "script/ParseTree.h"
#include "script/ScriptParser.h"

namespace parlevox {

struct CompileFailure {
    std::string text;
    uint32_t offset = 0;
};

using CompileResult = std::variant<std::unique_ptr<CParseTree>, CompileFailure>;

CompileResult CompileScript(const std::string& source, const CCompileScope& scope, ParseProgress* progress = nullptr);

}  // namespace parlevox
