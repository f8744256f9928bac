#pragma once
// Runs the user menus' items with the context of the menu they were chosen
// from: the channel and the nickname it was opened for (either may be
// empty). An item that wants confirmation asks first; a "/" action goes to
// the command processor with the context as the line's; any other action
// is a function, called by name with the empty value after sC and sN have
// been set to the context.
#include <cstdint>
#include <string>
#include <vector>

#include "modules/UserMenus.h"

namespace parlevox {

class CommandLineRunner;
class CommandOutput;
class CScriptCalls;
class SystemVariableSink;
class UserInterface;

struct MenuContext {
    std::string channel;
    std::string nickname;
};

class UserMenuRunner {
public:
    UserMenuRunner(const CUserMenus& menus, UserInterface& ui, CommandLineRunner& commands, CScriptCalls& calls,
                   SystemVariableSink& variables);

    std::vector<MenuEntry> Entries(MenuKind kind) const { return menus_.Entries(kind); }

    // The item a shown menu gave commandId; false when there is none, the
    // answer was not Yes, or the function does not exist (said in output).
    bool Run(uint32_t commandId, const MenuContext& context, CommandOutput& output);
    bool Run(const MenuItem& item, const MenuContext& context, CommandOutput& output);

    // The confirmation question for the context's values.
    static std::string Question(const MenuItem& item, const MenuContext& context);

private:
    bool Confirmed(const MenuItem& item, const MenuContext& context);

    const CUserMenus& menus_;
    UserInterface& ui_;
    CommandLineRunner& commands_;
    CScriptCalls& calls_;
    SystemVariableSink& variables_;
};

}  // namespace parlevox
