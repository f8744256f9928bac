#include "platform/MachineUserName.h"

#include <cstdint>
#include <fstream>

#include <fmt/format.h>

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

}  // namespace parlevox
