// parlevox-script: compiles and runs script functions kept in files, for
// people who write scripts in their own editor and for tests.
//
//   parlevox-script check FILE...      errors as FILE:LINE:COLUMN: message
//   parlevox-script run FILE [ARG...]  the result, one component a line,
//                                      after the IRC command lines it ran
//   parlevox-script pack FOLDER FILE   a module file from a folder of text
//   parlevox-script unpack FILE FOLDER the reverse
#include <cstdio>
#include <string>
#include <vector>

#include "ScriptTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return parlevox::RunScriptTool(args, stdout, stderr);
}

// fontconfig keeps its configuration cache for the life of the process by
// design; in sanitizer builds the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
