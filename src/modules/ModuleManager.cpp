#include "modules/ModuleManager.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "commands/BuiltInCommands.h"
#include "common/TextError.h"
#include "modules/ModuleTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "script/ScriptCompiler.h"

namespace parlevox {
namespace {

using namespace module_text;

int DefaultRandom() {
    static std::mt19937 generator{std::random_device{}()};
    return static_cast<int>(generator() & 0x7FFF);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

CModuleManager::CModuleManager(UserInterface& ui, std::function<int()> random)
    : ui_(ui), random_(random ? std::move(random) : DefaultRandom) {}

void CModuleManager::Show(const std::string& title, const std::string& text) const {
    ui_.ShowMessageBox({title, text, MessageIcon::Exclamation, MessageButtons::Ok});
}

std::unique_ptr<CScriptModule> CModuleManager::LoadFile(const std::string& path, const char* fileProblemText,
                                                        bool showErrors) {
    std::optional<std::string> bytes = SafeFile::ReadAll(path);
    if (!bytes) {
        if (showErrors) Show(kErrorLoadingTitle, fmt::sprintf(fileProblemText, path));
        return nullptr;
    }
    try {
        return CScriptModule::Parse(*bytes);
    } catch (const TextError& error) {
        if (showErrors) Show(kErrorLoadingTitle, error.Text());
        return nullptr;
    }
}

bool CModuleManager::LoadInstalled(const std::vector<std::string>& paths, const std::string& programFolder) {
    bool changed = false;
    for (const std::string& path : paths) {
        if (path.empty()) {
            Show(kErrorLoadingTitle, kListIncomplete);
            changed = true;
            break;
        }
        const std::string file = ProgramFolder::ResolveIn(programFolder, path);
        std::unique_ptr<CScriptModule> module = LoadFile(file, kCouldNotLoadAtStart, true);
        if (!module) {
            changed = true;
            continue;
        }
        // Two files with one id would make global references ambiguous.
        if (FindById(module->Id()) || FindByName(module->Name())) {
            Show(kErrorLoadingTitle, kAlreadyInstalled);
            changed = true;
            continue;
        }
        modules_.push_back({std::move(module), file, file == path ? std::string() : path});
        Adopt(*modules_.back().module);
    }
    for (const InstalledModule& installed : modules_) RecompileMarked(*installed.module);
    if (!modules_.empty()) return changed;
    auto user = std::make_unique<CScriptModule>(NewModuleId(), kUserModuleName, "", "");
    const std::string path = JoinPath(programFolder, kUserModuleFile);
    if (!SaveAs(*user, path)) Show(kErrorSavingTitle, kUserModuleNotSaved);
    modules_.push_back({std::move(user), path});
    Adopt(*modules_.back().module);
    return true;
}

void CModuleManager::UnloadAll() {
    modules_.clear();
    ++changes_;
}

// The module's function changes count among the list's.
void CModuleManager::Adopt(CScriptModule& module) {
    module.SetChangeCounter(&changes_);
    ++changes_;
}

std::vector<std::string> CModuleManager::Paths() const {
    std::vector<std::string> paths;
    for (const InstalledModule& installed : modules_)
        paths.push_back(installed.stored.empty() ? installed.path : installed.stored);
    return paths;
}

CScriptModule* CModuleManager::FindById(int32_t id) const {
    for (const InstalledModule& installed : modules_)
        if (installed.module->Id() == id) return installed.module.get();
    return nullptr;
}

CScriptModule* CModuleManager::FindByName(std::string_view name) const {
    for (const InstalledModule& installed : modules_)
        if (installed.module->Name() == name) return installed.module.get();
    return nullptr;
}

const std::string* CModuleManager::PathOf(const CScriptModule& module) const {
    for (const InstalledModule& installed : modules_)
        if (installed.module.get() == &module) return &installed.path;
    return nullptr;
}

CScriptModule* CModuleManager::Install(const std::string& path) {
    std::unique_ptr<CScriptModule> module = LoadFile(path, kInstallFailed, true);
    if (!module) return nullptr;
    if (FindById(module->Id()) || FindByName(module->Name())) {
        Show(kErrorLoadingTitle, kAlreadyInstalled);
        return nullptr;
    }
    modules_.push_back({std::move(module), path});
    CScriptModule& installed = *modules_.back().module;
    Adopt(installed);
    RecompileMarked(installed);
    Installed(installed);
    return &installed;
}

bool CModuleManager::Uninstall(int32_t id) {
    CScriptModule* module = FindById(id);
    if (!module) return false;
    if (lifecycle_) lifecycle_->Removing(*module);
    Gather(*module);
    // A fixed copy is never written back; anything else must reach its
    // file before it leaves, or it stays installed with its changes.
    if (!module->Fixed() && !Save(*module)) {
        Show(kErrorSavingTitle, fmt::sprintf(kCouldNotSave, module->Name()));
        return false;
    }
    modules_.erase(std::find_if(modules_.begin(), modules_.end(),
                                [&](const InstalledModule& installed) { return installed.module.get() == module; }));
    ++changes_;
    if (lifecycle_) lifecycle_->Removed(id);
    for (ModuleItemOwner* owner : itemOwners_) owner->RemoveOwnedBy(id);
    return true;
}

CScriptModule* CModuleManager::Create(std::string name, std::string author, std::string copyright,
                                      std::optional<CRawBitmap> icon, const std::string& path) {
    auto module = std::make_unique<CScriptModule>(NewModuleId(), std::move(name), std::move(author),
                                                  std::move(copyright), std::move(icon));
    if (FindByName(module->Name())) {
        Show(kErrorLoadingTitle, kAlreadyInstalled);
        return nullptr;
    }
    if (!SaveAs(*module, path)) {
        Show(kErrorSavingTitle, fmt::sprintf(kCouldNotSave, module->Name()));
        return nullptr;
    }
    modules_.push_back({std::move(module), path});
    CScriptModule& created = *modules_.back().module;
    Adopt(created);
    Installed(created);
    return &created;
}

void CModuleManager::SaveChanged() {
    for (const InstalledModule& installed : modules_) {
        CScriptModule& module = *installed.module;
        if (module.Fixed() || !module.HasChanges()) continue;
        Gather(module);
        if (!SaveAs(module, installed.path)) Show(kErrorSavingTitle, fmt::sprintf(kChangesLost, module.Name()));
    }
}

// The items first, so that an Init function finds its module's menus.
void CModuleManager::Installed(CScriptModule& module) {
    for (ModuleItemOwner* owner : itemOwners_) owner->Install(module);
    if (lifecycle_) lifecycle_->Installed(module);
}

void CModuleManager::Gather(CScriptModule& module) {
    if (lifecycle_) lifecycle_->Gather(module);
    for (ModuleItemOwner* owner : itemOwners_) owner->Gather(module);
}

bool CModuleManager::Save(CScriptModule& module) {
    const std::string* path = PathOf(module);
    return path && SaveAs(module, *path);
}

bool CModuleManager::SaveAs(CScriptModule& module, const std::string& path) {
    if (!saving_) return true;
    if (!SafeFile::WriteAtomically(path, module.Serialize())) return false;
    module.ClearChanges();
    return true;
}

// A function whose stored tree did not fit its variables is compiled again
// from its source; one that does not compile waits for the editor.
void CModuleManager::RecompileMarked(CScriptModule& module) {
    for (const auto& function : module.Functions()) {
        if (!function->NeedsRecompile()) continue;
        CompileResult result = CompileScript(function->Source(), ScopeFor(module, *function, {}));
        if (auto* tree = std::get_if<std::unique_ptr<CParseTree>>(&result)) function->SetTree(std::move(*tree));
        function->SetNeedsRecompile(false);
    }
}

CModuleManager::FoundFunction CModuleManager::FindFunction(std::string_view name) const {
    if (indexedAt_ != changes_) {
        index_.clear();
        for (const InstalledModule& installed : modules_)  // later modules overwrite earlier ones
            for (const auto& function : installed.module->Functions())
                index_[LowerCase(function->Name())] = {installed.module.get(), function.get()};
        indexedAt_ = changes_;
    }
    auto found = index_.find(LowerCase(name));
    return found == index_.end() ? FoundFunction{} : found->second;
}
std::vector<ModuleGlobals> CModuleManager::GlobalsList() const {
    std::vector<ModuleGlobals> globals;
    for (const InstalledModule& installed : modules_)
        globals.push_back({installed.module->Id(), &installed.module->Globals()});
    return globals;
}

CCompileScope CModuleManager::ScopeFor(const CScriptModule& module, const CScriptFunction& function,
                                       FunctionNameTest otherFunctions) const {
    // The command table's names count too, also while modules load before
    // any command processor exists (a function recompiled then may call
    // StrSplit).
    FunctionNameTest isFunction = [this, other = std::move(otherFunctions)](std::string_view name) {
        return HasFunction(name) || IsBuiltInCommandName(name) || (other && other(name));
    };
    return CCompileScope(function.Name(), &function.Locals(), &module.ModuleWide(), GlobalsList(),
                         std::move(isFunction));
}

CVariableDefinitions* CModuleManager::GlobalsOf(int32_t moduleId) {
    CScriptModule* module = FindById(moduleId);
    return module ? &module->Globals() : nullptr;
}

int32_t CModuleManager::NewModuleId() {
    for (;;) {
        const uint32_t id = (static_cast<uint32_t>(random_() & 0xFF) << 16) |
                            (static_cast<uint32_t>(random_() & 0xFF) << 24) |
                            (static_cast<uint32_t>(random_() & 0xFF) << 8) | static_cast<uint32_t>(random_() & 0xFF);
        // Scope codes 0 to 2 name local, module-wide and system variables.
        if (id > 2 && !FindById(static_cast<int32_t>(id))) return static_cast<int32_t>(id);
    }
}

}  // namespace parlevox
