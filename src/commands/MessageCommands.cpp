// msg, notice, raw, quote, CTCP, CTCPReply, query, echo, Onotice, Ping.
#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "common/TextHelpers.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

using K = ParamKind;

std::string PingText() { return fmt::sprintf("\x01PING %u\x01", static_cast<unsigned>(Clock::Now())); }

void SendCtcp(const std::string& target, const std::string& type, const std::string& parameters,
              const CommandCall& call, CommandEnvironment& env) {
    std::string payload;
    std::string shown = parameters;
    if (EqualsIgnoringCase(type, "ping")) {
        payload = PingText();
        shown = payload.substr(6, payload.size() - 7);
    } else {
        payload = "\x01" + type + (parameters.empty() ? "" : " " + parameters) + "\x01";
    }
    env.Send("PRIVMSG " + target + " :" + payload);
    env.EchoOrCapture(call.output, fmt::sprintf(texts::kEchoCtcp, env.Colour(colour::kText), target, type, shown),
                      payload);
}

}  // namespace

C_scMsgChan::C_scMsgChan() : CCommand("msg", {K::Channel, K::Rest}, "/msg <channel> <text>") {}
bool C_scMsgChan::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& channel = args.Text(0);
    const std::string& text = args.Text(1);
    env.Send("PRIVMSG " + channel + " :" + text);
    env.EchoOrCapture(call.output, fmt::sprintf(texts::kEchoChannelMessage, env.Colour(colour::kText), channel, text),
                      text);
    return true;
}

C_scMsgNick::C_scMsgNick() : CCommand("msg", {K::Nick, K::Rest}, "/msg <nick> <text>") {}
bool C_scMsgNick::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& nick = args.Text(0);
    const std::string& text = args.Text(1);
    env.Send("PRIVMSG " + nick + " :" + text);
    const std::string& plain = env.Colour(colour::kText);
    env.EchoOrCapture(call.output,
                      fmt::sprintf(texts::kEchoPrivateMessage, plain, env.Colour(colour::kNick), nick, plain, text),
                      text);
    return true;
}

C_scNoticeChan::C_scNoticeChan() : CCommand("notice", {K::Channel, K::Rest}, "/notice <channel> <text>") {}
bool C_scNoticeChan::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    env.Send("NOTICE " + args.Text(0) + " :" + args.Text(1));
    call.output.AddLine(fmt::sprintf(texts::kEchoChannelNotice, env.Colour(colour::kText), args.Text(0),
                                     env.Colour(colour::kNotice), args.Text(1)));
    return true;
}

C_scNoticeNick::C_scNoticeNick() : CCommand("notice", {K::Nick, K::Rest}, "/notice <nick> <text>") {}
bool C_scNoticeNick::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    env.Send("NOTICE " + args.Text(0) + " :" + args.Text(1));
    const std::string& plain = env.Colour(colour::kText);
    call.output.AddLine(fmt::sprintf(texts::kEchoNickNotice, plain, env.Colour(colour::kNick), args.Text(0), plain,
                                     env.Colour(colour::kNotice), args.Text(1)));
    return true;
}

C_scRaw::C_scRaw() : CCommand("raw", {K::Rest}, "/raw <IRC line>") {}
bool C_scRaw::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(args.Text(0));
    return true;
}

C_scQuote::C_scQuote() : CCommand("quote", {K::Rest}, "/quote <IRC line>") {}
bool C_scQuote::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send(args.Text(0));
    return true;
}

C_scCTCPChan::C_scCTCPChan() : CCommand("CTCP", {K::Channel, K::Word, K::Rest}, "/ctcp <channel> <type> [parameters]") {}
bool C_scCTCPChan::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    SendCtcp(args.Text(0), args.Text(1), args.Text(2), call, env);
    return true;
}

C_scCTCPNick::C_scCTCPNick() : CCommand("CTCP", {K::Nick, K::Word, K::Rest}, "/ctcp <nick> <type> [parameters]") {}
bool C_scCTCPNick::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    SendCtcp(args.Text(0), args.Text(1), args.Text(2), call, env);
    return true;
}

C_scCTCPReply::C_scCTCPReply()
    : CCommand("CTCPReply", {K::Nick, K::Word, K::Rest}, "/ctcpreply <nick> <type> [parameters]") {}
bool C_scCTCPReply::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& parameters = args.Text(2);
    env.Send("NOTICE " + args.Text(0) + " :\x01" + args.Text(1) + (parameters.empty() ? "" : " " + parameters) +
             "\x01");
    call.output.AddLine(
        fmt::sprintf(texts::kEchoCtcpReply, env.Colour(colour::kText), args.Text(0), args.Text(1), parameters));
    return true;
}

C_scQuery::C_scQuery() : CCommand("query", {K::Nick, K::Rest}, "/query <nick> [text]") {}
bool C_scQuery::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    CommandOutput* window = env.Host().OpenQuery(args.Text(0));
    if (!window) {
        env.NotAvailable(call.output, Name());
        return true;
    }
    if (args.Text(1).empty()) return true;
    env.Send("PRIVMSG " + args.Text(0) + " :" + args.Text(1));
    const std::string& own = env.Colour(colour::kOwnMessage);
    window->AddLine(fmt::sprintf(texts::kEchoQuery, own, env.Colour(colour::kNick), env.Connection().currentNick, own,
                                 args.Text(1)));
    return true;
}

C_scEcho::C_scEcho() : CCommand("echo", {K::Rest}, "/echo [#channel] <text>") {}
bool C_scEcho::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& text = args.Text(0);
    if (text.starts_with('#')) {
        size_t space = text.find(' ');
        std::string channel = text.substr(0, space);
        if (CommandOutput* window = env.Host().ChannelWindow(channel)) {
            window->AddLine(space == std::string::npos ? std::string() : text.substr(space + 1));
            return true;
        }
    }
    call.output.AddLine(text);
    return true;
}

C_scOnotice::C_scOnotice() : CCommand("Onotice", {K::Channel, K::Rest}, "/onotice <channel> <text>") {}
bool C_scOnotice::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("NOTICE @" + args.Text(0) + " :" + args.Text(1));
    return true;
}

C_scPing::C_scPing() : CCommand("Ping", {K::Word}, "/ping <nick>") {}
bool C_scPing::Execute(const CommandArgs& args, const CommandCall&, CommandEnvironment& env) {
    env.Send("PRIVMSG " + args.Text(0) + " :" + PingText());
    return true;
}

}  // namespace parlevox
