// FileNew, FileOpen, FileClose, FileReadLine, FileWriteLine, FileNumLines,
// FileRename, FileDelete over the environment's ScriptFiles. Failures are
// results (0 for a handle or a yes/no, -1 for a count, the empty text for a
// line); only a full table of open files also writes a line.
#include <fmt/printf.h>

#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "commands/ScriptCommands.h"
#include "irc/ColourCodes.h"

namespace parlevox {
namespace {

using K = ParamKind;
using R = CommandResult::Type;

// The 1,025th open file: a script that forgets FileClose in a loop learns
// why its handles turned to 0.
bool RefusedAsFull(const CCommand& command, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Files().Full()) return false;
    call.output.AddLine(fmt::sprintf(texts::kScriptFilesFull, env.Colour(colour::kProblem), command.Name(),
                                     static_cast<int>(ScriptFiles::kMaxOpen)));
    return true;
}

}  // namespace

C_scFileNew::C_scFileNew() : CScriptCommand("FileNew", {K::Rest}, R::Integer) {}
bool C_scFileNew::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, RefusedAsFull(*this, call, env) ? ScriptFiles::kNoHandle : env.Files().New(args.Text(0)));
    return true;
}

C_scFileOpen::C_scFileOpen() : CScriptCommand("FileOpen", {K::Rest}, R::Integer) {}
bool C_scFileOpen::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, RefusedAsFull(*this, call, env) ? ScriptFiles::kNoHandle : env.Files().Open(args.Text(0)));
    return true;
}

C_scFileClose::C_scFileClose() : CScriptCommand("FileClose", {K::Integer}, R::Integer) {}
bool C_scFileClose::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().Close(args.Number(0)) ? 1 : 0);
    return true;
}

C_scFileReadLine::C_scFileReadLine() : CScriptCommand("FileReadLine", {K::Integer, K::Integer}, R::String) {}
bool C_scFileReadLine::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().ReadLine(args.Number(0), args.Number(1)));
    return true;
}

C_scFileWriteLine::C_scFileWriteLine()
    : CScriptCommand("FileWriteLine", {K::Integer, K::Integer, K::Rest}, R::Integer) {}
bool C_scFileWriteLine::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().WriteLine(args.Number(0), args.Number(1), args.Text(2)) ? 1 : 0);
    return true;
}

C_scFileNumLines::C_scFileNumLines() : CScriptCommand("FileNumLines", {K::Integer}, R::Integer) {}
bool C_scFileNumLines::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().NumLines(args.Number(0)));
    return true;
}

C_scFileRename::C_scFileRename() : CScriptCommand("FileRename", {K::Rest, K::Rest}, R::Integer) {}
bool C_scFileRename::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().Rename(args.Text(0), args.Text(1)) ? 1 : 0);
    return true;
}

C_scFileDelete::C_scFileDelete() : CScriptCommand("FileDelete", {K::Rest}, R::Integer) {}
bool C_scFileDelete::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    Give(call, env.Files().Delete(args.Text(0)) ? 1 : 0);
    return true;
}

}  // namespace parlevox
