// Script timers and event hooks: the commands hand their values to the
// session's script event window through the command host; without one they
// say they are not available (and On hands back 0).
#include <optional>

#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "commands/CommandTexts.h"

namespace parlevox {
namespace {

using K = ParamKind;

}  // namespace

C_scOnTimer::C_scOnTimer() : CCommand("OnTimer", {K::Integer, K::Rest}, texts::kScriptCommandHelp) {}
bool C_scOnTimer::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().StartScriptTimer(args.Number(0), args.Text(1), call.output), *this, call, env);
}

C_scOffTimer::C_scOffTimer() : CCommand("OffTimer", {K::Rest}, texts::kScriptCommandHelp) {}
bool C_scOffTimer::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().StopScriptTimers(args.Text(0)), *this, call, env);
}

C_scOn::C_scOn() : CCommand("On", {K::Word, K::Word, K::Integer, K::Word}, texts::kScriptCommandHelp) {}
bool C_scOn::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::optional<int32_t> registered =
        env.Host().AddScriptHook(args.Text(0), args.Text(1), args.Number(2), args.Text(3));
    if (call.result) call.result->SetInteger(registered.value_or(0));
    return Done(registered.has_value(), *this, call, env);
}

C_scOff::C_scOff() : CCommand("Off", {K::Rest}, texts::kScriptCommandHelp) {}
bool C_scOff::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().RemoveScriptHooks(args.Text(0)), *this, call, env);
}

}  // namespace parlevox
