#pragma once
// The sound system's settings in the store: the "Sounds" section.
#include "display/SoundSystem.h"
#include "platform/Registry.h"

namespace parlevox {

SoundSettings LoadSoundSettings(const Registry& registry);
void SaveSoundSettings(Registry& registry, const SoundSettings& settings);

// A saver for CSoundSystem that writes to this store (which must outlive it).
CSoundSystem::Saver SoundSettingsSaver(Registry& registry);

}  // namespace parlevox
