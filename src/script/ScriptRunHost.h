#pragma once
// What a running script function needs from outside its tree: its
// variables, the functions it calls and the window its command lines run in.
#include <optional>
#include <string>

#include "script/Variable.h"
#include "script/VariableResolver.h"

namespace parlevox {

class ScriptRunHost {
public:
    virtual ~ScriptRunHost() = default;
    // The variable a compiled reference names, for the running function;
    // throws TextError when it has gone.
    virtual ResolvedVariable Resolve(VariableReference reference) = 0;
    // The variable's name, for the read-only message.
    virtual std::string NameOf(VariableReference reference) = 0;
    // A variable by name, as the tokenizer would find it (for %name% in
    // command lines); nothing when there is none.
    virtual std::optional<CVariable> Lookup(const std::string& name) = 0;
    // Calls the function (script function, plug-in or built-in command)
    // with its one argument value.
    virtual CVariable Call(const std::string& name, const CVariable& argument) = 0;
    // A finished IRC command line, run in the run's window.
    virtual void RunCommandLine(const std::string& line) = 0;
};

}  // namespace parlevox
