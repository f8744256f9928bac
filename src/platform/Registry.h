#pragma once
// The settings store that stands in for the Windows registry: a tree of keys
// holding REG_DWORD, REG_SZ and REG_BINARY values, names compared without
// case, kept as one REGEDIT4 text file. Changes go to memory at once and
// reach the disk through an atomic save (.tmp, fsync, rename).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/TextHelpers.h"

namespace parlevox {

enum class RegistryType : uint32_t { String = 1, Binary = 3, Dword = 4 };

struct RegistryValue {
    RegistryType type = RegistryType::String;
    std::string data;  // String: the text without its terminating zero; Dword: 4 bytes little-endian

    static RegistryValue FromString(std::string_view text);
    static RegistryValue FromDword(uint32_t value);
    static RegistryValue FromBinary(std::string_view bytes);
    // A DWORD value as a number; nothing when the type or size is wrong.
    std::optional<uint32_t> AsDword() const;

    bool operator==(const RegistryValue&) const = default;
};

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class RegistryKey {
public:
    std::string name;  // as first written
    std::map<std::string, RegistryValue, CaseInsensitiveLess> values;
    std::map<std::string, std::unique_ptr<RegistryKey>, CaseInsensitiveLess> subkeys;

    RegistryKey* Find(std::string_view subkeyName) const;
    RegistryKey& Create(std::string_view subkeyName);
};

class Registry {
public:
    // The application's root under HKEY_CURRENT_USER.
    static constexpr const char* kApplicationRoot = "Software\\quornwright\\Parlevox";

    Registry();
    ~Registry();

    // The components of a path; empty ones (doubled or leading backslashes)
    // are skipped.
    static std::vector<std::string_view> SplitPath(std::string_view path);

    // Paths are backslash-separated below HKEY_CURRENT_USER ("Software\\x\\y").
    RegistryKey* OpenKey(std::string_view path) const;
    RegistryKey& CreateKey(std::string_view path);
    bool DeleteKey(std::string_view path);  // with everything below it

    std::optional<RegistryValue> GetValue(std::string_view path, std::string_view name) const;
    // Writing the value a name already holds changes nothing.
    void SetValue(std::string_view path, std::string_view name, RegistryValue value);
    bool DeleteValue(std::string_view path, std::string_view name);

    // The application's four settings operations, by section below the root.
    int GetProfileInt(std::string_view section, std::string_view name, int defaultValue) const;
    std::string GetProfileString(std::string_view section, std::string_view name,
                                 std::string_view defaultValue = {}) const;
    bool WriteProfileInt(std::string_view section, std::string_view name, int value);
    bool WriteProfileString(std::string_view section, std::string_view name, std::string_view value);

    // REGEDIT4 text of everything (keys under HKEY_CURRENT_USER).
    std::string ExportText() const;
    // Merges a REGEDIT4 text in; lines it cannot read are skipped and
    // counted. Returns the number of skipped lines.
    int ImportText(std::string_view text);

    // The file: $PARLEVOX_REGISTRY, else $XDG_CONFIG_HOME/parlevox/registry.reg
    // (else ~/.config/parlevox/registry.reg).
    static std::string DefaultFilePath();
    // Loads the file; a missing file is an empty store. Remembers the path.
    bool Load(const std::string& path);
    // Atomic save to the remembered path (creating its folder); clears the
    // modified flag. On failure returns false and the flag stays set.
    bool Save();
    bool SaveIfModified() { return modified_ ? Save() : true; }
    bool Modified() const { return modified_; }
    const std::string& FilePath() const { return path_; }
    // Lines of the file that the last Load could not read.
    int LoadSkippedLines() const { return loadSkippedLines_; }

    // Called after every change of the tree (never by Load or Save), so an
    // owner can schedule the save. One listener; an empty one removes it.
    void SetChangeListener(std::function<void()> listener) { changeListener_ = std::move(listener); }

private:
    std::string SectionPath(std::string_view section) const;
    void MarkModified();

    RegistryKey root_;  // HKEY_CURRENT_USER
    std::string path_;
    bool modified_ = false;
    int loadSkippedLines_ = 0;
    std::function<void()> changeListener_;
};

}  // namespace parlevox
