#pragma once
// Finding an earlier installation: the default folder first, then the home
// folder depth first. The search stays inside home, never follows a
// symbolic link and gives up after a bounded number of folders and entries,
// so a huge or looping home cannot hang the installer.
#include <cstddef>
#include <optional>
#include <string>

namespace parlevox {

struct InstallationSearchLimits {
    int maxDepth = 8;              // folders below home searched, home being 0
    size_t maxEntries = 100'000;   // directory entries looked at in all
};

class InstallationSearch {
public:
    // The file an installation holds, found in any case.
    static constexpr const char* kMarkerFile = "MajorChannels.dat";
    // The client beside it: the Debian package's per-user data folder holds
    // the category file but no client.
    static constexpr const char* kClientFile = "parlevox";

    // $HOME, else the password database's home folder.
    static std::string HomeFolder();
    // $XDG_DATA_HOME/parlevox, else ~/.local/share/parlevox (no trailing "/").
    static std::string DefaultFolder();

    // The folder of an earlier installation (no trailing "/"), or nothing.
    static std::optional<std::string> Find(const std::string& homeFolder, const std::string& defaultFolder,
                                           InstallationSearchLimits limits = {});

    // True when the folder holds the category file in exactly its own name
    // and the client (used for the default folder and --folder).
    static bool HoldsMarker(const std::string& folder);
    static bool HoldsInstallation(const std::string& folder);
};

}  // namespace parlevox
