#pragma once
// The command table's commands as functions scripts call: StrSplit<s, ",">
// hands the value's components to the command processor as typed values
// (i for an integer, s for a string or a function name) and turns what the
// command gives back into a value of its fixed type ("", "i", "s" or "as"),
// an empty one when the parameters did not fit. Parameter errors are the
// processor's lines. Asked after the modules and the plug-ins.
#include <string>
#include <string_view>
#include <unordered_map>

#include "commands/CommandProcessor.h"
#include "commands/CommandResult.h"
#include "modules/ScriptCalls.h"

namespace parlevox {

class BuiltInScriptCalls final : public ScriptCallable {
public:
    // The processor outlives this.
    explicit BuiltInScriptCalls(CommandProcessor& commands);

    bool Has(std::string_view name) const override { return commands_.HasBuiltIn(name); }
    CVariable Call(std::string_view name, const CVariable& argument, ScriptRunContext& context) override;

private:
    CommandResult::Type ResultTypeOf(std::string_view name) const;

    CommandProcessor& commands_;
    std::unordered_map<std::string, CommandResult::Type> resultTypes_;  // lower-case name; script commands only
};

}  // namespace parlevox
