#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parlevox {

struct HeadlessOptions {
    std::string serverHost;  // empty: the server slots of the settings
    uint16_t serverPort = 6667;
    std::string nick;        // empty: the nick setting, else a generated one
    std::string join;        // channel to join once connected
    std::string password;    // answers the server password prompt
    bool raw = false;        // keep control bytes in printed lines
    bool readInput = true;   // lines from stdin are typed into the client
    bool rawInput = false;   // lines from stdin go to the server as they are
    bool help = false;
};

// Parses the command line; an error text on failure.
std::optional<std::string> ParseHeadlessOptions(const std::vector<std::string>& args, HeadlessOptions& options);
const char* HeadlessUsage();

}  // namespace parlevox
