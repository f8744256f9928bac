#include "ui/ScriptEditor.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/TextError.h"
#include "common/TextHelpers.h"
#include "display/ImageTexts.h"
#include "display/ModuleIconImport.h"
#include "display/PngFile.h"
#include "modules/ModuleTexts.h"
#include "modules/ReactionTexts.h"
#include "modules/ScriptCalls.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "script/AnsiCharacters.h"

namespace parlevox {

using namespace module_text;

CScriptEditor::CScriptEditor(CModuleManager& modules, CScriptCalls& calls, UserInterface& ui,
                             FunctionNameTest commandNames)
    : modules_(modules), calls_(calls), ui_(ui), commandNames_(std::move(commandNames)) {
    if (!modules_.Modules().empty()) moduleId_ = modules_.Modules().front().module->Id();
    ChooseFirstFunction();
}

CScriptModule* CScriptEditor::Module() const {
    if (CScriptModule* chosen = modules_.FindById(moduleId_)) return chosen;
    return modules_.Modules().empty() ? nullptr : modules_.Modules().front().module.get();
}

CScriptFunction* CScriptEditor::Function() const {
    CScriptModule* module = Module();
    return module && !function_.empty() ? module->FindFunction(function_) : nullptr;
}

bool CScriptEditor::SelectModule(int32_t id) {
    if (Module() && Module()->Id() == id) return true;
    if (!modules_.FindById(id) || !MayLeaveFunction()) return false;
    moduleId_ = id;
    ChooseFirstFunction();
    return true;
}

bool CScriptEditor::SelectFunction(std::string_view name) {
    CScriptModule* module = Module();
    if (!module || !module->FindFunction(name)) return false;
    if (name == function_) return true;
    if (!MayLeaveFunction()) return false;
    function_ = std::string(name);
    return true;
}

bool CScriptEditor::MayLeaveFunction() {
    CScriptFunction* function = Function();
    if (!function || !function->SourceChangedSinceCompile()) return true;
    MessageBoxRequest box{kUncompiledTitle, fmt::sprintf(kUncompiledQuestion, function->Name()),
                          MessageIcon::Exclamation, MessageButtons::YesNo};
    return ui_.ShowMessageBox(box) == MessageResult::Yes;
}

void CScriptEditor::ChooseFirstFunction() {
    CScriptModule* module = Module();
    function_ = module && !module->Functions().empty() ? module->Functions().front()->Name() : std::string();
}

bool CScriptEditor::IsWellFormedFunctionName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    return std::all_of(name.begin(), name.end(), IsAnsiAlphanumeric);
}

bool CScriptEditor::CheckFunctionName(const std::string& name) {
    const bool wellFormed = IsWellFormedFunctionName(name);
    if (!wellFormed) ui_.ShowMessageBox({kFunctionNameTitle, kBadFunctionName, MessageIcon::Exclamation});
    return wellFormed;
}

CScriptFunction* CScriptEditor::NewFunction(const std::string& name) {
    CScriptModule* module = Module();
    if (!module || !CheckFunctionName(name)) return nullptr;
    // Calls find functions without regard to case: two such names would hide one another.
    if (module->FindFunction(name, true)) {
        ui_.ShowMessageBox({kFunctionNameTitle, texts::kReactionFunctionExists, MessageIcon::Exclamation});
        return nullptr;
    }
    if (!MayLeaveFunction()) return nullptr;
    CScriptFunction& made = module->AddFunction(std::make_unique<CScriptFunction>(name));
    module->MarkModified();
    function_ = name;
    return &made;
}

CScriptFunction* CScriptEditor::NewFunctionAsked() {
    if (!Module()) return nullptr;
    std::optional<std::string> name = ui_.PromptText(kNewFunctionPrompt, kNewFunctionTitle, "");
    return name ? NewFunction(*name) : nullptr;
}

bool CScriptEditor::RenameFunction(const std::string& name) {
    CScriptModule* module = Module();
    CScriptFunction* function = Function();
    if (!function || !CheckFunctionName(name)) return false;
    CScriptFunction* other = module->FindFunction(name, true);
    if (other && other != function) {
        ui_.ShowMessageBox({kFunctionNameTitle, texts::kReactionFunctionExists, MessageIcon::Exclamation});
        return false;
    }
    module->RenameFunction(*function, name);
    module->MarkModified();
    function_ = name;
    return true;
}

bool CScriptEditor::RenameFunctionAsked() {
    CScriptFunction* function = Function();
    if (!function) return false;
    std::optional<std::string> name = ui_.PromptText(kRenameFunctionPrompt, kRenameFunctionTitle, function->Name());
    return name && *name != function->Name() && RenameFunction(*name);
}

bool CScriptEditor::DeleteFunction() {
    CScriptModule* module = Module();
    CScriptFunction* function = Function();
    if (!function || !Confirm(kDeleteFunctionTitle, fmt::sprintf(kDeleteFunctionQuestion, function->Name(),
                                                                  module->Name())))
        return false;
    module->RemoveFunction(function_);
    module->MarkModified();
    ChooseFirstFunction();
    return true;
}

void CScriptEditor::SetSource(std::string source) {
    CScriptFunction* function = Function();
    if (!function || function->Source() == source) return;
    function->SetSource(std::move(source));
    Module()->MarkModified();
}

std::optional<uint32_t> CScriptEditor::Compile() {
    CScriptModule* module = Module();
    CScriptFunction* function = Function();
    if (!function) return std::nullopt;
    std::optional<CompileFailure> failure = calls_.Compile(*module, *function, commandNames_);
    if (!failure) {
        module->MarkModified();
        return std::nullopt;
    }
    ui_.ShowMessageBox({kCompileErrorTitle, kCompileErrorHead + failure->text + kCompileErrorTail,
                        MessageIcon::Exclamation});
    return std::min<uint32_t>(failure->offset, static_cast<uint32_t>(function->Source().size()));
}

CScriptModule* CScriptEditor::InstallModule() {
    std::optional<std::string> path = ui_.ChooseOpenFile(kInstallTitle, kInstallFilter);
    if (!path || !MayLeaveFunction()) return nullptr;
    CScriptModule* installed = modules_.Install(*path);
    if (installed) {
        moduleId_ = installed->Id();
        ChooseFirstFunction();
    }
    return installed;
}

bool CScriptEditor::RemoveModule(int32_t id) {
    CScriptModule* module = modules_.FindById(id);
    if (!module || !Confirm(kRemoveModuleTitle, fmt::sprintf(kRemoveModuleQuestion, module->Name()))) return false;
    const bool chosen = Module() == module;
    if (!modules_.Uninstall(id)) return false;
    if (chosen) {
        moduleId_ = modules_.Modules().empty() ? 0 : modules_.Modules().front().module->Id();
        ChooseFirstFunction();
    }
    return true;
}

CScriptModule* CScriptEditor::NewModule() {
    std::optional<std::string> name = ui_.PromptText(kNewModuleName, kNewModuleTitle, "");
    if (!name || name->empty()) return nullptr;
    std::optional<std::string> author = ui_.PromptText(kNewModuleAuthor, kNewModuleTitle, "");
    if (!author) return nullptr;
    std::optional<std::string> copyright = ui_.PromptText(kNewModuleCopyright, kNewModuleTitle, "");
    if (!copyright) return nullptr;
    std::optional<CRawBitmap> icon = ChooseIcon();
    std::optional<std::string> path =
        ui_.ChooseSaveFile(kSaveNewModuleTitle, kInstallFilter, kModuleExtension, *name + "." + kModuleExtension);
    if (!path || !MayLeaveFunction()) return nullptr;
    CScriptModule* made = modules_.Create(*name, *author, *copyright, std::move(icon), *path);
    if (made) {
        moduleId_ = made->Id();
        function_.clear();
    }
    return made;
}

// The icon is fixed with the module, so it is offered once, here; cancelling
// leaves the module without one. A PNG of 48 x 48 pixels, or the raw RGB
// file the icon import has always taken.
std::optional<CRawBitmap> CScriptEditor::ChooseIcon() {
    std::optional<std::string> path = ui_.ChooseOpenFile(texts::kSetIconTitle, kIconFilter);
    if (!path) return std::nullopt;
    CRawBitmap icon;
    const bool png = path->size() >= 4 && EqualsIgnoringCase(std::string_view(*path).substr(path->size() - 4), ".png");
    if (!png) {
        if (!ModuleIconImport::Load(ui_, *path, icon)) return std::nullopt;
        return icon;
    }
    std::string problem;
    if (std::optional<std::string> bytes = SafeFile::ReadAll(*path)) {
        try {
            icon = DecodePng(*bytes);
            if (icon.Width() == CScriptModule::kIconSize && icon.Height() == CScriptModule::kIconSize) return icon;
            problem = kIconWrongSize;
        } catch (const TextError& error) {
            problem = error.Text();
        }
    } else {
        problem = texts::kIconFileError;
    }
    ui_.ShowMessageBox({texts::kSetIconErrorTitle, problem, MessageIcon::Exclamation, MessageButtons::Ok});
    return std::nullopt;
}

bool CScriptEditor::Confirm(const std::string& title, const std::string& text) {
    return ui_.ShowMessageBox({title, text, MessageIcon::Question, MessageButtons::YesNoDefaultNo}) ==
           MessageResult::Yes;
}

std::string CScriptEditor::ShownText(std::string_view source) {
    std::string shown;
    shown.reserve(source.size());
    for (size_t i = 0; i < source.size(); ++i)
        if (!(source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n')) shown += source[i];
    return shown;
}

std::string CScriptEditor::SourceOf(std::string_view shown) {
    std::string source;
    source.reserve(shown.size() + shown.size() / 16);
    for (char c : shown) {
        if (c == '\n') source += '\r';
        source += c;
    }
    return source;
}

size_t CScriptEditor::ShownOffset(std::string_view source, size_t offset) {
    offset = std::min(offset, source.size());
    size_t dropped = 0;
    for (size_t i = 0; i < offset; ++i)
        if (source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n') ++dropped;
    return offset - dropped;
}

}  // namespace parlevox
