#include "display/LinkMarking.h"

#include <span>

#include "common/TextHelpers.h"
#include "platform/Registry.h"

namespace parlevox {
namespace {

constexpr size_t kNotFound = static_cast<size_t>(-1);
constexpr size_t kShortestLink = 10;
constexpr std::string_view kLinkStarts[] = {"http://", "ftp://", "telnet://", "www."};

using Cells = std::span<Cell>;

bool MatchesAt(Cells cells, size_t at, std::string_view needle, bool ignoreCase) {
    for (size_t k = 0; k < needle.size(); ++k) {
        const Cell& cell = cells[at + k];
        if (cell.IsControl()) return false;
        char c = static_cast<char>(cell.ch);
        if (ignoreCase ? AsciiLower(c) != AsciiLower(needle[k]) : c != needle[k]) return false;
    }
    return true;
}

// First occurrence at or after `from`. Lines are searched several times
// each, so the first character is matched in a tight loop.
size_t Find(Cells cells, std::string_view needle, size_t from, bool ignoreCase = false) {
    if (needle.empty() || needle.size() > cells.size()) return kNotFound;
    const size_t last = cells.size() - needle.size();
    const char first = needle[0];
    const char lower = AsciiLower(first), upper = AsciiUpper(first);
    for (size_t at = from; at <= last; ++at) {
        const char c = static_cast<char>(cells[at].ch);
        const bool candidate = ignoreCase ? (c == lower || c == upper) : c == first;
        if (candidate && MatchesAt(cells, at, needle, ignoreCase)) return at;
    }
    return kNotFound;
}

bool EndsLink(const Cell& cell) {
    return cell.IsControl() || cell.ch == ' ' || cell.ch == ',' || cell.ch == ';';
}

// Just after a ".html" anywhere later in the line, else the first space,
// ",", ";" or control cell.
size_t LinkEnd(Cells cells, size_t start) {
    size_t html = Find(cells, ".html", start);
    if (html != kNotFound) return html + 5;
    size_t end = start;
    while (end < cells.size() && !EndsLink(cells[end])) ++end;
    return end;
}

void MarkLink(Cells cells, size_t start, size_t end, int colour) {
    for (size_t i = start; i < end; ++i) {
        Cell& cell = cells[i];
        cell.attr |= cellattr::kLink;
        // A bold italic nickname would turn into a control cell: the link wins.
        if (cell.IsControl()) cell.attr &= static_cast<uint8_t>(~cellattr::kNickname);
        cell.SetForeground(colour);
    }
}

bool SkippedStart(Cells cells, std::string_view prefix, size_t start) {
    size_t after = start + prefix.size();
    return prefix == "www." && after < cells.size() && cells[after].ch == '.';
}

// False when a link too short to be one stopped the marking.
bool MarkLinks(Cells cells, int colour) {
    for (std::string_view prefix : kLinkStarts) {
        for (size_t start = Find(cells, prefix, 0); start != kNotFound; start = Find(cells, prefix, start + 1)) {
            if (SkippedStart(cells, prefix, start)) continue;
            size_t end = LinkEnd(cells, start);
            if (end - start < kShortestLink) return false;
            if (cells[end - 1].ch == '.') --end;
            MarkLink(cells, start, end, colour);
        }
    }
    return true;
}

void MarkHighlights(Cells cells, const std::vector<std::string>& words, int colour) {
    for (const std::string& word : words) {
        for (size_t at = Find(cells, word, 0, true); at != kNotFound; at = Find(cells, word, at + 1, true)) {
            for (size_t i = at; i < at + word.size(); ++i)
                if (cells[i].attr < cellattr::kLink) cells[i].SetForeground(colour);
        }
    }
}

}  // namespace

LinkMarkingSettings LinkMarkingSettings::FromRegistry(const Registry& registry) {
    LinkMarkingSettings settings;
    settings.linkColour = registry.GetProfileInt("Colours", "Colour11", 0) & 0x0F;
    settings.highlightColour = registry.GetProfileInt("Colours", "Colour16", 0) & 0x0F;
    settings.highlightWords = SplitHighlightWords(registry.GetProfileString("Colours", "Highlight"));
    return settings;
}

std::vector<std::string> LinkMarkingSettings::SplitHighlightWords(std::string_view setting) {
    std::vector<std::string> words;
    while (!setting.empty()) {
        size_t comma = setting.find(',');
        std::string_view word = setting.substr(0, comma);
        if (!word.empty()) words.emplace_back(word);
        setting = comma == std::string_view::npos ? std::string_view() : setting.substr(comma + 1);
    }
    return words;
}

void MarkLinksAndHighlights(COutputBuffer& line, const LinkMarkingSettings& settings) {
    Cells cells = line.Text();
    if (MarkLinks(cells, settings.linkColour)) MarkHighlights(cells, settings.highlightWords, settings.highlightColour);
}

}  // namespace parlevox
