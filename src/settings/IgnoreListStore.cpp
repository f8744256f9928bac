#include "settings/IgnoreListStore.h"

#include <algorithm>
#include <limits>

namespace parlevox {

IgnoreEntry ToIgnoreEntry(const IgnoreSetting& setting) {
    IgnoreEntry entry;
    entry.date = setting.date;
    entry.hold = setting.hold;
    entry.history = setting.history;
    entry.reason = setting.reason;
    for (const std::string& mask : setting.masks) entry.masks.push_back(MaskPatternsOf(mask));
    entry.nicks = setting.nicks;
    return entry;
}

IgnoreSetting ToIgnoreSetting(const IgnoreEntry& entry) {
    IgnoreSetting setting;
    setting.hold = entry.hold;
    // The store keeps 32-bit values.
    setting.date = static_cast<int>(std::clamp<std::time_t>(entry.date, 0, std::numeric_limits<int>::max()));
    setting.history = entry.history;
    setting.reason = entry.reason;
    for (const AddressRecord& mask : entry.masks) setting.masks.push_back(mask.Text());
    setting.nicks = entry.nicks;
    return setting;
}

std::vector<IgnoreEntry> LoadIgnoreEntries(Registry& registry) {
    std::vector<IgnoreEntry> entries;
    for (const IgnoreSetting& setting : IgnoreList().Load(registry)) entries.push_back(ToIgnoreEntry(setting));
    return entries;
}

void SaveIgnoreEntries(Registry& registry, const std::vector<IgnoreEntry>& entries) {
    std::vector<IgnoreSetting> settings;
    settings.reserve(entries.size());
    for (const IgnoreEntry& entry : entries) settings.push_back(ToIgnoreSetting(entry));
    IgnoreList().Save(registry, settings);
}

CIgnoreList::Saver IgnoreListSaver(Registry& registry) {
    return [&registry](const std::vector<IgnoreEntry>& entries) { SaveIgnoreEntries(registry, entries); };
}

CFriendList FriendListOf(const std::vector<FriendEntry>& friends) {
    std::vector<FriendRecord> records;
    records.reserve(friends.size());
    for (const FriendEntry& f : friends) records.push_back(FriendRecord {f.nickname, f.mask, f.level});
    return CFriendList(std::move(records));
}

}  // namespace parlevox
