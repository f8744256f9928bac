#pragma once
// The setup window: the picture, the folder box and "Go", over the same
// steps as the text mode. Built only with the Qt client.
#include <optional>
#include <string>

#include "installer/SetupSession.h"

namespace parlevox {

// Runs the window until the installer is finished; returns the exit code.
int RunSetupWindow(SetupOptions options, int argc, char** argv);
// Uninstalls the installation in the folder, asking in message boxes; the
// box saying none was found when there is no folder.
int RunUninstallWindow(const std::optional<std::string>& folder, int argc, char** argv);

}  // namespace parlevox
