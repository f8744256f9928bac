#include "dcc/DccOfferNames.h"

#include <array>

#include "common/TextHelpers.h"

namespace parlevox {

std::string CutOfferName(std::string_view name) {
    for (char separator : {'/', '\\'}) {
        const size_t last = name.rfind(separator);
        if (last != std::string_view::npos) name.remove_prefix(last + 1);
    }
    return std::string(name);
}

bool IsDeviceName(std::string_view name) {
    static constexpr std::array<std::string_view, 11> kDevices = {"CON",  "PRN",  "AUX",  "LPT",  "LPT1", "LPT2",
                                                                  "COM",  "COM1", "COM2", "COM3", "COM4"};
    for (std::string_view device : kDevices)
        if (EqualsIgnoringCase(name, device)) return true;
    return false;
}

bool IsSafeFileName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.front() == '.') return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32) return false;
    return true;
}

}  // namespace parlevox
