#pragma once
// "Uninstall.info" in the install folder: what parlevox-uninstall removes.
// One item a line: the folder, the settings key, the menu entry's path
// (empty when none was made), then the installed files relative to the
// folder with "/" between folders.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

struct UninstallRecord {
    static constexpr const char* kFileName = "Uninstall.info";
    static constexpr const char* kProgramName = "parlevox-uninstall";

    std::string folder;
    std::string settingsKey;
    std::string menuEntry;
    std::vector<std::string> files;

    // Nothing when a field holds a line break (it could not be read back).
    std::optional<std::string> Format() const;
    // Nothing when the three fields are not all there.
    static std::optional<UninstallRecord> Parse(std::string_view text);
    // A listed file that names something inside the folder: relative, no
    // "." or ".." component, no control character.
    static bool IsInsideFolder(std::string_view relativePath);
};

}  // namespace parlevox
