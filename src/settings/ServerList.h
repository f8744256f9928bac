#pragma once
// "Servers.List": the server directory the servers page fills its slots
// from. One entry per line: description, "/", host, ":", port. Entries with
// port 0 are headings and separators: listed, never assigned to a slot.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

namespace serverlist_text {
inline constexpr const char* kFileName = "Servers.List";
inline constexpr const char* kErrorTitle = "Server list file error";
inline constexpr const char* kReadError =
    "There was a problem reading the Servers.List file. This file is required to display a server list; until it "
    "becomes available, a server list will not be shown.";
inline constexpr const char* kWriteError =
    "There was a problem writing the Servers.List file. Your changes will not take effect.";
}  // namespace serverlist_text

struct ServerListEntry {
    std::string description;
    std::string host;
    uint16_t port = 0;  // 0: a heading, or a port that does not read as 1-65535

    bool Assignable() const { return port != 0; }
    bool operator==(const ServerListEntry&) const = default;
};

class ServerList {
public:
    // Longer lines are no server entry; skipping them keeps a damaged
    // file from filling the list box with megabytes of text.
    static constexpr size_t kMaxLineLength = 1024;
    static constexpr size_t kMaxFileSize = 16u << 20;

    // The entries of the file's text: lines with a "/" only, split at the
    // first "/" and then at the first ":" after it.
    static std::vector<ServerListEntry> Parse(std::string_view text);
    // Reads the file; nothing when it cannot be read (or is too large).
    static std::optional<std::vector<ServerListEntry>> Read(const std::string& path);

    // Why an entry cannot be added ("" when it can): a description holding
    // "/", a host holding "/" or ":", blanks in the host, control bytes in
    // either, an empty host or a port outside 1-65535.
    static std::string Refusal(const ServerListEntry& entry);
    // Appends the entry's line to the existing file, which is replaced as a
    // whole; false when it is missing, unreadable or the line is refused.
    static bool Append(const std::string& path, const ServerListEntry& entry);
    static std::string Line(const ServerListEntry& entry);
    // Puts the shipped directory into the program folder when it has none
    // (the person's copy, with the servers they added, is left alone).
    static bool InstallMissing(const std::string& dataFolder, const std::string& programFolder);
};

}  // namespace parlevox
