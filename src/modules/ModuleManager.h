#pragma once
// The installed modules, in installation order, each with its file: loaded
// at start-up from the installed list, installed and removed from the
// scripting window, created new, and written back safely when changed.
// Failures are shown in message boxes and leave the list as it was.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "modules/ScriptModule.h"
#include "script/CompileScope.h"
#include "script/VariableResolver.h"

namespace parlevox {

class UserInterface;

// What else happens when a module comes or goes: its Init and Shutdown
// functions run, its reactions and menu items move into or out of the
// client's lists. The script engine implements it.
class ModuleLifecycle {
public:
    virtual ~ModuleLifecycle() = default;
    virtual void Installed(CScriptModule& module) = 0;
    // Before the module is saved and dropped (its Shutdown function).
    virtual void Removing(CScriptModule& module) = 0;
    // Before a module is written: its reactions and menu items are gathered
    // back from the client's lists.
    virtual void Gather(CScriptModule& module) = 0;
    // It was saved and is gone: its reactions and menu items leave the lists.
    virtual void Removed(int32_t moduleId) = 0;
};

// A list of the client's that holds what modules bring (menu items) while
// they are installed. The manager moves a module's items in when it is
// installed, gathers them back before it saves it and takes them out when
// it has gone.
class ModuleItemOwner {
public:
    virtual ~ModuleItemOwner() = default;
    virtual void Install(const CScriptModule& module) = 0;
    virtual void Gather(CScriptModule& module) = 0;
    virtual void RemoveOwnedBy(int32_t moduleId) = 0;
};

struct InstalledModule {
    std::unique_ptr<CScriptModule> module;
    std::string path;    // the file
    std::string stored;  // as the settings list names it, when that differs (relative to the program folder)
};

class CModuleManager final : public InstalledModules {
public:
    // The file the "User" module is made in when no module could be loaded.
    static constexpr const char* kUserModuleFile = "User.ParlevoxModule";

    // random: 15-bit results, as the C library's rand gives (for module ids).
    explicit CModuleManager(UserInterface& ui, std::function<int()> random = {});

    void SetLifecycle(ModuleLifecycle* lifecycle) { lifecycle_ = lifecycle; }
    // For the manager's whole life: told of installs before the lifecycle.
    void AddItemOwner(ModuleItemOwner& owner) { itemOwners_.push_back(&owner); }
    // Off for a client whose changes stay in memory (the headless client,
    // tests): saves then write nothing.
    void SetSaving(bool saving) { saving_ = saving; }

    // Loads the installed list's files in order (an empty path ends the list
    // with its message; a file that fails is shown and skipped). When none
    // loads, makes "User" in the program folder. True when the list changed
    // and should be written back.
    bool LoadInstalled(const std::vector<std::string>& paths, const std::string& programFolder);
    // Replaces nothing: for ScriptReset, after UnloadAll.
    void UnloadAll();

    const std::vector<InstalledModule>& Modules() const { return modules_; }
    std::vector<std::string> Paths() const;
    CScriptModule* FindById(int32_t id) const;
    CScriptModule* FindByName(std::string_view name) const;
    const std::string* PathOf(const CScriptModule& module) const;

    // From the scripting window. Install refuses a module whose id or name
    // is taken; nullptr when it failed (the reason was shown).
    CScriptModule* Install(const std::string& path);
    // Runs Removing, gathers, saves and drops the module; false (with the
    // reason shown) when it could not be saved, and it stays installed.
    bool Uninstall(int32_t id);
    // A new module with a fresh id, saved at path and installed.
    CScriptModule* Create(std::string name, std::string author, std::string copyright,
                          std::optional<CRawBitmap> icon, const std::string& path);

    // At shutdown: every module not fixed and with changes is gathered and
    // saved; failures are shown. Also after a change the user asks to keep.
    void SaveChanged();
    // The safe save; false when the file could not be written (the module
    // keeps its changes flag).
    bool Save(CScriptModule& module);

    // The function a call by name reaches: the last installed module that
    // has it, names compared without regard to case. Looked up in an index
    // that is made again after any change of the modules or their functions.
    struct FoundFunction {
        CScriptModule* module = nullptr;
        CScriptFunction* function = nullptr;
    };
    FoundFunction FindFunction(std::string_view name) const;
    bool HasFunction(std::string_view name) const { return FindFunction(name).function != nullptr; }

    // What compiling a function of the module can name: the modules'
    // functions, the command table's commands and otherFunctions (plug-in
    // commands).
    CCompileScope ScopeFor(const CScriptModule& module, const CScriptFunction& function,
                           FunctionNameTest otherFunctions) const;
    std::vector<ModuleGlobals> GlobalsList() const;

    // InstalledModules.
    CVariableDefinitions* GlobalsOf(int32_t moduleId) override;

    // A module id no installed module has.
    int32_t NewModuleId();

private:
    std::unique_ptr<CScriptModule> LoadFile(const std::string& path, const char* fileProblemText, bool showErrors);
    void Show(const std::string& title, const std::string& text) const;
    bool SaveAs(CScriptModule& module, const std::string& path);
    void RecompileMarked(CScriptModule& module);
    void Adopt(CScriptModule& module);
    void Installed(CScriptModule& module);
    void Gather(CScriptModule& module);

    UserInterface& ui_;
    std::function<int()> random_;
    ModuleLifecycle* lifecycle_ = nullptr;
    std::vector<ModuleItemOwner*> itemOwners_;
    bool saving_ = true;
    // Calls by name: lower-case name to function, valid for one count of
    // changes.
    uint64_t changes_ = 0;
    mutable uint64_t indexedAt_ = UINT64_MAX;
    mutable std::unordered_map<std::string, FoundFunction> index_;
    std::vector<InstalledModule> modules_;
};

}  // namespace parlevox
