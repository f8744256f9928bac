#include "script/VariableDefinitions.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "common/StringRecord.h"
#include "common/TextError.h"
#include "script/ModuleRecords.h"
#include "script/VariableTexts.h"

namespace parlevox {

namespace {

// id, access code and the name's length.
constexpr size_t kMinStoredEntry = 12;

bool CarriesValue(std::string_view name, ModuleFileVersion version) {
    return version == ModuleFileVersion::V1_0 || (!name.empty() && name.back() == 'P');
}

CVariableDefinitions::Entry ReadEntry(ByteReader& reader, ModuleFileVersion version) {
    CVariableDefinitions::Entry entry;
    entry.id = ReadModuleInt(reader);
    int32_t access = ReadModuleInt(reader);
    entry.name = ReadString(reader);
    if (entry.id == 0 || access < 0 || access > 2) throw TextError(kModuleCorrupt);
    entry.access = static_cast<VariableAccess>(access);
    // The name is checked even when the value is stored: a bad prefix fails
    // the load with its own message.
    std::string types = TypeStringOfName(entry.name);
    if (CarriesValue(entry.name, version)) {
        entry.value = CVariable::Read(reader);
        if (entry.value.TypeString() != types) throw TextError(kModuleCorrupt);
    } else {
        entry.value = CVariable::FromTypeString(types);
    }
    return entry;
}

}  // namespace

const char* AccessName(VariableAccess access) {
    switch (access) {
        case VariableAccess::Read: return "Read";
        case VariableAccess::ModW: return "ModW";
        case VariableAccess::AnyW: return "AnyW";
    }
    return "";
}

VariableAccess NextAccess(VariableAccess access) {
    switch (access) {
        case VariableAccess::ModW: return VariableAccess::AnyW;
        case VariableAccess::AnyW: return VariableAccess::Read;
        case VariableAccess::Read: return VariableAccess::ModW;
    }
    return VariableAccess::ModW;
}

CVariableDefinitions::Entry& CVariableDefinitions::Add(std::string name, int32_t id) {
    CVariable value = CVariable::FromName(name);  // may throw; nothing added then
    entries_.push_back(Entry{id, VariableAccess::ModW, std::move(name), std::move(value)});
    modified_ = true;
    return entries_.back();
}

bool CVariableDefinitions::Remove(std::string_view name) {
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    if (found == entries_.end()) return false;
    entries_.erase(found);
    modified_ = true;
    return true;
}

bool CVariableDefinitions::SetAccess(std::string_view name, VariableAccess access) {
    Entry* entry = Find(name);
    if (!entry) return false;
    entry->access = access;
    modified_ = true;
    return true;
}

bool CVariableDefinitions::StepAccess(std::string_view name) {
    Entry* entry = Find(name);
    return entry && SetAccess(name, NextAccess(entry->access));
}

int32_t CVariableDefinitions::FindId(std::string_view name) const {
    for (const auto& entry : entries_)
        if (entry.name == name) return entry.id;
    return 0;
}

CVariableDefinitions::Entry* CVariableDefinitions::Find(std::string_view name) {
    for (auto& entry : entries_)
        if (entry.name == name) return &entry;
    return nullptr;
}

CVariableDefinitions::Entry* CVariableDefinitions::FindById(int32_t id) {
    return const_cast<Entry*>(std::as_const(*this).FindById(id));
}

const CVariableDefinitions::Entry* CVariableDefinitions::FindById(int32_t id) const {
    if (id == 0) return nullptr;
    for (const auto& entry : entries_)
        if (entry.id == id) return &entry;
    return nullptr;
}

int32_t CVariableDefinitions::LargestId() const {
    int32_t largest = 0;
    for (const auto& entry : entries_) largest = std::max(largest, entry.id);
    return largest;
}

std::vector<std::string> CVariableDefinitions::DisplayList(bool withAccess) const {
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const auto& entry : entries_)
        lines.push_back(withAccess ? entry.name + " [" + AccessName(entry.access) + "]" : entry.name);
    return lines;
}

void CVariableDefinitions::Write(ByteWriter& writer) const {
    writer.WriteI32(static_cast<int32_t>(entries_.size()));
    for (const auto& entry : entries_) {
        writer.WriteI32(entry.id);
        writer.WriteI32(static_cast<int32_t>(entry.access));
        WriteString(writer, entry.name);
        entry.value.Write(writer);
    }
}

void CVariableDefinitions::Load(ByteReader& reader, ModuleFileVersion version) {
    size_t count = ReadModuleCount(reader, kMinStoredEntry);
    std::vector<Entry> loaded;
    loaded.reserve(count);
    std::unordered_set<int32_t> ids;
    for (size_t i = 0; i < count; ++i) {
        loaded.push_back(ReadEntry(reader, version));
        if (!ids.insert(loaded.back().id).second) throw TextError(kModuleCorrupt);
    }
    entries_ = std::move(loaded);
    modified_ = false;
}

}  // namespace parlevox
