#pragma once
// The applications menu's entry for an installed client
// (~/.local/share/applications/parlevox.desktop).
#include <string>
#include <string_view>

namespace parlevox {

class DesktopEntry {
public:
    static constexpr const char* kFileName = "parlevox.desktop";

    // $XDG_DATA_HOME/applications, else ~/.local/share/applications.
    static std::string DefaultFolder();
    // The entry that starts folder/parlevox in the folder. Any byte of the
    // folder's name survives the format's escaping and quoting rules.
    static std::string Text(std::string_view folder);
    // A value as the format stores strings (backslash, line breaks, tabs).
    static std::string EscapeValue(std::string_view value);
    // One argument of Exec: quoted, its special characters escaped.
    static std::string QuoteArgument(std::string_view argument);
};

}  // namespace parlevox
