#pragma once
// Compiles and runs one script function as the tests write it (a locals
// line, then the function), and shows the outcome as one text: the value's
// components ("5, \"a\", &Name, [1, 2]"), "fails: <text>" or
// "compile: <text> @<offset>".
#include <string>
#include <vector>

#include "script/StandaloneScript.h"

namespace parlevox::test {

std::string ShowValue(const CVariable& value);
std::string RunScript(const std::string& source, const std::vector<std::string>& arguments = {},
                      std::vector<std::string>* commandLines = nullptr);

}  // namespace parlevox::test
