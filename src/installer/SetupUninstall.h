#pragma once
// parlevox-uninstall (or parlevox-setup --uninstall): removes what the
// installer recorded in the folder's "Uninstall.info" and the settings key,
// and keeps everything the user made there.
#include <string>
#include <vector>

#include "installer/SetupFrontEnd.h"
#include "platform/Registry.h"

namespace parlevox {

struct UninstallOptions {
    std::string folder;  // the install folder
    std::string registryFile = Registry::DefaultFilePath();
};

class SetupUninstall {
public:
    SetupUninstall(SetupFrontEnd& frontEnd, UninstallOptions options);

    // Asks, removes, says what was done. Returns the exit code: 0 when
    // removed or when the user said No, 1 when nothing could be found.
    int Run();

private:
    void RemoveFiles(const std::vector<std::string>& files);
    void RemoveFolders(const std::vector<std::string>& files);
    void RemoveMenuEntry(const std::string& path, const std::string& installedFolder);
    bool RemoveSettings(const std::string& key);

    SetupFrontEnd& frontEnd_;
    UninstallOptions options_;
};

}  // namespace parlevox
