#include "settings/DccOptionsStore.h"

#include <algorithm>

#include "settings/OwnerLists.h"
#include "settings/SettingsSection.h"

namespace parlevox {
namespace {

constexpr const char* kMisc = "Misc";
constexpr const char* kOwnAddress = "DCC own address";
constexpr const char* kPortRange = "DCC port range";
constexpr const char* kPassive = "DCC passive";
constexpr const char* kSendAhead = "DCC send-ahead";

DccFileType FromSetting(const DccFiletypeSetting& setting) {
    return {setting.pattern, setting.action, setting.folder, setting.helper, setting.plugIn};
}

DccFiletypeSetting ToSetting(const DccFileType& type) {
    return {type.pattern, type.action, type.folder, type.helper, type.plugIn};
}

}  // namespace

DccOptions LoadDccOptions(Registry& registry) {
    DccOptions options;
    SettingsSection types(registry, DccFiletypeList().Layout().section);
    options.allowMode = std::clamp(types.ReadInt("Allow", 0), 0, 2);
    options.automaticMode = std::clamp(types.ReadInt("Automatic", 0), 0, 2);
    std::vector<DccFileType> table;
    for (const DccFiletypeSetting& setting : DccFiletypeList().Load(registry)) table.push_back(FromSetting(setting));
    if (!table.empty()) options.fileTypes = std::move(table);
    options.plugIns = LoadTextList(registry, DccPlugInListLayout());
    SettingsSection misc(registry, kMisc);
    options.ownAddress = misc.ReadText(kOwnAddress);
    options.portRange = misc.ReadText(kPortRange);
    options.passive = misc.ReadBool(kPassive, false);
    const int sendAhead = misc.ReadInt(kSendAhead, static_cast<int>(DccOptions::kMinSendAhead));
    options.sendAhead = static_cast<uint32_t>(std::clamp<int64_t>(sendAhead, DccOptions::kMinSendAhead,
                                                                  DccOptions::kMaxSendAhead));
    return options;
}

void SaveDccOptions(Registry& registry, const DccOptions& options) {
    SettingsSection types(registry, DccFiletypeList().Layout().section);
    types.WriteInt("Allow", options.allowMode);
    types.WriteInt("Automatic", options.automaticMode);
    std::vector<DccFiletypeSetting> settings;
    for (const DccFileType& type : options.fileTypes) settings.push_back(ToSetting(type));
    DccFiletypeList().Save(registry, settings);
    SaveTextList(registry, DccPlugInListLayout(), options.plugIns);
    SettingsSection misc(registry, kMisc);
    misc.WriteText(kOwnAddress, options.ownAddress);
    misc.WriteText(kPortRange, options.portRange);
    misc.WriteBool(kPassive, options.passive);
    misc.WriteInt(kSendAhead, static_cast<int>(options.sendAhead), static_cast<int>(DccOptions::kMinSendAhead));
}

}  // namespace parlevox
