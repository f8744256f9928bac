// The script text windows: WndTextNew, WndTextWrite, WndTextClose. The
// windows themselves belong to the window directory above.
#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/TextWindowTexts.h"
#include "irc/ColourCodes.h"

namespace parlevox {
namespace {

using K = ParamKind;

void Problem(const CommandCall& call, CommandEnvironment& env, const std::string& text) {
    call.output.AddLine(env.Colour(colour::kProblem) + text);
}

}  // namespace

C_scWndTextNew::C_scWndTextNew()
    : CCommand("WndTextNew", {K::Word, K::Word, K::Word, K::Word}, texts::kTextWindowCommandHelp) {}
bool C_scWndTextNew::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string words[] = {args.Text(0), args.Text(1), args.Text(2), args.Text(3)};
    std::string problem;
    if (!env.Host().OpenTextWindow(words, problem)) Problem(call, env, problem);
    return true;
}

C_scWndTextWrite::C_scWndTextWrite() : CCommand("WndTextWrite", {K::Word, K::Rest}, texts::kTextWindowCommandHelp) {}
bool C_scWndTextWrite::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Host().WriteTextWindow(args.Text(0), args.Text(1))) Problem(call, env, texts::kNoWindowToWrite);
    return true;
}

C_scWndTextClose::C_scWndTextClose() : CCommand("WndTextClose", {K::Word}, texts::kTextWindowCommandHelp) {}
bool C_scWndTextClose::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Host().CloseTextWindow(args.Text(0))) Problem(call, env, texts::kNoWindowToClose);
    return true;
}

}  // namespace parlevox
