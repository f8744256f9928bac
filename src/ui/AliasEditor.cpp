#include "ui/AliasEditor.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>

#include "common/TextHelpers.h"
#include "modules/MenuTexts.h"
#include "modules/ModuleManager.h"
#include "modules/ModuleTexts.h"
#include "modules/ScriptCalls.h"
#include "platform/UserInterface.h"
#include "script/AnsiCharacters.h"

namespace parlevox {
namespace {

using namespace menu_text;

constexpr std::string_view kParameterMark = "%sA";
constexpr std::string_view kBodyStart = ">\r\n{\r\n";
// The first of the two comment lines marks a function as an alias.
constexpr std::string_view kAliasMark = "// This is an automatically-generated alias\r\n";

bool WellFormedAliasName(std::string_view name) {
    return !name.empty() && IsAnsiUppercase(name.front()) && std::all_of(name.begin(), name.end(), IsAnsiAlphanumeric);
}

}  // namespace

CAliasEditor::CAliasEditor(CModuleManager& modules, CScriptCalls& calls, UserInterface& ui)
    : modules_(modules), calls_(calls), ui_(ui) {}

int CAliasEditor::ParameterCount(std::string_view lines) {
    int count = 0;
    for (size_t at = lines.find(kParameterMark); at != std::string_view::npos;
         at = lines.find(kParameterMark, at + 1)) {
        const size_t digit = at + kParameterMark.size();
        if (digit < lines.size() && lines[digit] >= '0' && lines[digit] <= '9')
            count = std::max(count, lines[digit] - '0');
    }
    return count;
}

std::string CAliasEditor::GenerateSource(std::string_view name, std::string_view lines) {
    std::string source = kAliasHead;
    source.append(name);
    source += " <";
    const int count = ParameterCount(lines);
    for (int i = 1; i <= count; ++i) source += fmt::format("sA{},", i);
    if (count > 0) source.back() = ' ';
    source += kBodyStart;
    source.append(lines);
    if (lines.empty() || lines.back() != '\n') source += "\r\n";
    source += '}';
    return source;
}

bool CAliasEditor::IsAlias(const CScriptFunction& function) {
    return function.Source().starts_with(kAliasMark);
}

std::string CAliasEditor::LinesOf(std::string_view source) {
    const std::string_view head = kAliasHead;
    if (!source.starts_with(head)) return {};
    const size_t body = source.find(kBodyStart, head.size());
    if (body == std::string_view::npos) return std::string(source.substr(head.size()));
    std::string_view lines = source.substr(body + kBodyStart.size());
    if (lines.ends_with('}')) lines.remove_suffix(1);
    if (lines.ends_with("\r\n")) lines.remove_suffix(2);
    return std::string(lines);
}

CScriptModule* CAliasEditor::Module() const {
    if (CScriptModule* chosen = modules_.FindById(moduleId_)) return chosen;
    return modules_.Modules().empty() ? nullptr : modules_.Modules().front().module.get();
}

std::vector<std::string> CAliasEditor::Aliases() const {
    std::vector<std::string> names;
    if (const CScriptModule* module = Module())
        for (const auto& function : module->Functions())
            if (IsAlias(*function)) names.push_back(function->Name());
    return names;
}

CScriptFunction* CAliasEditor::FindAlias(std::string_view name) const {
    CScriptModule* module = Module();
    CScriptFunction* function = module && !name.empty() ? module->FindFunction(name, true) : nullptr;
    return function && IsAlias(*function) ? function : nullptr;
}

std::string CAliasEditor::AliasLines() const {
    const CScriptFunction* alias = FindAlias(alias_);
    return alias ? LinesOf(alias->Source()) : std::string();
}

bool CAliasEditor::MayLeave(const char* what) {
    if (!changed_) return true;
    MessageBoxRequest box{kLeaveTitle, fmt::sprintf(kLeaveQuestion, what), MessageIcon::Question,
                          MessageButtons::YesNo};
    if (ui_.ShowMessageBox(box) != MessageResult::Yes) return false;
    changed_ = false;
    return true;
}

bool CAliasEditor::SelectModule(int32_t id) {
    if (Module() && Module()->Id() == id) return true;
    if (!modules_.FindById(id) || !MayLeave("module")) return false;
    moduleId_ = id;
    alias_.clear();
    return true;
}

bool CAliasEditor::SelectAlias(const std::string& name) {
    if (name == alias_) return true;
    if (!FindAlias(name) || !MayLeave("alias")) return false;
    alias_ = name;
    return true;
}

bool CAliasEditor::StartNew() {
    if (!MayLeave("alias")) return false;
    alias_.clear();
    return true;
}

bool CAliasEditor::MayCloseWindow() {
    return MayLeave("window");
}

void CAliasEditor::Refuse(const char* title, const char* text) {
    ui_.ShowMessageBox({title, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

// Calls find functions without regard to case, so a name differing only in
// case would hide the other function.
bool CAliasEditor::InUse(const std::string& name, const CScriptFunction* self) const {
    for (const InstalledModule& installed : modules_.Modules())
        for (const auto& function : installed.module->Functions())
            if (function.get() != self && EqualsIgnoringCase(function->Name(), name)) return true;
    return false;
}

bool CAliasEditor::CheckName(const std::string& name, const CScriptFunction* self) {
    if (name.empty()) {
        Refuse(kNameRequiredTitle, kNameRequired);
        return false;
    }
    if (InUse(name, self)) {
        Refuse(kInvalidNameTitle, kNameInUse);
        return false;
    }
    if (!WellFormedAliasName(name)) {
        Refuse(kInvalidNameTitle, kNameCharacters);
        return false;
    }
    return true;
}

// The parameters are locals sA1 to sAn, as many as the lines use; those of
// an earlier version that used more go.
void CAliasEditor::DeclareParameters(CScriptModule& module, CScriptFunction& function, int count) {
    CVariableDefinitions& locals = function.Locals();
    for (int i = 1; i <= 9; ++i) {
        const std::string name = fmt::format("sA{}", i);
        const bool present = locals.FindId(name) != 0;
        if (i <= count && !present) locals.Add(name, module.NextVariableId());
        if (i > count && present) locals.Remove(name);
    }
}

bool CAliasEditor::Compile(CScriptModule& module, CScriptFunction& function) {
    DeclareParameters(module, function, ParameterCount(LinesOf(function.Source())));
    module.MarkModified();
    if (!calls_.Compile(module, function)) return true;
    Refuse(module_text::kCompileErrorTitle, kAliasCompileFailed);
    return false;
}

bool CAliasEditor::Set(const std::string& name, std::string_view lines) {
    CScriptModule* module = Module();
    if (!module) return false;
    CScriptFunction* alias = FindAlias(name);
    if (!CheckName(name, alias)) return false;
    if (!alias) alias = &module->AddFunction(std::make_unique<CScriptFunction>(name));
    else if (alias->Name() != name) module->RenameFunction(*alias, name);
    alias->SetSource(GenerateSource(name, lines));
    alias_ = name;
    changed_ = false;
    return Compile(*module, *alias);
}

bool CAliasEditor::Rename(const std::string& name) {
    CScriptModule* module = Module();
    CScriptFunction* alias = FindAlias(alias_);
    if (!alias || name == alias->Name() || !CheckName(name, alias)) return false;
    const std::string lines = LinesOf(alias->Source());
    module->RenameFunction(*alias, name);
    alias->SetSource(GenerateSource(name, lines));
    alias_ = name;
    return Compile(*module, *alias);
}

bool CAliasEditor::Delete() {
    CScriptModule* module = Module();
    CScriptFunction* alias = FindAlias(alias_);
    if (!alias) return false;
    MessageBoxRequest box{kDeleteAliasTitle, fmt::sprintf(kDeleteAliasQuestion, alias->Name(), module->Name()),
                          MessageIcon::Question, MessageButtons::YesNoDefaultNo};
    if (ui_.ShowMessageBox(box) != MessageResult::Yes) return false;
    module->RemoveFunction(alias->Name());
    module->MarkModified();
    alias_.clear();
    changed_ = false;
    return true;
}

}  // namespace parlevox
