#include "settings/PlugInSettings.h"

#include <algorithm>
#include <cstring>

namespace parlevox {

PlugInSettings::PlugInSettings(Registry& registry, std::string_view plugInName)
    : registry_(registry), section_(SectionFor(plugInName)) {}

std::string PlugInSettings::SectionFor(std::string_view plugInName) {
    return "Plug-in " + std::string(plugInName);
}

int PlugInSettings::ReadInt(std::string_view name, int defaultValue) const {
    return registry_.GetProfileInt(section_, name, defaultValue);
}

bool PlugInSettings::WriteInt(std::string_view name, int value) {
    return registry_.WriteProfileInt(section_, name, value);
}

bool PlugInSettings::WriteString(std::string_view name, std::string_view value) {
    return registry_.WriteProfileString(section_, name, value);
}

int PlugInSettings::ReadString(std::string_view name, std::string_view defaultValue, char* buffer,
                               int bufferLength) const {
    if (!buffer || bufferLength <= 0) return 0;
    std::string text = registry_.GetProfileString(section_, name, defaultValue);
    size_t copied = std::min(text.size(), static_cast<size_t>(bufferLength - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

}  // namespace parlevox
