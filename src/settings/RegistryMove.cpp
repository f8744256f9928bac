#include "settings/RegistryMove.h"

#include <string>
#include <vector>

#include "platform/RegeditText.h"

namespace parlevox {
namespace {

size_t StoredSize(const RegistryValue& value) {
    return value.data.size() + (value.type == RegistryType::String ? 1 : 0);
}

// Names the path syntax can carry: not empty, no backslash.
bool UsableKeyName(const std::string& name) {
    return !name.empty() && name.find('\\') == std::string::npos;
}

}  // namespace

bool RegistryMove::CanMove(const RegistryKey& key, size_t depth) {
    if (depth > RegeditText::kMaxKeyDepth) return false;
    for (const auto& [name, value] : key.values)
        if (name.size() > kMaxNameLength || StoredSize(value) > kMaxDataLength) return false;
    for (const auto& [name, child] : key.subkeys)
        if (!UsableKeyName(child->name) || !CanMove(*child, depth + 1)) return false;
    return true;
}

void RegistryMove::MoveKey(Registry& registry, const std::string& from, const std::string& to) {
    const RegistryKey* source = registry.OpenKey(from);
    if (!source) return;
    for (const auto& [name, value] : source->values) registry.SetValue(to, name, value);
    // The names first: deleting a subkey changes the map being walked.
    std::vector<std::string> children;
    for (const auto& entry : source->subkeys) children.push_back(entry.second->name);
    for (const std::string& child : children) {
        registry.CreateKey(to + '\\' + child);
        MoveKey(registry, from + '\\' + child, to + '\\' + child);
        registry.DeleteKey(from + '\\' + child);
    }
}

bool RegistryMove::Run(Registry& registry) {
    const RegistryKey* former = registry.OpenKey(kFormerKey);
    if (!former) return true;
    // Checked before anything changes, so a failed move leaves both keys whole.
    if (!CanMove(*former, Registry::SplitPath(kFormerKey).size())) return false;
    registry.CreateKey(Registry::kApplicationRoot);
    MoveKey(registry, kFormerKey, Registry::kApplicationRoot);
    return registry.DeleteKey(std::string(kFormerParent) + '\\' + kFormerName);
}

bool RegistryMove::RunOrReport(Registry& registry, UserInterface& ui) {
    if (Run(registry)) return true;
    MessageBoxRequest box;
    box.title = kFailureTitle;
    box.text = kFailureText;
    box.icon = MessageIcon::Stop;
    box.buttons = MessageButtons::Ok;
    ui.ShowMessageBox(box);
    return false;
}

}  // namespace parlevox
