// Commands served by owners above the command layer: lists, DCC, windows,
// sounds, programs, schemes and the script system. An owner that is not
// there gives the "not available" line and nothing is sent.
#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "common/Masks.h"
#include "irc/ColourCodes.h"

namespace parlevox {
namespace {

using K = ParamKind;

}  // namespace

C_scNotify::C_scNotify() : CCommand("notify", {K::Nick}, "/notify <nick> (-nick removes)") {}
bool C_scNotify::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& word = args.Text(0);
    bool remove = word.starts_with('-');
    std::string nick = remove ? word.substr(1) : word;
    if (nick.empty()) return false;
    return Done(env.Host().ChangeNotify(nick, remove, call.output), *this, call, env);
}

C_scIgnore::C_scIgnore() : CCommand("ignore", {K::Nick}, "/ignore <nick>") {}
bool C_scIgnore::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& word = args.Text(0);
    AddressRecord mask {word, "*", "*"};
    if (word.find_first_of("!@") != std::string::npos) {
        if (!IsCompleteMask(word)) {
            call.output.AddLine(fmt::sprintf(texts::kInvalidMask, env.Colour(colour::kProblem), word));
            return true;
        }
        mask = AddressRecord::FromSender(word);
    }
    if (!env.Host().AddIgnore(mask, texts::kIgnoreReason)) return Done(false, *this, call, env);
    call.output.AddLine(fmt::sprintf(texts::kIgnoreAdded, env.Colour(colour::kInformation), mask.Text()));
    return true;
}

C_scDCC::C_scDCC() : CCommand("dcc", {K::Word, K::Nick, K::Rest}, "/dcc SEND <nick> <file> | /dcc CHAT <nick>") {}
bool C_scDCC::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().StartDcc(args.Text(0), args.Text(1), args.Text(2), call.output), *this, call, env);
}

C_scDCCSend::C_scDCCSend() : CCommand("DCCSend", {K::Nick}, "/dccsend <nick>") {}
bool C_scDCCSend::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().ChooseFileToSend(args.Text(0)), *this, call, env);
}

C_scDCCView::C_scDCCView() : CCommand("DCCView", {K::Word}, "/dccview <file>") {}
bool C_scDCCView::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().ViewFile(args.Text(0), call.output), *this, call, env);
}

C_scServer::C_scServer() : CCommand("Server", {K::Word, K::Rest}, "/server <host> [port]") {}
bool C_scServer::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().ConnectTo(args.Text(0), args.Text(1)), *this, call, env);
}

C_scBrimConnect::C_scBrimConnect() : CCommand("BrimConnect", {K::Nick}, "/brimconnect <nick>") {}
bool C_scBrimConnect::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().OpenClientLink(args.Text(0)), *this, call, env);
}

C_scTile::C_scTile() : CCommand("Tile", {K::Rest}, "/tile [h|v|c] (horizontally, vertically, cascade)") {}
bool C_scTile::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::string how = args.Text(0).empty() ? "h" : args.Text(0).substr(0, 1);
    if (how[0] >= 'A' && how[0] <= 'Z') how[0] = static_cast<char>(how[0] - 'A' + 'a');
    if (how != "h" && how != "v" && how != "c") return false;
    return Done(env.Host().Tile(how), *this, call, env);
}

C_scClear::C_scClear() : CCommand("Clear", {}, "/clear") {}
bool C_scClear::Execute(const CommandArgs&, const CommandCall& call, CommandEnvironment&) {
    call.output.Clear();
    return true;
}

C_scPlaySound::C_scPlaySound() : CCommand("PlaySound", {K::Word}, "/playsound <sound file>") {}
bool C_scPlaySound::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().PlayLocalSound(args.Text(0)), *this, call, env);
}

C_scRun::C_scRun() : CCommand("Run", {K::Word, K::Rest}, "/run <program> [arguments]") {}
bool C_scRun::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().RunProgram(args.Text(0), args.Text(1), call.output), *this, call, env);
}

C_scSchemeEdit::C_scSchemeEdit() : CCommand("SchemeEdit", {K::Word},
                                             "/schemeedit <window>: edit the scheme of a window, for example "
                                             "/schemeedit #linux; built-in windows are written with a leading ~, "
                                             "as in /schemeedit ~CControlBarWnd") {}
bool C_scSchemeEdit::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().EditScheme(args.Text(0)), *this, call, env);
}

C_scScriptReset::C_scScriptReset() : CCommand("ScriptReset", {}, "/scriptreset") {}
bool C_scScriptReset::Execute(const CommandArgs&, const CommandCall& call, CommandEnvironment& env) {
    return Done(env.Host().ResetScripts(), *this, call, env);
}

}  // namespace parlevox
