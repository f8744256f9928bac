#pragma once
// The ignore list and the friends in the store: "Idiots" entries to and
// from the list's records, and the options' friends as the check sees them.
#include <vector>

#include "irc/FriendList.h"
#include "irc/Idiots.h"
#include "platform/Registry.h"
#include "settings/OptionLists.h"
#include "settings/OwnerLists.h"

namespace parlevox {

IgnoreEntry ToIgnoreEntry(const IgnoreSetting& setting);
IgnoreSetting ToIgnoreSetting(const IgnoreEntry& entry);

std::vector<IgnoreEntry> LoadIgnoreEntries(Registry& registry);
void SaveIgnoreEntries(Registry& registry, const std::vector<IgnoreEntry>& entries);

// A saver for CIgnoreList that writes to this store (which must outlive it).
CIgnoreList::Saver IgnoreListSaver(Registry& registry);

CFriendList FriendListOf(const std::vector<FriendEntry>& friends);

}  // namespace parlevox
