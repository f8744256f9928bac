#pragma once
// The first step of start-up: the settings of the product's former name are
// moved, whole, to the application root. Each value keeps its type and
// data; subkeys move recursively; the former key is deleted afterwards.
// Nothing to move is a success.
#include <cstddef>

#include "platform/Registry.h"
#include "platform/UserInterface.h"

namespace parlevox {

class RegistryMove {
public:
    static constexpr const char* kFormerParent = "Software\\Software Amberlode";
    static constexpr const char* kFormerName = "Brimvale";
    static constexpr const char* kFormerKey = "Software\\Software Amberlode\\Brimvale";
    // What one value may hold to be moved (a string counts its terminating
    // zero); a larger one fails the move.
    static constexpr size_t kMaxNameLength = 1024;
    static constexpr size_t kMaxDataLength = 1024;

    static constexpr const char* kFailureTitle = "Error!";
    static constexpr const char* kFailureText =
        "There was a problem moving registry data from the old to the new registry key. Parlevox's settings "
        "could not be initialised.\n\nIf this problem does not go away, uninstall or delete Parlevox and use "
        "RegEdit to delete the HKEY_CURRENT_USER\\Software\\quornwright\\Parlevoxfolder from the registry. "
        "Then reinstall.";

    // Moves the former key; false when it cannot be moved, in which case
    // the store is left as it was.
    static bool Run(Registry& registry);
    // Run, and on failure the "Error!" box: false means the program must
    // not start.
    static bool RunOrReport(Registry& registry, UserInterface& ui);

private:
    static bool CanMove(const RegistryKey& key, size_t depth);
    static void MoveKey(Registry& registry, const std::string& from, const std::string& to);
};

}  // namespace parlevox
