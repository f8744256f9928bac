#pragma once
// What the Scripting window does with modules and their functions, without
// a toolkit: which module and function are chosen, making, renaming and
// deleting functions, editing and compiling their source, and installing,
// removing and creating modules. Questions and errors go through the user
// interface; every change marks the module so that it is saved at shutdown.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "modules/ModuleManager.h"
#include "script/CompileScope.h"

namespace parlevox {

class CScriptCalls;
class UserInterface;

class CScriptEditor {
public:
    // commandNames: names a compile may call besides the modules' functions.
    CScriptEditor(CModuleManager& modules, CScriptCalls& calls, UserInterface& ui, FunctionNameTest commandNames = {});

    const std::vector<InstalledModule>& Modules() const { return modules_.Modules(); }
    CModuleManager& Manager() { return modules_; }
    UserInterface& Ui() { return ui_; }

    // The chosen module; the first installed one until another is chosen.
    CScriptModule* Module() const;
    CScriptFunction* Function() const;
    // False when the person chose to stay on an uncompiled function.
    bool SelectModule(int32_t id);
    bool SelectFunction(std::string_view name);
    // Asks, when the chosen function's newest source is not compiled,
    // whether to leave it; true when there is nothing to ask or the answer
    // is Yes.
    bool MayLeaveFunction();

    // In the chosen module, from the new-function template; the name must
    // be free and well formed (else a box says why and nothing is made).
    CScriptFunction* NewFunction(const std::string& name);
    // Asks for the name; nothing when cancelled or refused.
    CScriptFunction* NewFunctionAsked();
    bool RenameFunction(const std::string& name);
    bool RenameFunctionAsked();
    // After a confirmation.
    bool DeleteFunction();

    void SetSource(std::string source);
    // Compiles the chosen function. On failure the compilation error box is
    // shown and the source offset to put the cursor at is returned.
    std::optional<uint32_t> Compile();

    // The file dialog, then the manager's install; the installed module is
    // chosen.
    CScriptModule* InstallModule();
    // After a confirmation; the next module is chosen.
    bool RemoveModule(int32_t id);
    // Name, author and copyright prompts, then "Save New Module As".
    CScriptModule* NewModule();

    // A function's name is letters and digits, not starting with a digit.
    static bool IsWellFormedFunctionName(std::string_view name);
    // The same, with a box saying why when it is not.
    bool CheckFunctionName(const std::string& name);

    // The source as an editor widget shows it (line feeds only), back, and
    // a source offset as an offset into the shown text.
    static std::string ShownText(std::string_view source);
    static std::string SourceOf(std::string_view shown);
    static size_t ShownOffset(std::string_view source, size_t offset);

private:
    bool Confirm(const std::string& title, const std::string& text);
    std::optional<CRawBitmap> ChooseIcon();
    void ChooseFirstFunction();

    CModuleManager& modules_;
    CScriptCalls& calls_;
    UserInterface& ui_;
    FunctionNameTest commandNames_;
    int32_t moduleId_ = 0;
    std::string function_;
};

}  // namespace parlevox
