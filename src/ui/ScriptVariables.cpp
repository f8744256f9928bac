#include "ui/ScriptVariables.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/TextError.h"
#include "modules/ModuleTexts.h"
#include "platform/UserInterface.h"
#include "script/AnsiCharacters.h"
#include "script/VariableTexts.h"
#include "ui/ScriptEditor.h"

namespace parlevox {

using namespace module_text;

namespace {

constexpr size_t kShownItems = 8;
constexpr size_t kShownTextLength = 80;

std::string Quoted(const std::string& text) {
    if (text.size() <= kShownTextLength) return "\"" + text + "\"";
    return "\"" + text.substr(0, kShownTextLength) + "...\"";
}

template <typename Items, typename Show>
std::string ItemsText(const Items& items, Show show) {
    std::string text = "{";
    for (size_t i = 0; i < items.size() && i < kShownItems; ++i) text += (i ? ", " : "") + show(items[i]);
    if (items.size() > kShownItems) text += fmt::sprintf(", ... %u items", static_cast<unsigned>(items.size()));
    return text + "}";
}

std::string ComponentText(const VariableComponent& component) {
    switch (component.type) {
        case ComponentType::String: return Quoted(component.text);
        case ComponentType::Int: return std::to_string(component.number);
        case ComponentType::Function: return component.text;
        case ComponentType::StringArray: return ItemsText(component.texts, Quoted);
        case ComponentType::IntArray:
            return ItemsText(component.numbers, [](int32_t n) { return std::to_string(n); });
        case ComponentType::FunctionArray:
            return ItemsText(component.texts, [](const std::string& name) { return name; });
    }
    return {};
}

}  // namespace

std::vector<VariableRow> CScriptVariables::Rows() const {
    std::vector<VariableRow> rows;
    for (VariableScope scope : {VariableScope::Local, VariableScope::ModuleWide, VariableScope::Global}) {
        const CVariableDefinitions* set = Set(scope);
        if (!set) continue;
        for (const CVariableDefinitions::Entry& entry : set->Entries())
            rows.push_back({scope, entry.name, entry.value.LongTypeString(), AccessName(entry.access),
                            ValueText(entry.value)});
    }
    return rows;
}

bool CScriptVariables::Add(VariableScope scope, const std::string& name) {
    CVariableDefinitions* set = Set(scope);
    if (!set) return false;
    auto refuse = [this](const std::string& text) {
        editor_.Ui().ShowMessageBox({kErrorAddingVariableTitle, text, MessageIcon::Exclamation});
        return false;
    };
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsAnsiAlphanumeric)) return refuse(kBadVariableName);
    if (set->Find(name)) return refuse(kVariableExists);
    try {
        set->Add(name, editor_.Module()->NextVariableId());
    } catch (const TextError& error) {
        return refuse(error.Text());
    }
    Changed();
    return true;
}

bool CScriptVariables::Delete(VariableScope scope, std::string_view name) {
    CVariableDefinitions* set = Set(scope);
    if (!set || !set->Find(name)) return false;
    MessageBoxRequest box{kDeleteVariableTitle, fmt::sprintf(kDeleteVariableQuestion, std::string(name)),
                          MessageIcon::Question, MessageButtons::YesNoDefaultNo};
    if (editor_.Ui().ShowMessageBox(box) != MessageResult::Yes) return false;
    set->Remove(name);
    Changed();
    return true;
}

bool CScriptVariables::StepAccess(VariableScope scope, std::string_view name) {
    CVariableDefinitions* set = Set(scope);
    if (!set || !set->StepAccess(name)) return false;
    Changed();
    return true;
}

const char* CScriptVariables::ScopeName(VariableScope scope) {
    switch (scope) {
        case VariableScope::Local: return "Local";
        case VariableScope::ModuleWide: return "Module-wide";
        case VariableScope::Global: return "Global";
    }
    return "";
}

std::string CScriptVariables::ValueText(const CVariable& value) {
    if (value.Count() == 1) return ComponentText(value.Component(0));
    std::string text = "<";
    for (size_t i = 0; i < value.Count(); ++i) text += (i ? ", " : "") + ComponentText(value.Component(i));
    return text + ">";
}

CVariableDefinitions* CScriptVariables::Set(VariableScope scope) const {
    CScriptModule* module = editor_.Module();
    if (!module) return nullptr;
    switch (scope) {
        case VariableScope::Local: {
            CScriptFunction* function = editor_.Function();
            return function ? &function->Locals() : nullptr;
        }
        case VariableScope::ModuleWide: return &module->ModuleWide();
        case VariableScope::Global: return &module->Globals();
    }
    return nullptr;
}

void CScriptVariables::Changed() {
    editor_.Module()->MarkModified();
}

}  // namespace parlevox
