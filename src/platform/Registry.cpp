#include "platform/Registry.h"

#include <algorithm>
#include <cstdlib>

#include "platform/RegeditText.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

RegistryValue RegistryValue::FromString(std::string_view text) {
    return {RegistryType::String, std::string(text)};
}

RegistryValue RegistryValue::FromDword(uint32_t value) {
    std::string bytes(4, '\0');
    for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    return {RegistryType::Dword, bytes};
}

RegistryValue RegistryValue::FromBinary(std::string_view bytes) {
    return {RegistryType::Binary, std::string(bytes)};
}

std::optional<uint32_t> RegistryValue::AsDword() const {
    if (type != RegistryType::Dword || data.size() != 4) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = value << 8 | static_cast<uint8_t>(data[i]);
    return value;
}

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

RegistryKey* RegistryKey::Find(std::string_view subkeyName) const {
    auto found = subkeys.find(std::string(subkeyName));
    return found == subkeys.end() ? nullptr : found->second.get();
}

RegistryKey& RegistryKey::Create(std::string_view subkeyName) {
    if (RegistryKey* existing = Find(subkeyName)) return *existing;
    auto key = std::make_unique<RegistryKey>();
    key->name = std::string(subkeyName);
    RegistryKey& made = *key;
    subkeys.emplace(key->name, std::move(key));
    return made;
}

std::vector<std::string_view> Registry::SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        size_t cut = path.find('\\');
        std::string_view part = path.substr(0, cut);
        if (!part.empty()) parts.push_back(part);
        if (cut == std::string_view::npos) break;
        path.remove_prefix(cut + 1);
    }
    return parts;
}

Registry::Registry() = default;
Registry::~Registry() = default;

RegistryKey* Registry::OpenKey(std::string_view path) const {
    // The store hands out its keys for writing; constness guards the tree
    // only through the const read operations.
    RegistryKey* key = const_cast<RegistryKey*>(&root_);
    for (std::string_view part : SplitPath(path)) {
        key = key->Find(part);
        if (!key) return nullptr;
    }
    return key;
}

RegistryKey& Registry::CreateKey(std::string_view path) {
    RegistryKey* key = &root_;
    for (std::string_view part : SplitPath(path)) {
        if (RegistryKey* next = key->Find(part)) {
            key = next;
        } else {
            key = &key->Create(part);
            MarkModified();
        }
    }
    return *key;
}

bool Registry::DeleteKey(std::string_view path) {
    std::vector<std::string_view> parts = SplitPath(path);
    if (parts.empty()) return false;  // HKEY_CURRENT_USER itself stays
    RegistryKey* parent = &root_;
    for (size_t i = 0; i + 1 < parts.size() && parent; ++i) parent = parent->Find(parts[i]);
    if (!parent || parent->subkeys.erase(std::string(parts.back())) == 0) return false;
    MarkModified();
    return true;
}

std::optional<RegistryValue> Registry::GetValue(std::string_view path, std::string_view name) const {
    const RegistryKey* key = OpenKey(path);
    if (!key) return std::nullopt;
    auto found = key->values.find(std::string(name));
    if (found == key->values.end()) return std::nullopt;
    return found->second;
}

void Registry::SetValue(std::string_view path, std::string_view name, RegistryValue value) {
    auto& values = CreateKey(path).values;
    auto [slot, added] = values.try_emplace(std::string(name));
    if (!added && slot->second == value) return;
    slot->second = std::move(value);
    MarkModified();
}

bool Registry::DeleteValue(std::string_view path, std::string_view name) {
    RegistryKey* key = OpenKey(path);
    if (!key || key->values.erase(std::string(name)) == 0) return false;
    MarkModified();
    return true;
}

std::string Registry::SectionPath(std::string_view section) const {
    std::string path = kApplicationRoot;
    if (!section.empty()) path.append("\\").append(section);
    return path;
}

int Registry::GetProfileInt(std::string_view section, std::string_view name, int defaultValue) const {
    std::optional<RegistryValue> value = GetValue(SectionPath(section), name);
    std::optional<uint32_t> number = value ? value->AsDword() : std::nullopt;
    return number ? static_cast<int>(*number) : defaultValue;
}

std::string Registry::GetProfileString(std::string_view section, std::string_view name,
                                       std::string_view defaultValue) const {
    std::optional<RegistryValue> value = GetValue(SectionPath(section), name);
    if (!value || value->type != RegistryType::String) return std::string(defaultValue);
    return value->data;
}

bool Registry::WriteProfileInt(std::string_view section, std::string_view name, int value) {
    SetValue(SectionPath(section), name, RegistryValue::FromDword(static_cast<uint32_t>(value)));
    return true;
}

bool Registry::WriteProfileString(std::string_view section, std::string_view name, std::string_view value) {
    SetValue(SectionPath(section), name, RegistryValue::FromString(value));
    return true;
}

std::string Registry::ExportText() const {
    return RegeditText::Write(root_);
}

int Registry::ImportText(std::string_view text) {
    RegeditText::ReadResult result = RegeditText::Read(text, root_);
    if (result.changed) MarkModified();
    return result.skippedLines;
}

std::string Registry::DefaultFilePath() {
    std::string path = Environment("PARLEVOX_REGISTRY");
    if (!path.empty()) return path;
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) config = Environment("HOME") + "/.config";
    return config + "/parlevox/registry.reg";
}

bool Registry::Load(const std::string& path) {
    path_ = path;
    root_.values.clear();
    root_.subkeys.clear();
    modified_ = false;
    loadSkippedLines_ = 0;
    bool missing = false;
    std::optional<std::string> text = SafeFile::ReadAll(path, &missing);
    if (!text) return missing;
    loadSkippedLines_ = RegeditText::Read(*text, root_).skippedLines;
    return true;
}

bool Registry::Save() {
    if (!SafeFile::WriteAtomically(path_, ExportText())) return false;
    modified_ = false;
    return true;
}

void Registry::MarkModified() {
    modified_ = true;
    if (changeListener_) changeListener_();
}

}  // namespace parlevox
