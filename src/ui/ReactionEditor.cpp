#include "ui/ReactionEditor.h"

#include <fmt/printf.h>

#include "irc/EventTypeTree.h"
#include "modules/ModuleManager.h"
#include "modules/ReactionList.h"
#include "modules/ReactionTexts.h"
#include "platform/UserInterface.h"
#include "ui/ScriptEditor.h"

namespace parlevox {

CReactionEditor::CReactionEditor(CReactionList& reactions, CModuleManager& modules, UserInterface& ui)
    : reactions_(reactions), modules_(modules), ui_(ui) {}

std::vector<ReactionRow> CReactionEditor::Rows() const {
    std::vector<ReactionRow> rows;
    for (const CReaction& r : reactions_.Reactions()) {
        const CScriptModule* owner = modules_.FindById(r.owner);
        auto filter = [&r](uint32_t flag, const std::string& text) { return (r.filterFlags & flag) ? text : ""; };
        rows.push_back({r.IsEnabled(), owner ? owner->Name() : texts::kReactionOwnerInvalid, r.action,
                        EventTypeName(r.eventSelector), filter(CReaction::kFilterSender, r.senderMask),
                        filter(CReaction::kFilterText1, r.textFilter1), filter(CReaction::kFilterText2, r.textFilter2),
                        filter(CReaction::kFilterNumber, std::to_string(r.number))});
    }
    return rows;
}

std::vector<std::string> CReactionEditor::Lines() const {
    std::vector<std::string> lines;
    auto nameOf = [this](int32_t id) -> std::optional<std::string> {
        if (const CScriptModule* module = modules_.FindById(id)) return module->Name();
        return std::nullopt;
    };
    for (size_t i = 0; i < reactions_.Reactions().size(); ++i) lines.push_back(reactions_.DisplayLine(i, nameOf));
    return lines;
}

const CReaction* CReactionEditor::At(size_t index) const {
    return index < reactions_.Reactions().size() ? &reactions_.Reactions()[index] : nullptr;
}

CReaction CReactionEditor::Blank(int32_t owner) {
    CReaction reaction;
    reaction.owner = owner;
    return reaction;
}

bool CReactionEditor::Complete(const CReaction& reaction) {
    if (!reaction.action.empty() && modules_.FindById(reaction.owner)) return true;
    ui_.ShowMessageBox({texts::kFunctionAndModuleRequiredTitle, texts::kFunctionAndModuleRequired,
                        MessageIcon::Exclamation});
    return false;
}

void CReactionEditor::MarkOwner(int32_t owner) {
    if (CScriptModule* module = modules_.FindById(owner)) module->MarkModified();
}

bool CReactionEditor::Add(const CReaction& reaction) {
    if (!Complete(reaction)) return false;
    reactions_.Add(reaction);
    MarkOwner(reaction.owner);
    return true;
}

bool CReactionEditor::Update(size_t index, const CReaction& reaction) {
    const CReaction* old = At(index);
    if (!old || !Complete(reaction)) return false;
    const int32_t oldOwner = old->owner;
    reactions_.Replace(index, reaction);
    MarkOwner(oldOwner);
    MarkOwner(reaction.owner);
    return true;
}

bool CReactionEditor::Remove(size_t index) {
    const CReaction* reaction = At(index);
    if (!reaction) return false;
    MessageBoxRequest box{texts::kRemoveReactionTitle, texts::kRemoveReactionQuestion, MessageIcon::Question,
                          MessageButtons::YesNoDefaultNo};
    if (ui_.ShowMessageBox(box) != MessageResult::Yes) return false;
    const int32_t owner = reaction->owner;
    reactions_.Remove(index);
    MarkOwner(owner);
    return true;
}

bool CReactionEditor::SetActive(size_t index, bool active) {
    const CReaction* reaction = At(index);
    if (!reaction || reaction->IsEnabled() == active) return false;
    const int32_t owner = reaction->owner;
    reactions_.SetEnabled(index, active);
    MarkOwner(owner);
    return true;
}

CScriptFunction* CReactionEditor::NewReactionFunction(const std::string& name, int32_t owner) {
    CScriptModule* module = modules_.FindById(owner);
    if (!module || !CScriptEditor::IsWellFormedFunctionName(name)) {
        ui_.ShowMessageBox({texts::kReactionFunctionTitle, texts::kReactionFunctionNeedsName,
                            MessageIcon::Exclamation});
        return nullptr;
    }
    if (module->FindFunction(name, true)) {
        ui_.ShowMessageBox({texts::kReactionFunctionTitle, texts::kReactionFunctionExists, MessageIcon::Exclamation});
        return nullptr;
    }
    auto function = std::make_unique<CScriptFunction>(name);
    function->SetSource(name + texts::kNewReactionFunctionTail);
    CScriptFunction& made = module->AddFunction(std::move(function));
    module->MarkModified();
    return &made;
}

std::string CReactionEditor::EventTypeName(uint32_t selector) {
    if (const EventTypeNode* node = FindEventTypeNode(selector)) return node->name;
    return fmt::sprintf("%08x", selector);
}

}  // namespace parlevox
