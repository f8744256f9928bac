#pragma once
// The DCC plug-ins' settings in the store, each plug-in's in the section
// "Plug-in " + its name.
#include "dcc/DCCPlugIns.h"
#include "platform/Registry.h"

namespace parlevox {

class DccPlugInSettingsStore final : public DccPlugInSettings {
public:
    explicit DccPlugInSettingsStore(Registry& registry) : registry_(registry) {}

    int ReadInt(const std::string& plugIn, const std::string& key, int defaultValue) override;
    void WriteInt(const std::string& plugIn, const std::string& key, int value) override;
    std::string ReadString(const std::string& plugIn, const std::string& key) override;
    void WriteString(const std::string& plugIn, const std::string& key, const std::string& value) override;

private:
    Registry& registry_;
};

}  // namespace parlevox
