#include "commands/ScriptCommand.h"

#include "commands/CommandTexts.h"

namespace parlevox {

CScriptCommand::CScriptCommand(std::string name, std::initializer_list<ParamKind> kinds, CommandResult::Type result)
    : CCommand(std::move(name), kinds, texts::kScriptCommandHelp), result_(result) {}

}  // namespace parlevox
