#include "settings/DccPlugInSettingsStore.h"

#include "settings/PlugInSettings.h"

namespace parlevox {

int DccPlugInSettingsStore::ReadInt(const std::string& plugIn, const std::string& key, int defaultValue) {
    return PlugInSettings(registry_, plugIn).ReadInt(key, defaultValue);
}

void DccPlugInSettingsStore::WriteInt(const std::string& plugIn, const std::string& key, int value) {
    PlugInSettings(registry_, plugIn).WriteInt(key, value);
}

std::string DccPlugInSettingsStore::ReadString(const std::string& plugIn, const std::string& key) {
    return registry_.GetProfileString(PlugInSettings::SectionFor(plugIn), key, "");
}

void DccPlugInSettingsStore::WriteString(const std::string& plugIn, const std::string& key, const std::string& value) {
    PlugInSettings(registry_, plugIn).WriteString(key, value);
}

}  // namespace parlevox
