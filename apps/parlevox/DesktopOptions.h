#pragma once
// The desktop client's command line: a session to start without touching
// the settings.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parlevox {

struct DesktopOptions {
    std::string serverHost;  // empty: the server slots of the settings, and no connection at start
    uint16_t serverPort = 6667;
    std::string nick;  // empty: the nickname setting
    std::string join;  // channel to join once connected
    bool help = false;
    // For the start-up benchmark: $PARLEVOX_REPORT_STARTUP prints how long
    // the main window took to become usable; $PARLEVOX_EXIT_AFTER_START
    // then ends the client.
    bool reportStartup = false;
    bool exitAfterStart = false;
    uint64_t startedMs = 0;
};

// An error text when the arguments cannot be used.
std::optional<std::string> ParseDesktopOptions(const std::vector<std::string>& args, DesktopOptions& options);
const char* DesktopUsage();

}  // namespace parlevox
