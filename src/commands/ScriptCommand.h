#pragma once
// The base of the commands scripts call as functions: the help text every
// one of them shares and the fixed type of the value it hands back. Typed
// as a "/" line such a command still runs; its result is dropped.
#include <initializer_list>
#include <string>
#include <vector>

#include "commands/Command.h"
#include "commands/CommandResult.h"

namespace parlevox {

class CScriptCommand : public CCommand {
public:
    CScriptCommand(std::string name, std::initializer_list<ParamKind> kinds, CommandResult::Type result);

    // What a script gets from this command, also when its parameters did
    // not fit (then an empty value of this type).
    CommandResult::Type ResultType() const { return result_; }

protected:
    static void Give(const CommandCall& call, int32_t value) {
        if (call.result) call.result->SetInteger(value);
    }
    static void Give(const CommandCall& call, std::string value) {
        if (call.result) call.result->SetString(std::move(value));
    }
    static void Give(const CommandCall& call, std::vector<std::string> values) {
        if (call.result) call.result->SetStrings(std::move(values));
    }

private:
    CommandResult::Type result_;
};

}  // namespace parlevox
