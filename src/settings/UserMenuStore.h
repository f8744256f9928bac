#pragma once
// The user menus in the store: the four sections to and from the menus'
// lists, and what a new user starts with.
#include <string>

#include "modules/UserMenus.h"
#include "platform/Registry.h"

namespace parlevox {

// The owner as stored: eight lower-case hexadecimal digits. Text that is
// not one to eight hexadecimal digits reads as 0, which no module has.
std::string OwnerText(int32_t owner);
int32_t OwnerFromText(std::string_view text);

// A store without the menus at all (a new user) gives the starting menus.
CUserMenus LoadUserMenus(Registry& registry);
// "Count" and every item; the addition values as they are held.
void SaveUserMenus(Registry& registry, const CUserMenus& menus);

}  // namespace parlevox
