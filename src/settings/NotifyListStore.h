#pragma once
// The notify list in the store: "Notify" holds "Count" (the user's nicks;
// the fixed "NickServ" is neither stored nor counted) and the nicks under
// "%08i". A nick that reads back empty ends the load with the section's
// lost-nicks box; the nicks before it stay.
#include <string>
#include <vector>

#include "irc/NotifyWatch.h"
#include "platform/Registry.h"

namespace parlevox {

class OptionsRecord;

std::vector<std::string> LoadNotifyNicks(Registry& registry);
void SaveNotifyNicks(Registry& registry, const std::vector<std::string>& nicks);

// The nick page's three names and passwords, in slot order.
RegisteredNicks RegisteredNicksOf(const OptionsRecord& options);

}  // namespace parlevox
