#pragma once
// The Aliases tab without a toolkit. An alias is a "/" command made of IRC
// command lines: it lives as a generated script function of its module,
// whose source starts with the alias comment, and the command processor
// finds it as it finds any module function. %sA1% to %sA9% in the lines
// are its parameters. Set generates and compiles the function; Rename and
// Delete change it; leaving an alias whose edits were not Set asks first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modules/ModuleManager.h"

namespace parlevox {

class CScriptCalls;
class CScriptFunction;
class CScriptModule;
class UserInterface;

class CAliasEditor {
public:
    CAliasEditor(CModuleManager& modules, CScriptCalls& calls, UserInterface& ui);

    // The largest digit after "%sA" in the lines (%sA12% counts as 1).
    static int ParameterCount(std::string_view lines);
    // The function source for the alias: the two comment lines, the name
    // with one string parameter sA1... per parameter, the lines (CR LF
    // ends) in a block.
    static std::string GenerateSource(std::string_view name, std::string_view lines);
    static bool IsAlias(const CScriptFunction& function);
    // The lines of a generated source, as GenerateSource took them (the
    // line end before the closing brace dropped).
    static std::string LinesOf(std::string_view source);

    const std::vector<InstalledModule>& Modules() const { return modules_.Modules(); }
    // The chosen module: the first installed one until another is chosen.
    CScriptModule* Module() const;
    // The chosen module's aliases, in function order.
    std::vector<std::string> Aliases() const;
    const std::string& Alias() const { return alias_; }
    std::string AliasLines() const;

    // The tab's fields differ from the chosen alias (or hold a new one).
    void SetChanged(bool changed) { changed_ = changed; }
    bool Changed() const { return changed_; }
    // Each asks first when there are changes; false when the person stays.
    bool SelectModule(int32_t id);
    bool SelectAlias(const std::string& name);
    bool MayCloseWindow();
    // An empty alias to fill in.
    bool StartNew();

    // Generates and compiles the function in the chosen module, replacing
    // its alias of that name; the name must pass the rules (a box says
    // why not). False when nothing was made; a compile failure still makes
    // the function, shows the alias compile message and returns false.
    bool Set(const std::string& name, std::string_view lines);
    bool Rename(const std::string& name);
    // After a confirmation.
    bool Delete();

    // The rules for an alias name, with a box saying why it is refused: not
    // empty, used by no function but self, letters and digits starting with
    // an upper-case letter.
    bool CheckName(const std::string& name, const CScriptFunction* self);

private:
    bool MayLeave(const char* what);
    CScriptFunction* FindAlias(std::string_view name) const;
    bool InUse(const std::string& name, const CScriptFunction* self) const;
    static void DeclareParameters(CScriptModule& module, CScriptFunction& function, int count);
    bool Compile(CScriptModule& module, CScriptFunction& function);
    void Refuse(const char* title, const char* text);

    CModuleManager& modules_;
    CScriptCalls& calls_;
    UserInterface& ui_;
    int32_t moduleId_ = 0;
    std::string alias_;
    bool changed_ = false;
};

}  // namespace parlevox
