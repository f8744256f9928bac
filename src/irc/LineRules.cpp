#include "irc/LineRules.h"

namespace parlevox {

bool PrepareOutgoingLine(std::string_view line, size_t limit, std::string& out) {
    std::string_view terminator = "\r\n";
    if (line.ends_with("\r\n")) {
        line.remove_suffix(2);
    } else if (line.ends_with('\n')) {
        terminator = "\n";
        line.remove_suffix(1);
    }
    size_t cut = line.find_first_of(std::string_view("\r\n\0", 3));
    if (cut != std::string_view::npos) line = line.substr(0, cut);
    out.assign(line);
    out.append(terminator);
    return out.size() <= limit;
}

bool IsPrefixedPing(std::string_view line) {
    if (line.empty() || line.front() != ':') return false;
    size_t space = line.find(' ');
    if (space == std::string_view::npos) return false;
    std::string_view command = line.substr(space + 1);
    return command.starts_with("PING") && (command.size() == 4 || command[4] == ' ');
}

}  // namespace parlevox
