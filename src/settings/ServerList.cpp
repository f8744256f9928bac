#include "settings/ServerList.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/ParseInteger.h"
#include "platform/SafeFile.h"

namespace parlevox {

namespace {

bool HasControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

ServerListEntry ParseLine(std::string_view line, size_t slash) {
    ServerListEntry entry;
    entry.description = std::string(line.substr(0, slash));
    std::string_view address = line.substr(slash + 1);
    const size_t colon = address.find(':');
    entry.host = std::string(address.substr(0, colon));
    if (colon != std::string_view::npos) {
        std::optional<uint64_t> port = ParseStrictDecimal(address.substr(colon + 1), 65535);
        entry.port = port ? static_cast<uint16_t>(*port) : 0;
    }
    return entry;
}

}  // namespace

std::vector<ServerListEntry> ServerList::Parse(std::string_view text) {
    std::vector<ServerListEntry> entries;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxLineLength) continue;
        const size_t slash = line.find('/');
        if (slash != std::string_view::npos) entries.push_back(ParseLine(line, slash));
    }
    return entries;
}

std::optional<std::vector<ServerListEntry>> ServerList::Read(const std::string& path) {
    std::optional<std::string> text = SafeFile::ReadAll(path);
    if (!text || text->size() > kMaxFileSize) return std::nullopt;
    return Parse(*text);
}

std::string ServerList::Refusal(const ServerListEntry& entry) {
    if (entry.description.find('/') != std::string::npos) return "The description cannot contain \"/\".";
    if (HasControlByte(entry.description)) return "The description cannot contain control characters.";
    if (entry.host.empty()) return "Enter the server's host name.";
    if (entry.host.find_first_of("/: ") != std::string::npos || HasControlByte(entry.host))
        return "The host name cannot contain \"/\", \":\", blanks or control characters.";
    if (entry.port == 0) return "The port must be a number from 1 to 65535.";
    return {};
}

std::string ServerList::Line(const ServerListEntry& entry) {
    return fmt::sprintf("%s/%s:%i\r\n", entry.description, entry.host, entry.port);
}

bool ServerList::Append(const std::string& path, const ServerListEntry& entry) {
    if (!Refusal(entry).empty()) return false;
    std::optional<std::string> text = SafeFile::ReadAll(path);
    if (!text || text->size() > kMaxFileSize) return false;
    // A last line without its end would swallow the new one.
    if (!text->empty() && text->back() != '\n') text->append("\r\n");
    text->append(Line(entry));
    return SafeFile::WriteAtomically(path, *text);
}

bool ServerList::InstallMissing(const std::string& dataFolder, const std::string& programFolder) {
    if (dataFolder.empty() || programFolder.empty()) return false;
    const std::string target = programFolder + "/" + serverlist_text::kFileName;
    bool missing = false;
    if (SafeFile::ReadAll(target, &missing) || !missing) return false;
    std::optional<std::string> shipped = SafeFile::ReadAll(dataFolder + "/" + serverlist_text::kFileName);
    return shipped && shipped->size() <= kMaxFileSize && SafeFile::WriteAtomically(target, *shipped);
}

}  // namespace parlevox
