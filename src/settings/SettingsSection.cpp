#include "settings/SettingsSection.h"

namespace parlevox {

SettingsSection::SettingsSection(Registry& registry, std::string_view section)
    : registry_(registry), section_(section) {}

int SettingsSection::ReadInt(std::string_view name, int defaultValue) const {
    return registry_.GetProfileInt(section_, name, defaultValue);
}

bool SettingsSection::ReadBool(std::string_view name, bool defaultValue) const {
    return ReadInt(name, defaultValue ? 1 : 0) != 0;
}

std::string SettingsSection::ReadText(std::string_view name, std::string_view defaultValue) const {
    return registry_.GetProfileString(section_, name, defaultValue);
}

void SettingsSection::WriteInt(std::string_view name, int value, int defaultValue) {
    if (ReadInt(name, defaultValue) != value) registry_.WriteProfileInt(section_, name, value);
}

void SettingsSection::WriteBool(std::string_view name, bool value, bool defaultValue) {
    // A stored 2 reads as true: it is left as it is.
    if (ReadBool(name, defaultValue) != value) registry_.WriteProfileInt(section_, name, value ? 1 : 0);
}

void SettingsSection::WriteText(std::string_view name, std::string_view value, std::string_view defaultValue) {
    if (ReadText(name, defaultValue) != value) registry_.WriteProfileString(section_, name, value);
}

}  // namespace parlevox
