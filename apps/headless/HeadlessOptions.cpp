#include "HeadlessOptions.h"

#include "common/ParseInteger.h"

namespace parlevox {

const char* HeadlessUsage() {
    return "usage: parlevox-headless [--server HOST[:PORT]] [--nick NICK] [--join #CHANNEL]\n"
           "                         [--password PASSWORD] [--raw] [--raw-input] [--no-input]\n"
           "Prints every window line as <window><TAB><text> (--raw keeps the colour and\n"
           "style codes). Lines typed on standard input are / commands (/join #x, /msg bob hi,\n"
           "/quit bye); a line without / is said in the channel joined last. With --raw-input\n"
           "they are sent to the server as they are. Ends on end of input, /quit, SIGINT or\n"
           "SIGTERM.\n";
}

std::optional<std::string> ParseHeadlessOptions(const std::vector<std::string>& args, HeadlessOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) -> bool {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (arg == "--server") {
            std::string server;
            if (!value(server)) return "--server needs HOST[:PORT]";
            size_t colon = server.rfind(':');
            options.serverHost = server.substr(0, colon);
            if (colon != std::string::npos) {
                int port = ParseInteger(server.substr(colon + 1));
                if (port <= 0 || port > 65535) return "bad port in --server " + server;
                options.serverPort = static_cast<uint16_t>(port);
            }
            if (options.serverHost.empty()) return "--server needs a host name";
        } else if (arg == "--nick") {
            if (!value(options.nick) || options.nick.empty()) return "--nick needs a nickname";
        } else if (arg == "--join") {
            if (!value(options.join) || options.join.empty()) return "--join needs a channel";
        } else if (arg == "--password") {
            if (!value(options.password)) return "--password needs a value";
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--raw-input") {
            options.rawInput = true;
        } else if (arg == "--no-input") {
            options.readInput = false;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else {
            return "unknown option " + arg;
        }
    }
    return std::nullopt;
}

}  // namespace parlevox
