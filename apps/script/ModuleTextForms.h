#pragma once
// The text files of a module folder that hold lists: variable sets, the
// reactions and the menu items, one entry a line in token lines
// (TextTokens.h). Reading throws TextFileError with the line and column.
#include <string>
#include <string_view>
#include <vector>

#include "TextTokens.h"
#include "modules/ScriptModule.h"

namespace parlevox {

// "iCount ModW 7 5", "siPair AnyW 8 "ann", 31", "asNames Read 9 ["a", "b"]":
// name, access, id, then the value's components as the name's type spells
// them (texts quoted, arrays in brackets).
std::string VariablesText(const CVariableDefinitions& variables);
void ReadVariables(std::string_view text, CVariableDefinitions& into);

// A reaction's fields, which its stored form separates by 0x01 bytes, as
// words on a line.
std::string ReactionsText(const std::vector<std::string>& reactions);
std::vector<std::string> ReadReactions(std::string_view text);

// name, function, confirm, menu kind.
std::string MenuItemsText(const std::vector<ModuleMenuItem>& items);
std::vector<ModuleMenuItem> ReadMenuItems(std::string_view text);

}  // namespace parlevox
