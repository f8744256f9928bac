#pragma once
// A module's functions as source files: the file text unpacking writes, and
// compiling the files into the module with the names the module gives them.
#include <cstdint>
#include <string>
#include <vector>

#include "modules/ScriptModule.h"

namespace parlevox {

struct FunctionText {
    std::string name;
    bool crlf = true;  // kept with LF in the file, CR LF in the module
    int32_t editorValue1 = 1;
    int32_t editorValue2 = 0;
    std::string path;      // where it was read from, for messages
    std::string fileText;  // "// locals: ..." then the source
};

// Raised as "FILE:LINE:COLUMN: message".
struct FunctionCompileError {
    std::string text;
};

std::vector<FunctionText> FunctionTexts(const CScriptModule& module);

// Adds the functions in order, each with its locals (ids drawn after the
// module's variables') and its compiled tree. A function sees its locals,
// the module's variables, the module's function names and the built-in
// commands' names; anything else is the compiler's undefined-name error.
void AddCompiledFunctions(CScriptModule& module, const std::vector<FunctionText>& functions);

}  // namespace parlevox
