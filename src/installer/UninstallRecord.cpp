#include "installer/UninstallRecord.h"

namespace parlevox {
namespace {

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> UninstallRecord::Format() const {
    std::string text;
    for (std::string_view field : {std::string_view(folder), std::string_view(settingsKey), std::string_view(menuEntry)}) {
        if (HoldsLineBreak(field)) return std::nullopt;
        (text += field) += '\n';
    }
    for (const std::string& file : files) {
        if (file.empty() || HoldsLineBreak(file)) return std::nullopt;
        (text += file) += '\n';
    }
    return text;
}

std::optional<UninstallRecord> UninstallRecord::Parse(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == text.size() ? end : end + 1);
    }
    if (lines.size() < 3) return std::nullopt;
    UninstallRecord record{lines[0], lines[1], lines[2], {}};
    for (size_t i = 3; i < lines.size(); ++i)
        if (!lines[i].empty()) record.files.push_back(std::move(lines[i]));
    return record;
}

bool UninstallRecord::IsInsideFolder(std::string_view relativePath) {
    if (relativePath.empty() || relativePath.front() == '/') return false;
    for (unsigned char c : relativePath)
        if (c < 32 || c == 127) return false;
    size_t start = 0;
    while (start <= relativePath.size()) {
        size_t end = relativePath.find('/', start);
        if (end == std::string_view::npos) end = relativePath.size();
        std::string_view part = relativePath.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

}  // namespace parlevox
