#pragma once
// An IRC command line inside a script ("/msg %sNick% hello"): each
// %name% becomes the variable's value as text, %% a percent sign.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "script/Variable.h"

namespace parlevox {

// The variable a name stands for, in the tokenizer's order of lookup;
// nothing when there is none.
using ScriptVariableLookup = std::function<std::optional<CVariable>(const std::string& name)>;

// Throws CScriptError for a lone %, an unknown name, or a value that is
// not one scalar (an i in decimal, an s as it is, an f as "{name}").
std::string ExpandScriptCommandLine(std::string_view text, const ScriptVariableLookup& lookup);

}  // namespace parlevox
