#pragma once
// A module: a file of script functions with the variables they share, the
// reactions and menu items that come with them, and who made it. Its id is
// carried by every compiled reference to one of its global variables.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/RawBitmap.h"
#include "modules/ScriptFunction.h"
#include "script/VariableDefinitions.h"

namespace parlevox {

// A right-click menu entry a module brings (the menus own their meaning).
struct ModuleMenuItem {
    std::string name;
    std::string function;
    int32_t confirm = 0;
    int32_t kind = 0;  // which of the four menus

    bool operator==(const ModuleMenuItem&) const = default;
};

class CScriptModule {
public:
    // Name, author and copyright hold at most this many bytes.
    static constexpr size_t kMaxTextLength = 99;
    // The module icon's size.
    static constexpr int kIconSize = 48;

    CScriptModule() = default;
    // A new, empty module; texts longer than kMaxTextLength are cut.
    CScriptModule(int32_t id, std::string name, std::string author, std::string copyright,
                  std::optional<CRawBitmap> icon = std::nullopt);

    int32_t Id() const { return id_; }
    const std::string& Name() const { return name_; }
    const std::string& Author() const { return author_; }
    const std::string& Copyright() const { return copyright_; }
    const std::optional<CRawBitmap>& Icon() const { return icon_; }

    CVariableDefinitions& ModuleWide() { return moduleWide_; }
    const CVariableDefinitions& ModuleWide() const { return moduleWide_; }
    CVariableDefinitions& Globals() { return globals_; }
    const CVariableDefinitions& Globals() const { return globals_; }
    // A new variable id, unused by any variable of the module.
    int32_t NextVariableId() { return nextVariableId_++; }

    // A fixed copy is never written back at shutdown.
    int32_t Fixed() const { return fixed_; }
    void SetFixed(int32_t fixed) { fixed_ = fixed; }

    // The reactions' text forms and the menu items while the module is not
    // installed (installed, the client's lists hold them).
    std::vector<std::string>& Reactions() { return reactions_; }
    const std::vector<std::string>& Reactions() const { return reactions_; }
    std::vector<ModuleMenuItem>& MenuItems() { return menuItems_; }
    const std::vector<ModuleMenuItem>& MenuItems() const { return menuItems_; }
    // The Setup facility's two lists, kept as they are.
    std::vector<int32_t>& SetupListA() { return setupListA_; }
    std::vector<int32_t>& SetupListB() { return setupListB_; }
    const std::vector<int32_t>& SetupListA() const { return setupListA_; }
    const std::vector<int32_t>& SetupListB() const { return setupListB_; }

    const std::vector<std::unique_ptr<CScriptFunction>>& Functions() const { return functions_; }
    // Exact name, or without regard to ASCII case.
    CScriptFunction* FindFunction(std::string_view name, bool ignoreCase = false) const;
    // Appends; the caller has checked that the name is free.
    CScriptFunction& AddFunction(std::unique_ptr<CScriptFunction> function);
    bool RemoveFunction(std::string_view name);
    void RenameFunction(CScriptFunction& function, std::string name);
    // Counted up by every change of the functions' names or number; the
    // module list shares one counter among its modules.
    void SetChangeCounter(uint64_t* counter) { changeCounter_ = counter; }

    // "My Tools" gives MyToolsInit and MyToolsShutdown.
    std::string InitFunctionName() const;
    std::string ShutdownFunctionName() const;

    // Its own flag, any function's, or any variable set's.
    bool HasChanges() const;
    void MarkModified() { modified_ = true; }
    void ClearChanges();

    // The module file's bytes (always the 1.0 form, every value).
    std::string Serialize() const;
    // Throws TextError with the loader's texts: the corrupt-file message for
    // a wrong magic or damaged content, the end-of-file message for a short
    // one. Counts and lengths are checked before anything is allocated and
    // every stored tree against the grammar.
    static std::unique_ptr<CScriptModule> Parse(std::string_view bytes);

private:
    int32_t id_ = 0;
    std::string name_;
    std::string author_;
    std::string copyright_;
    std::optional<CRawBitmap> icon_;
    CVariableDefinitions moduleWide_;
    CVariableDefinitions globals_;
    int32_t fixed_ = 0;
    std::vector<std::string> reactions_;
    std::vector<ModuleMenuItem> menuItems_;
    std::vector<int32_t> setupListA_;
    std::vector<int32_t> setupListB_;
    std::vector<std::unique_ptr<CScriptFunction>> functions_;
    bool modified_ = false;
    int32_t nextVariableId_ = 1;
    uint64_t* changeCounter_ = nullptr;

    void NamesChanged() {
        if (changeCounter_) ++*changeCounter_;
    }
};

}  // namespace parlevox
