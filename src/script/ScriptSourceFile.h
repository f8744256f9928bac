#pragma once
// A script function kept in a file of its own, as people write them in
// their editors: the first line may name the function's variables
// ("// locals: iCount sName asList", parameters included), since the
// language has no declarations; the function's name is the first word of
// the source without its leading lower-case letters (its return type).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script/VariableDefinitions.h"

namespace parlevox {

struct ScriptSourceFile {
    std::string source;
    std::string functionName;
    std::vector<std::string> locals;

    static ScriptSourceFile FromText(std::string source);
    // The local variables, ids from 1; a name with a bad type prefix throws
    // TextError with the prefix's message.
    CVariableDefinitions LocalDefinitions() const;
};

struct SourcePosition {
    int line = 1;    // from 1
    int column = 1;  // from 1, in bytes
};
SourcePosition PositionOf(std::string_view source, uint32_t offset);

}  // namespace parlevox
