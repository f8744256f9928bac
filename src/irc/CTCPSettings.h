#pragma once
// What the CTCP answers take from the settings: the "Your info" values that
// USERINFO gives out. The settings layer fills it and hands it down.
#include <string>

namespace parlevox {

struct CTCPSettings {
    std::string realName;  // "Your info"/"Real name"
    std::string age;       // "Your info"/"Age"
    std::string sex;       // "Your info"/"Sex"
    bool operator==(const CTCPSettings&) const = default;
};

}  // namespace parlevox
