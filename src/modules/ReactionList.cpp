#include "modules/ReactionList.h"

#include <fmt/printf.h>

#include <algorithm>
#include <utility>

#include "irc/IRCMessage.h"
#include "modules/HookVerdict.h"
#include "modules/PrefixedOutput.h"
#include "modules/ReactionTexts.h"
#include "modules/ScriptModule.h"

namespace parlevox {

CReactionList::CReactionList(EventLoop& loop, WindowHandle networkWindow, SystemVariableSink& variables,
                             ReactionRunner& runner)
    : EventHandlerWindow(loop, networkWindow), variables_(variables), runner_(runner) {}

std::optional<std::string> CReactionList::Load(const std::vector<std::string>& stored) {
    Unregister();
    reactions_.clear();
    bool lost = false;
    for (const std::string& text : stored) {
        ParsedReaction parsed = CReaction::FromText(text);
        if (text.empty() || !parsed.reaction) {
            lost = true;
            continue;
        }
        reactions_.push_back(std::move(*parsed.reaction));
    }
    Changed();
    if (lost) return std::string(texts::kReactionsLost);
    return std::nullopt;
}

std::vector<std::string> CReactionList::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(reactions_.size());
    for (const CReaction& reaction : reactions_) texts.push_back(reaction.ToText());
    return texts;
}

void CReactionList::RegisterAll() {
    Unregister();
    for (CReaction& reaction : reactions_)
        if (reaction.IsEnabled()) reaction.hookHandle = Register(reaction.ToHandlerRecord());
    registered_ = true;
}

void CReactionList::Unregister() {
    for (CReaction& reaction : reactions_) {
        if (reaction.hookHandle != 0) RemoveHandler(reaction.hookHandle);
        reaction.hookHandle = 0;
    }
}

// Re-registering everything keeps the hooks in list order (equal priorities
// run in registration order), so the list's order is the order reactions
// see an event.
void CReactionList::Changed() {
    if (registered_) RegisterAll();
}

void CReactionList::Add(CReaction reaction) {
    reaction.hookHandle = 0;
    reactions_.push_back(std::move(reaction));
    Changed();
}

bool CReactionList::Replace(size_t index, CReaction reaction) {
    if (index >= reactions_.size()) return false;
    if (reactions_[index].hookHandle != 0) RemoveHandler(reactions_[index].hookHandle);
    reaction.hookHandle = 0;
    reactions_[index] = std::move(reaction);
    Changed();
    return true;
}

bool CReactionList::Remove(size_t index) {
    if (index >= reactions_.size()) return false;
    if (reactions_[index].hookHandle != 0) RemoveHandler(reactions_[index].hookHandle);
    reactions_.erase(reactions_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed();
    return true;
}

bool CReactionList::SetEnabled(size_t index, bool enabled) {
    if (index >= reactions_.size()) return false;
    reactions_[index].enabled = enabled ? 1 : 0;
    Changed();
    return true;
}

size_t CReactionList::Install(const CScriptModule& module) {
    size_t unreadable = 0;
    for (const std::string& text : module.Reactions()) {
        ParsedReaction parsed = CReaction::FromText(text);
        if (!parsed.reaction) {
            ++unreadable;
            continue;
        }
        parsed.reaction->owner = module.Id();
        reactions_.push_back(std::move(*parsed.reaction));
    }
    Changed();
    return unreadable;
}

void CReactionList::Gather(CScriptModule& module) const {
    std::vector<std::string>& texts = module.Reactions();
    texts.clear();
    for (const CReaction& reaction : reactions_)
        if (reaction.owner == module.Id()) texts.push_back(reaction.ToText());
}

void CReactionList::RemoveOwnedBy(int32_t owner) {
    auto owned = [owner](const CReaction& reaction) { return reaction.owner == owner; };
    for (const CReaction& reaction : reactions_)
        if (owned(reaction) && reaction.hookHandle != 0) RemoveHandler(reaction.hookHandle);
    std::erase_if(reactions_, owned);
    Changed();
}

std::string CReactionList::DisplayLine(size_t index, const ModuleNameOf& moduleName) const {
    if (index >= reactions_.size()) return {};
    const CReaction& r = reactions_[index];
    std::optional<std::string> owner = moduleName ? moduleName(r.owner) : std::nullopt;
    return fmt::sprintf("%s%s %s %08x %08x %s %s %s %i",
                        r.IsEnabled() ? texts::kReactionEnabled : texts::kReactionDisabled,
                        owner ? *owner : std::string(texts::kReactionOwnerInvalid), r.action, r.eventSelector,
                        r.filterFlags, r.textFilter1, r.textFilter2, r.senderMask, r.number);
}

std::string CReactionList::OutputPrefix() const {
    return fmt::sprintf(texts::kReactionPrefix, colours_.Code(colour::kProblem), colours_.Code(colour::kInformation),
                        colours_.Code(colour::kProblem), colours_.Code(colour::kInformation));
}

void CReactionList::OnEvent(CIRCMessage& message, uint32_t handlerId) {
    auto reaction = std::find_if(reactions_.begin(), reactions_.end(), [handlerId](const CReaction& r) {
        return r.hookHandle == handlerId && r.IsEnabled();
    });
    if (reaction == reactions_.end()) return;  // passes on
    if (std::find(running_.begin(), running_.end(), handlerId) != running_.end()) return;
    // The action may change the list (and move this entry) while it runs.
    const std::string action = reaction->action;
    running_.push_back(handlerId);
    Run(action, message);
    running_.erase(std::find(running_.begin(), running_.end(), handlerId));
}

void CReactionList::Run(const std::string& action, CIRCMessage& message) {
    message.SetSystemVariables(variables_);
    ReactionWindow current = runner_.CurrentWindow();
    PrefixedOutput output(current.output, OutputPrefix());
    ReactionWindow window{output, current.channel};
    if (!action.empty() && action[0] == '/') {
        runner_.RunCommandLine(action, window);
        return;
    }
    // The function's own lines carry its own prefix, not both.
    std::optional<CVariable> result = runner_.CallFunction(action, current);
    message.ReadBackSystemVariables(variables_);
    if (ApplyHookResult(result, message, variables_)) EndChain();
}

}  // namespace parlevox
