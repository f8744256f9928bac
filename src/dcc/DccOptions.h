#pragma once
// What the DCC control keeps between runs ("DCC Filetypes", "DCC Plug-ins"
// and the "Misc" values for reaching peers). The application loads and saves
// it; the control only reads and edits it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

namespace dcc_action {
inline constexpr int kSave = 0;         // save the file to the folder
inline constexpr int kSaveAndOpen = 1;  // save it, then open it with the helper
inline constexpr int kPlugIn = 2;       // hand it to a DCC plug-in as it arrives
}  // namespace dcc_action

struct DccFileType {
    std::string pattern;  // an extension in upper case; entry 0 is the catch-all
    int action = dcc_action::kSave;
    std::string folder;  // relative to the program folder unless absolute
    std::string helper;
    std::string plugIn;
    bool operator==(const DccFileType&) const = default;
};

// Listening ports: both 0 for any free port.
struct DccPortRange {
    uint16_t first = 0;
    uint16_t last = 0;
    bool Any() const { return first == 0; }
    // "" is any port; "5000" one port; "5000-5010" a range. Nothing when
    // the text is not one of those or a port is outside 1-65535.
    static std::optional<DccPortRange> Parse(std::string_view text);
};

struct DccOptions {
    static constexpr const char* kCatchAll = "(All other types)";
    static constexpr uint32_t kMinSendAhead = 4096;
    static constexpr uint32_t kMaxSendAhead = 4u << 20;

    int allowMode = 0;      // 0 everybody, 1 nobody, 2 only friends
    int automaticMode = 0;  // 0 always ask, 1 friends without asking, 2 everybody
    std::vector<DccFileType> fileTypes {{kCatchAll, dcc_action::kSave, "dcc/", "", ""}};
    std::vector<std::string> plugIns;  // installed DCC plug-in libraries
    std::string ownAddress;            // what peers are told to reach; empty: our end of the server link
    std::string portRange;             // DccPortRange text
    bool passive = false;              // offer files for the peer to listen
    uint32_t sendAhead = kMinSendAhead;  // bytes a send may run ahead of the acknowledgements

    bool operator==(const DccOptions&) const = default;
};

}  // namespace parlevox
