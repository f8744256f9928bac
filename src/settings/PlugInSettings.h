#pragma once
// The settings a DCC plug-in keeps through its callback table: the four
// operations on the section "Plug-in " + the plug-in's name.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

class PlugInSettings {
public:
    PlugInSettings(Registry& registry, std::string_view plugInName);

    static std::string SectionFor(std::string_view plugInName);

    int ReadInt(std::string_view name, int defaultValue) const;
    bool WriteInt(std::string_view name, int value);
    bool WriteString(std::string_view name, std::string_view value);
    // Copies at most bufferLength - 1 bytes and a terminating zero into the
    // plug-in's buffer; a buffer of no length gets nothing. Returns the
    // number of bytes copied before the zero.
    int ReadString(std::string_view name, std::string_view defaultValue, char* buffer, int bufferLength) const;

private:
    Registry& registry_;
    std::string section_;
};

}  // namespace parlevox
