// join, part, mode, Topic, names, Kick, Ban, Op, Deop.
#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "common/Masks.h"

namespace parlevox {
namespace {

using K = ParamKind;

std::string Spaced(const std::string& head, const std::string& tail) {
    return tail.empty() ? head : head + " " + tail;
}

}  // namespace

C_scJoin::C_scJoin() : CCommand("join", {K::Channel, K::Rest}, "/join <channel> [key]") {}
bool C_scJoin::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("JOIN " + args.Text(0), args.Text(1)));
    return true;
}

C_scPart::C_scPart() : CCommand("part", {K::Channel, K::Rest}, "/part <channel> [message]") {}
bool C_scPart::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("PART " + args.Text(0) + " :" + args.Text(1));
    return true;
}

C_scModeChan::C_scModeChan() : CCommand("mode", {K::Channel, K::Rest}, "/mode <channel> <flags> [parameters]") {}
bool C_scModeChan::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("MODE " + args.Text(0), args.Text(1)));
    return true;
}

C_scModeNick::C_scModeNick() : CCommand("mode", {K::Nick, K::Rest}, "/mode <nick> <flags>") {}
bool C_scModeNick::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("MODE " + args.Text(0), args.Text(1)));
    return true;
}

C_scTopic::C_scTopic() : CCommand("Topic", {K::Channel, K::Rest}, "/topic <channel> [new topic]") {}
bool C_scTopic::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("TOPIC " + args.Text(0) + (args.Text(1).empty() ? "" : " :" + args.Text(1)));
    return true;
}

C_scNames::C_scNames() : CCommand("names", {K::Channel}, "/names [channel]") {}
bool C_scNames::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("NAMES " + args.Text(0));
    return true;
}

C_scKick::C_scKick() : CCommand("Kick", {K::Channel, K::Word, K::Rest}, "/kick <channel> <nick> [reason]") {}
bool C_scKick::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("KICK " + args.Text(0) + " " + args.Text(1) + " :" + args.Text(2));
    return true;
}

C_scBan::C_scBan() : CCommand("Ban", {K::Channel, K::Word}, "/ban <channel> <nick|nick!user@host>") {}
bool C_scBan::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::string mask = args.Text(1);
    if (mask.find_first_of("!@") == std::string::npos)
        mask += "!*@*";
    else if (!IsCompleteMask(mask)) {
        call.output.AddLine(fmt::sprintf(texts::kInvalidMask, env.Colour(colour::kProblem), mask));
        return true;
    }
    env.Send(fmt::sprintf("MODE %s +b %s", args.Text(0), mask));
    return true;
}

C_scOp::C_scOp() : CCommand("Op", {K::Channel, K::Nick}, "/op <channel> <nick>") {}
bool C_scOp::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(fmt::sprintf("MODE %s +o %s", args.Text(0), args.Text(1)));
    return true;
}

C_scDeop::C_scDeop() : CCommand("Deop", {K::Channel, K::Nick}, "/deop <channel> <nick>") {}
bool C_scDeop::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(fmt::sprintf("MODE %s -o %s", args.Text(0), args.Text(1)));
    return true;
}

}  // namespace parlevox
