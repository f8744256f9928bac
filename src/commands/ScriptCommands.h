#pragma once
// The built-in commands scripts call as functions: strings, text files,
// random numbers, the friend list, channel membership, a prompt, output
// suppression and two CTCP senders. StringCommands.cpp, FileCommands.cpp
// and ScriptMiscCommands.cpp hold their run operations.
#include <functional>

#include "commands/ScriptCommand.h"

namespace parlevox {

#define PARLEVOX_SCRIPT_COMMAND(Class)                                                                \
    class Class final : public CScriptCommand {                                                       \
    public:                                                                                           \
        Class();                                                                                      \
                                                                                                      \
    protected:                                                                                        \
        bool Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) override; \
    }

// Strings (StringCommands.cpp).
PARLEVOX_SCRIPT_COMMAND(C_scStrLeft);
PARLEVOX_SCRIPT_COMMAND(C_scStrRight);
PARLEVOX_SCRIPT_COMMAND(C_scStrMid);
PARLEVOX_SCRIPT_COMMAND(C_scStrFind);
PARLEVOX_SCRIPT_COMMAND(C_scStrMatch);
PARLEVOX_SCRIPT_COMMAND(C_scStrUpper);
PARLEVOX_SCRIPT_COMMAND(C_scStrLower);
PARLEVOX_SCRIPT_COMMAND(C_scStrReplace);
PARLEVOX_SCRIPT_COMMAND(C_scStrSplit);
PARLEVOX_SCRIPT_COMMAND(C_scStrAscii);
PARLEVOX_SCRIPT_COMMAND(C_scStrCharacter);

// Text files (FileCommands.cpp), over CommandEnvironment::Files().
PARLEVOX_SCRIPT_COMMAND(C_scFileNew);
PARLEVOX_SCRIPT_COMMAND(C_scFileOpen);
PARLEVOX_SCRIPT_COMMAND(C_scFileClose);
PARLEVOX_SCRIPT_COMMAND(C_scFileReadLine);
PARLEVOX_SCRIPT_COMMAND(C_scFileWriteLine);
PARLEVOX_SCRIPT_COMMAND(C_scFileNumLines);
PARLEVOX_SCRIPT_COMMAND(C_scFileRename);
PARLEVOX_SCRIPT_COMMAND(C_scFileDelete);

// Friends, channels, the prompt, output and CTCP (ScriptMiscCommands.cpp).
PARLEVOX_SCRIPT_COMMAND(C_scFriendLevel);
PARLEVOX_SCRIPT_COMMAND(C_scFriend);
PARLEVOX_SCRIPT_COMMAND(C_scChanPeople);
PARLEVOX_SCRIPT_COMMAND(C_scChanHasOps);
PARLEVOX_SCRIPT_COMMAND(C_scChanHasVoice);
PARLEVOX_SCRIPT_COMMAND(C_scSuppressOutput);
PARLEVOX_SCRIPT_COMMAND(C_scGetString);
PARLEVOX_SCRIPT_COMMAND(C_scMe);
PARLEVOX_SCRIPT_COMMAND(C_scSound);

#undef PARLEVOX_SCRIPT_COMMAND

// Random<n>: n times a 15-bit random number (0 to 32767) divided by 32767,
// truncated, so n itself comes only with the largest draw.
class C_scRandom final : public CScriptCommand {
public:
    // Draws 0 to 32767 (only the low 15 bits are used); the default is a
    // generator seeded once per run.
    using Source = std::function<int()>;
    explicit C_scRandom(Source source = {});

protected:
    bool Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) override;

private:
    Source source_;
};

}  // namespace parlevox
