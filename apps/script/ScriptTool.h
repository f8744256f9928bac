#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace parlevox {

// The tool's whole work: the exit status (0 fine, 1 a script failed,
// 2 bad usage).
int RunScriptTool(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace parlevox
