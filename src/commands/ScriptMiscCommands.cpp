// Random, FriendLevel, Friend, ChanPeople, ChanHasOps, ChanHasVoice,
// SuppressOutput, GetString, Me, Sound. What lives above the command layer
// (names lists, friends, the prompt, the output panes) is reached through
// CommandHost; an owner that is not there gives the "not available" line.
#include <algorithm>
#include <cstdlib>

#include <fmt/printf.h>

#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "commands/ScriptCommands.h"
#include "common/Masks.h"
#include "common/TextHelpers.h"
#include "irc/ColourCodes.h"

namespace parlevox {
namespace {

using K = ParamKind;
using R = CommandResult::Type;

// The level a friend added by a script gets: 1, a friend who is never
// ignored, as the preferences page proposes.
constexpr int kAddedFriendLevel = 1;

bool NotServed(const CCommand& command, const CommandCall& call, CommandEnvironment& env) {
    env.NotAvailable(call.output, command.Name());
    return true;
}

// The highest level of the friends `who` names, 0 for none. A nick is
// named by a friend's nickname (any case) or by the nick part of its mask;
// a whole nick!user@host by the mask.
int LevelOf(const std::vector<FriendRecord>& friends, const std::string& who) {
    const bool address = IsMask(who);
    int level = 0;
    for (const FriendRecord& entry : friends) {
        const std::string_view mask = entry.mask;
        const bool named = address ? WildcardMatch(who, mask)
                                   : EqualsIgnoringCase(entry.nickname, who) ||
                                         WildcardMatch(who, mask.substr(0, mask.find('!')));
        if (named && entry.level > level) level = entry.level;
    }
    return level;
}

// "PRIVMSG target :" and the CTCP request, echoed (or captured) as /ctcp does.
void SendCtcpRequest(const std::string& target, const std::string& type, const std::string& parameters,
                     const CommandCall& call, CommandEnvironment& env) {
    const std::string payload = "\x01" + type + (parameters.empty() ? "" : " " + parameters) + "\x01";
    env.Send("PRIVMSG " + target + " :" + payload);
    env.EchoOrCapture(call.output,
                      fmt::sprintf(texts::kEchoCtcp, env.Colour(colour::kText), target, type, parameters), payload);
}

}  // namespace

C_scRandom::C_scRandom(Source source)
    : CScriptCommand("Random", {K::Integer}, R::Integer),
      source_(source ? std::move(source) : [] { return std::rand(); }) {}
bool C_scRandom::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const int64_t draw = source_() & 0x7FFF;
    // In 64 bits the product cannot overflow; the quotient lies between 0
    // and n, so it fits again.
    Give(call, static_cast<int32_t>(int64_t{args.Number(0)} * draw / 0x7FFF));
    return true;
}

C_scFriendLevel::C_scFriendLevel() : CScriptCommand("FriendLevel", {K::Word}, R::Integer) {}
bool C_scFriendLevel::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::vector<FriendRecord> friends;
    if (!env.Host().Friends(friends)) return NotServed(*this, call, env);
    Give(call, LevelOf(friends, args.Text(0)));
    return true;
}

// A plain nick becomes nick!*@*; anything else must be a whole mask. A
// mask already in the list (any case) is not added twice.
C_scFriend::C_scFriend() : CScriptCommand("Friend", {K::Word, K::Rest}, R::None) {}
bool C_scFriend::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::string mask = args.Text(0);
    if (mask.find_first_of("!@") == std::string::npos) {
        mask += "!*@*";
    } else if (!IsCompleteMask(mask)) {
        call.output.AddLine(fmt::sprintf(texts::kInvalidMask, env.Colour(colour::kProblem), mask));
        return true;
    }
    std::vector<FriendRecord> friends;
    if (!env.Host().Friends(friends)) return NotServed(*this, call, env);
    const std::string& text = args.Text(1);
    FriendRecord entry {text.empty() ? mask.substr(0, mask.find('!')) : text, mask, kAddedFriendLevel};
    const bool known = std::any_of(friends.begin(), friends.end(),
                                   [&](const FriendRecord& f) { return EqualsIgnoringCase(f.mask, mask); });
    if (!known && !env.Host().AddFriend(entry)) return NotServed(*this, call, env);
    call.output.AddLine(fmt::sprintf(texts::kFriendAdded, env.Colour(colour::kInformation), mask, entry.nickname));
    return true;
}

C_scChanPeople::C_scChanPeople() : CScriptCommand("ChanPeople", {K::Channel}, R::StringArray) {}
bool C_scChanPeople::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::vector<std::string> nicks;
    if (!env.Host().ChannelPeople(args.Text(0), nicks)) return NotServed(*this, call, env);
    Give(call, std::move(nicks));
    return true;
}

C_scChanHasOps::C_scChanHasOps() : CScriptCommand("ChanHasOps", {K::Channel, K::Nick}, R::Integer) {}
bool C_scChanHasOps::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    bool op = false, voice = false;
    if (!env.Host().ChannelStatus(args.Text(0), args.Text(1), op, voice)) return NotServed(*this, call, env);
    Give(call, op ? 1 : 0);
    return true;
}

C_scChanHasVoice::C_scChanHasVoice() : CScriptCommand("ChanHasVoice", {K::Channel, K::Nick}, R::Integer) {}
bool C_scChanHasVoice::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    bool op = false, voice = false;
    if (!env.Host().ChannelStatus(args.Text(0), args.Text(1), op, voice)) return NotServed(*this, call, env);
    Give(call, voice ? 1 : 0);
    return true;
}

// 1 raises the counter, any other value lowers it (never below 0).
C_scSuppressOutput::C_scSuppressOutput() : CScriptCommand("SuppressOutput", {K::Integer}, R::None) {}
bool C_scSuppressOutput::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    if (!env.Host().SuppressOutput(args.Number(0) == 1)) return NotServed(*this, call, env);
    return true;
}

C_scGetString::C_scGetString() : CScriptCommand("GetString", {K::Rest}, R::String) {}
bool C_scGetString::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    std::string answer;
    if (!env.Host().PromptText(args.Text(0), texts::kInputRequestTitle, answer)) return NotServed(*this, call, env);
    Give(call, std::move(answer));
    return true;
}

C_scMe::C_scMe() : CScriptCommand("Me", {K::Word, K::Rest}, R::None) {}
bool C_scMe::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    SendCtcpRequest(args.Text(0), "ACTION", args.Text(1), call, env);
    return true;
}

C_scSound::C_scSound() : CScriptCommand("Sound", {K::Word, K::Word, K::Rest}, R::None) {}
bool C_scSound::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string& text = args.Text(2);
    SendCtcpRequest(args.Text(0), "SOUND", args.Text(1) + (text.empty() ? "" : " " + text), call, env);
    return true;
}

}  // namespace parlevox
