#include "settings/OneShotHints.h"

#include <string>

#include "settings/SettingsSection.h"

namespace parlevox {

bool OneShotHints::WasShown(Registry& registry, int hint) {
    return SettingsSection(registry, kSection).ReadBool(std::to_string(hint), false);
}

void OneShotHints::MarkShown(Registry& registry, int hint) {
    SettingsSection(registry, kSection).WriteBool(std::to_string(hint), true);
}

void OneShotHints::MarkExpertHintsShown(Registry& registry) {
    for (int hint : kExpertHints) MarkShown(registry, hint);
}

}  // namespace parlevox
