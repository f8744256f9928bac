#include "settings/SoundSettingsStore.h"

#include <fmt/printf.h>

namespace parlevox {

SoundSettings LoadSoundSettings(const Registry& registry) {
    SoundSettings settings;
    for (int i = 0; i < SoundSettings::kEventCount; ++i) {
        SoundSettings::EventSound& sound = settings.events[static_cast<size_t>(i)];
        int builtIn =
            registry.GetProfileInt(texts::kSoundsSection, fmt::sprintf(texts::kEventResourceValue, i), -1);
        sound.builtIn = builtIn >= 0 && builtIn < SoundSettings::kBuiltInCount ? builtIn : -1;
        sound.fileName = registry.GetProfileString(texts::kSoundsSection, fmt::sprintf(texts::kEventFileValue, i));
    }
    settings.userEnabled = registry.GetProfileInt(texts::kSoundsSection, texts::kUserEnabledValue, 0) != 0;
    settings.builtInEnabled = registry.GetProfileInt(texts::kSoundsSection, texts::kBuiltInEnabledValue, 0) != 0;
    settings.folder = registry.GetProfileString(texts::kSoundsSection, texts::kFolderValue);
    return settings;
}

void SaveSoundSettings(Registry& registry, const SoundSettings& settings) {
    for (int i = 0; i < SoundSettings::kEventCount; ++i) {
        const SoundSettings::EventSound& sound = settings.events[static_cast<size_t>(i)];
        registry.WriteProfileInt(texts::kSoundsSection, fmt::sprintf(texts::kEventResourceValue, i), sound.builtIn);
        registry.WriteProfileString(texts::kSoundsSection, fmt::sprintf(texts::kEventFileValue, i), sound.fileName);
    }
    registry.WriteProfileInt(texts::kSoundsSection, texts::kUserEnabledValue, settings.userEnabled ? 1 : 0);
    registry.WriteProfileInt(texts::kSoundsSection, texts::kBuiltInEnabledValue, settings.builtInEnabled ? 1 : 0);
    registry.WriteProfileString(texts::kSoundsSection, texts::kFolderValue, settings.folder);
}

CSoundSystem::Saver SoundSettingsSaver(Registry& registry) {
    return [&registry](const SoundSettings& settings) { SaveSoundSettings(registry, settings); };
}

}  // namespace parlevox
