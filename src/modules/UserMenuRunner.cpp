#include "modules/UserMenuRunner.h"

#include <fmt/printf.h>

#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "irc/SystemVariableSink.h"
#include "modules/MenuTexts.h"
#include "modules/ModuleTexts.h"
#include "modules/ScriptCalls.h"
#include "platform/UserInterface.h"

namespace parlevox {

using namespace menu_text;

UserMenuRunner::UserMenuRunner(const CUserMenus& menus, UserInterface& ui, CommandLineRunner& commands,
                               CScriptCalls& calls, SystemVariableSink& variables)
    : menus_(menus), ui_(ui), commands_(commands), calls_(calls), variables_(variables) {}

std::string UserMenuRunner::Question(const MenuItem& item, const MenuContext& context) {
    const bool nick = !context.nickname.empty(), channel = !context.channel.empty();
    if (nick && channel)
        return fmt::sprintf(kConfirmNickAndChannel, item.name, item.action, context.nickname, context.channel);
    if (nick) return fmt::sprintf(kConfirmNick, item.name, item.action, context.nickname);
    if (channel) return fmt::sprintf(kConfirmChannel, item.name, item.action, context.channel);
    return fmt::sprintf(kConfirmPlain, item.name);
}

bool UserMenuRunner::Confirmed(const MenuItem& item, const MenuContext& context) {
    if (!item.confirm) return true;
    MessageBoxRequest box{kConfirmationTitle, Question(item, context), MessageIcon::Question, MessageButtons::YesNo};
    return ui_.ShowMessageBox(box) == MessageResult::Yes;
}

// A copy of the item: what it runs may change the lists.
bool UserMenuRunner::Run(uint32_t commandId, const MenuContext& context, CommandOutput& output) {
    const MenuItem* item = menus_.ItemAt(commandId);
    if (!item) return false;
    const MenuItem chosen = *item;
    return Run(chosen, context, output);
}

bool UserMenuRunner::Run(const MenuItem& item, const MenuContext& context, CommandOutput& output) {
    if (!Confirmed(item, context)) return false;
    if (!item.action.empty() && item.action.front() == '/') {
        commands_.Run(item.action, context.channel, context.nickname, output);
        return true;
    }
    // A function reads the context where a command line would: sC and sN.
    variables_.SetString("sC", context.channel);
    variables_.SetString("sN", context.nickname);
    ScriptRunContext run{output, context.channel};
    if (calls_.CallByName(item.action, CVariable(), run)) return true;
    output.AddLine(calls_.PrefixFor(item.action) + fmt::sprintf(module_text::kNoSuchFunction, item.action));
    return false;
}

}  // namespace parlevox
