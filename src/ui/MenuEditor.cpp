#include "ui/MenuEditor.h"

#include <fmt/printf.h>

#include "modules/MenuTexts.h"
#include "modules/ModuleManager.h"
#include "modules/ReactionTexts.h"
#include "platform/UserInterface.h"

namespace parlevox {

CMenuEditor::CMenuEditor(CUserMenus& menus, CModuleManager& modules, UserInterface& ui)
    : menus_(menus), modules_(modules), ui_(ui) {}

std::vector<MenuRow> CMenuEditor::Rows(MenuKind kind) const {
    std::vector<MenuRow> rows;
    for (const MenuItem& item : menus_.Items(kind)) {
        const CScriptModule* owner = modules_.FindById(item.owner);
        std::string ownerName = owner ? owner->Name() : std::string(texts::kReactionOwnerInvalid);
        if (item.owner == 0) ownerName = menu_text::kNoOwner;
        rows.push_back({item.name, item.action, item.confirm, std::move(ownerName)});
    }
    return rows;
}

const MenuItem* CMenuEditor::At(MenuKind kind, size_t index) const {
    const std::vector<MenuItem>& items = menus_.Items(kind);
    return index < items.size() ? &items[index] : nullptr;
}

bool CMenuEditor::Complete(const MenuItem& item) {
    if (item.name.empty()) {
        ui_.ShowMessageBox({menu_text::kItemNameTitle, menu_text::kItemNameRequired, MessageIcon::Exclamation});
        return false;
    }
    if (!item.action.empty() && (item.owner == 0 || modules_.FindById(item.owner))) return true;
    ui_.ShowMessageBox({texts::kFunctionAndModuleRequiredTitle, texts::kFunctionAndModuleRequired,
                        MessageIcon::Exclamation});
    return false;
}

void CMenuEditor::MarkOwner(int32_t owner) {
    if (CScriptModule* module = modules_.FindById(owner)) module->MarkModified();
}

bool CMenuEditor::Add(MenuKind kind, const MenuItem& item) {
    if (!Complete(item)) return false;
    menus_.Add(kind, item);
    MarkOwner(item.owner);
    return true;
}

bool CMenuEditor::Update(MenuKind kind, size_t index, const MenuItem& item) {
    const MenuItem* old = At(kind, index);
    if (!old || !Complete(item)) return false;
    const int32_t oldOwner = old->owner;
    menus_.Replace(kind, index, item);
    MarkOwner(oldOwner);
    MarkOwner(item.owner);
    return true;
}

bool CMenuEditor::Remove(MenuKind kind, size_t index) {
    const MenuItem* item = At(kind, index);
    if (!item) return false;
    MessageBoxRequest box{menu_text::kRemoveItemTitle, fmt::sprintf(menu_text::kRemoveItemQuestion, item->name),
                          MessageIcon::Question, MessageButtons::YesNoDefaultNo};
    if (ui_.ShowMessageBox(box) != MessageResult::Yes) return false;
    const int32_t owner = item->owner;
    menus_.Remove(kind, index);
    MarkOwner(owner);
    return true;
}

// The order of a module's items is part of what it carries.
bool CMenuEditor::Move(MenuKind kind, size_t index, int direction) {
    const MenuItem* item = At(kind, index);
    if (!item) return false;
    const int32_t owner = item->owner;
    if (!menus_.Move(kind, index, direction)) return false;
    MarkOwner(owner);
    return true;
}

}  // namespace parlevox
