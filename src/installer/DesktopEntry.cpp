#include "installer/DesktopEntry.h"

#include <cstdlib>

#include "installer/InstallationSearch.h"

namespace parlevox {

std::string DesktopEntry::DefaultFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome) return std::string(dataHome) + "/applications";
    return InstallationSearch::HomeFolder() + "/.local/share/applications";
}

std::string DesktopEntry::EscapeValue(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        switch (c) {
            case '\\': escaped += "\\\\"; break;
            case '\n': escaped += "\\n"; break;
            case '\r': escaped += "\\r"; break;
            case '\t': escaped += "\\t"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string DesktopEntry::QuoteArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';  // not a field code
    }
    return quoted += '"';
}

std::string DesktopEntry::Text(std::string_view folder) {
    const std::string path(folder);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Parlevox\n"
           "Comment=Parlevox 1.5\n"
           "Exec=" + EscapeValue(QuoteArgument(path + "/parlevox")) + "\n"
           "Path=" + EscapeValue(path) + "\n"
           "Icon=" + EscapeValue(path + "/parlevox.svg") + "\n"
           "Terminal=false\n"
           "Categories=Network;Chat;IRCClient;\n";
}

}  // namespace parlevox
