#include "DesktopOptions.h"

#include <charconv>

namespace parlevox {

const char* DesktopUsage() {
    return "usage: parlevox [--server HOST[:PORT]] [--nick NICK] [--join #CHANNEL]\n"
           "  --server  connect to this server at start (port 6667 unless given)\n"
           "  --nick    the nickname for this session (the settings keep theirs)\n"
           "  --join    the channel to join once connected\n";
}

std::optional<std::string> ParseDesktopOptions(const std::vector<std::string>& args, DesktopOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg != "--server" && arg != "--nick" && arg != "--join") return "unknown argument " + arg;
        if (i + 1 >= args.size() || args[i + 1].empty()) return arg + " needs a value";
        const std::string& value = args[++i];
        if (arg == "--nick") {
            options.nick = value;
        } else if (arg == "--join") {
            options.join = value;
        } else {
            size_t colon = value.rfind(':');
            options.serverHost = value.substr(0, colon);
            if (colon != std::string::npos) {
                unsigned port = 0;
                const char* first = value.data() + colon + 1;
                const char* last = value.data() + value.size();
                auto [end, error] = std::from_chars(first, last, port);
                if (error != std::errc() || end != last || port == 0 || port > 65535)
                    return "bad port in --server " + value;
                options.serverPort = static_cast<uint16_t>(port);
            }
            if (options.serverHost.empty()) return "--server needs a host";
        }
    }
    return std::nullopt;
}

}  // namespace parlevox
