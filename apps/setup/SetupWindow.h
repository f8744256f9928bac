#pragma once
// The setup window: the picture, the folder box and "Go", over the same
// steps as the text mode. Built only with the Qt client.
#include "installer/SetupSession.h"

namespace parlevox {

// Runs the window until the installer is finished; returns the exit code.
int RunSetupWindow(SetupOptions options, int argc, char** argv);

}  // namespace parlevox
