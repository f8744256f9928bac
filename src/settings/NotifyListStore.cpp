#include "settings/NotifyListStore.h"

#include "settings/OptionsRecord.h"
#include "settings/OwnerLists.h"

namespace parlevox {

std::vector<std::string> LoadNotifyNicks(Registry& registry) {
    return LoadTextList(registry, NotifyListLayout());
}

void SaveNotifyNicks(Registry& registry, const std::vector<std::string>& nicks) {
    SaveTextList(registry, NotifyListLayout(), nicks);
}

RegisteredNicks RegisteredNicksOf(const OptionsRecord& options) {
    RegisteredNicks nicks;
    for (size_t i = 0; i < nicks.size() && i < options.nicknames.size(); ++i)
        nicks[i] = {options.nicknames[i].name, options.nicknames[i].password};
    return nicks;
}

}  // namespace parlevox
