#pragma once
// A fault of a running script function: ends the innermost function, whose
// caller prints the text and carries on with an empty result.
#include <string>

#include "common/TextError.h"

namespace parlevox {

class CScriptError : public TextError {
public:
    explicit CScriptError(const std::string& text) : TextError(text) {}
};

}  // namespace parlevox
