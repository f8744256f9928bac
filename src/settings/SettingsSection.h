#pragma once
// One section below the application root, read and written the way every
// settings owner does: integers as REG_DWORD, strings as REG_SZ, and a
// missing or unreadable value gives the caller's default.
//
// Writes happen only when a later read would otherwise give something else,
// so saving what was just loaded leaves the store (and its file) untouched,
// even when the file held damaged or missing values.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

class SettingsSection {
public:
    SettingsSection(Registry& registry, std::string_view section);

    const std::string& Name() const { return section_; }

    int ReadInt(std::string_view name, int defaultValue) const;
    bool ReadBool(std::string_view name, bool defaultValue) const;
    std::string ReadText(std::string_view name, std::string_view defaultValue = {}) const;

    void WriteInt(std::string_view name, int value, int defaultValue = 0);
    void WriteBool(std::string_view name, bool value, bool defaultValue = false);
    void WriteText(std::string_view name, std::string_view value, std::string_view defaultValue = {});

private:
    Registry& registry_;
    std::string section_;
};

}  // namespace parlevox
