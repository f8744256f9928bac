#include "irc/LogonSettings.h"

#include <fstream>

#include <fmt/format.h>

#include "platform/Registry.h"

namespace parlevox {

std::string MachineUserName() {
    std::string id;
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        std::ifstream in(path);
        if (in >> id) break;
    }
    uint32_t hash = 2166136261u;
    for (unsigned char c : id) hash = (hash ^ c) * 16777619u;
    return fmt::format("{:x}", hash);
}

LogonSettings LogonSettings::Read() {
    Registry& registry = Registry::Current();
    LogonSettings settings;
    settings.nick = registry.GetProfileString("Nicknames", "Name1");
    settings.userName = registry.GetProfileString("Your info", "Username");
    if (settings.userName.empty()) settings.userName = MachineUserName();
    settings.tagline = registry.GetProfileString("Your info", "Tagline");
    return settings;
}

}  // namespace parlevox
