// NickServ, ChanServ, MemoServ, IDENTIFY and the services dialogs.
#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "irc/ServiceRequest.h"

namespace parlevox {
namespace {

using K = ParamKind;

void SendToService(const char* service, const std::string& text, CommandEnvironment& env) {
    env.Send(ServiceRequest(service, env.Settings().servicesHost, text));
}

}  // namespace

C_scNs::C_scNs() : CCommand("Ns", {K::Rest}, "/ns <NickServ command>") {}
bool C_scNs::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("NickServ", args.Text(0), env);
    return true;
}

C_scNickServ::C_scNickServ() : CCommand("NickServ", {K::Rest}, "/nickserv <NickServ command>") {}
bool C_scNickServ::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("NickServ", args.Text(0), env);
    return true;
}

C_scCs::C_scCs() : CCommand("Cs", {K::Rest}, "/cs <ChanServ command>") {}
bool C_scCs::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("ChanServ", args.Text(0), env);
    return true;
}

C_scChanServ::C_scChanServ() : CCommand("ChanServ", {K::Rest}, "/chanserv <ChanServ command>") {}
bool C_scChanServ::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("ChanServ", args.Text(0), env);
    return true;
}

C_scMs::C_scMs() : CCommand("Ms", {K::Rest}, "/ms <MemoServ command>") {}
bool C_scMs::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("MemoServ", args.Text(0), env);
    return true;
}

C_scMemoServ::C_scMemoServ() : CCommand("MemoServ", {K::Rest}, "/memoserv <MemoServ command>") {}
bool C_scMemoServ::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    SendToService("MemoServ", args.Text(0), env);
    return true;
}

C_scIdentify::C_scIdentify() : CCommand("Identify", {K::Rest}, "/identify <password>") {}
bool C_scIdentify::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("IDENTIFY :" + args.Text(0));
    return true;
}

C_scChanInfo::C_scChanInfo() : CCommand("ChanInfo", {K::Word}, "/chaninfo <channel>") {}
bool C_scChanInfo::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Host().OpenChannelInfo(args.Text(0))) env.NotAvailable(call.output, Name());
    return true;
}

C_scNickInfo::C_scNickInfo() : CCommand("NickInfo", {K::Nick}, "/nickinfo <nick>") {}
bool C_scNickInfo::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Host().OpenNickInfo(args.Text(0))) env.NotAvailable(call.output, Name());
    return true;
}

}  // namespace parlevox
