// The installer's settings file from hostile bytes, in both modes. Without
// a line starting with "!" the two modes must do exactly the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "installer/SetupSettingsImport.h"
#include "platform/Registry.h"
#include "FuzzFail.h"

namespace {

bool HasStopLine(std::string_view text) {
    for (size_t start = 0; start < text.size();) {
        if (text[start] == '!') return true;
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    parlevox::Registry fresh, upgrade;
    const bool freshOk = parlevox::ImportSetupSettings(text, false, fresh);
    const bool upgradeOk = parlevox::ImportSetupSettings(text, true, upgrade);
    if (!HasStopLine(text) && (freshOk != upgradeOk || fresh.ExportText() != upgrade.ExportText()))
        parlevox::FuzzFail("fuzz_setup_settings", "the modes differ without a \"!\" line");
    return 0;
}
