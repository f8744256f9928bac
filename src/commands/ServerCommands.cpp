// Server queries, the own connection, and operator commands.
#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"

namespace parlevox {
namespace {

using K = ParamKind;

// "WHO" alone rather than "WHO " when nothing follows.
std::string Spaced(const char* head, const std::string& tail) {
    return tail.empty() ? std::string(head) : std::string(head) + " " + tail;
}

}  // namespace

C_scQuit::C_scQuit() : CCommand("quit", {K::Rest}, "/quit [message]") {}
bool C_scQuit::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("QUIT :" + args.Text(0));
    return true;
}

C_scISON::C_scISON() : CCommand("ison", {K::Rest}, "/ison <nick> [nick...]") {}
bool C_scISON::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (env.Host().IsonOutstanding()) {
        call.output.AddLine(
            fmt::sprintf(texts::kIsonBusy, env.Colour(colour::kProblem), env.Colour(colour::kInformation)));
        return true;
    }
    env.Send("ISON :" + args.Text(0));
    return true;
}

C_scSilence::C_scSilence() : CCommand("silence", {K::Word}, "/silence <+mask|-mask>") {}
bool C_scSilence::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("SILENCE " + args.Text(0));
    return true;
}

C_scWhois::C_scWhois() : CCommand("whois", {K::Rest}, "/whois [server] <nick>") {}
bool C_scWhois::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("WHOIS", args.Text(0)));
    return true;
}

C_scWhowas::C_scWhowas() : CCommand("whowas", {K::Nick}, "/whowas <nick>") {}
bool C_scWhowas::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("WHOWAS " + args.Text(0));
    return true;
}

C_scWho::C_scWho() : CCommand("who", {K::Rest}, "/who <mask|channel> [o]") {}
bool C_scWho::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("WHO", args.Text(0)));
    return true;
}

C_scList::C_scList() : CCommand("list", {K::Rest}, "/list [channels] [server]") {}
bool C_scList::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("LIST", args.Text(0)));
    return true;
}

C_scTime::C_scTime() : CCommand("time", {K::Rest}, "/time [server]") {}
bool C_scTime::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("TIME", args.Text(0)));
    return true;
}

C_scVersion::C_scVersion() : CCommand("version", {K::Rest}, "/version [server]") {}
bool C_scVersion::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("VERSION", args.Text(0)));
    return true;
}

C_scAdmin::C_scAdmin() : CCommand("admin", {K::Rest}, "/admin [server]") {}
bool C_scAdmin::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("ADMIN", args.Text(0)));
    return true;
}

C_scStats::C_scStats() : CCommand("stats", {K::Word, K::Rest}, "/stats <letter> [server]") {}
bool C_scStats::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced(("STATS " + args.Text(0)).c_str(), args.Text(1)));
    return true;
}

C_scMOTD::C_scMOTD() : CCommand("motd", {K::Rest}, "/motd [server]") {}
bool C_scMOTD::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("MOTD", args.Text(0)));
    return true;
}

C_scLusers::C_scLusers() : CCommand("lusers", {K::Rest}, "/lusers [mask] [server]") {}
bool C_scLusers::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("LUSERS", args.Text(0)));
    return true;
}

// The reply is worth reading without the window too, so LINKS goes out
// whether or not one could be opened.
C_scLinks::C_scLinks() : CCommand("links", {}, "/links") {}
bool C_scLinks::Execute(const CommandArgs&, const CommandCall&, CommandEnvironment& env) {
    env.Host().OpenLinksWindow();
    env.Send("LINKS");
    return true;
}

C_scNick::C_scNick() : CCommand("nick", {K::Nick}, "/nick <new nick>") {}
bool C_scNick::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("NICK " + args.Text(0));
    return true;
}

C_scAway::C_scAway() : CCommand("away", {K::Rest}, "/away [message] (no message: back)") {}
bool C_scAway::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(args.Text(0).empty() ? std::string("AWAY") : "AWAY :" + args.Text(0));
    return true;
}

C_scTrace::C_scTrace() : CCommand("Trace", {K::Rest}, "/trace [server|nick]") {}
bool C_scTrace::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("TRACE", args.Text(0)));
    return true;
}

C_scGlobOps::C_scGlobOps() : CCommand("GlobOps", {K::Rest}, "/globops <text>") {}
bool C_scGlobOps::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("GLOBOPS :" + args.Text(0));
    return true;
}

C_scLocOps::C_scLocOps() : CCommand("LocOps", {K::Rest}, "/locops <text>") {}
bool C_scLocOps::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("LOCOPS :" + args.Text(0));
    return true;
}

C_scConnect::C_scConnect() : CCommand("Connect", {K::Rest}, "/connect <server> [port] [remote server]") {}
bool C_scConnect::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("CONNECT", args.Text(0)));
    return true;
}

C_scSquit::C_scSquit() : CCommand("Squit", {K::Rest}, "/squit <server> [comment]") {}
bool C_scSquit::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("SQUIT", args.Text(0)));
    return true;
}

C_scKill::C_scKill() : CCommand("Kill", {K::Nick, K::Rest}, "/kill <nick> <reason>") {}
bool C_scKill::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("KILL " + args.Text(0) + " :" + args.Text(1));
    return true;
}

C_scKline::C_scKline() : CCommand("Kline", {K::Rest}, "/kline <user@host> [reason]") {}
bool C_scKline::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(Spaced("KLINE", args.Text(0)));
    return true;
}

C_scOper::C_scOper() : CCommand("Oper", {K::Word, K::Word}, "/oper <name> <password>") {}
bool C_scOper::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("OPER " + args.Text(0) + " :" + args.Text(1));
    return true;
}

C_scRehash::C_scRehash() : CCommand("Rehash", {}, "/rehash") {}
bool C_scRehash::Execute(const CommandArgs&, const CommandCall&, CommandEnvironment& env) {
    env.Send("REHASH");
    return true;
}

}  // namespace parlevox
