#include "display/LinkMarking.h"

#include <optional>
#include <span>
#include <vector>

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

// Where a link starting at any position ends: just after a ".html" anywhere
// later in the line, else at the first space, ",", ";" or control cell.
// Both answers are tabled once per line, so a line full of link starts
// ("http://http://...") costs linear time, not a scan per start.
class LinkEnds {
public:
    explicit LinkEnds(Cells cells) : html_(cells.size() + 1, kNotFound), stop_(cells.size() + 1, cells.size()) {
        constexpr std::string_view kHtml = ".html";
        for (size_t i = cells.size(); i-- > 0;) {
            html_[i] = i + kHtml.size() <= cells.size() && MatchesAt(cells, i, kHtml, false) ? i : html_[i + 1];
            stop_[i] = EndsLink(cells[i]) ? i : stop_[i + 1];
        }
    }
    size_t At(size_t start) const { return html_[start] != kNotFound ? html_[start] + 5 : stop_[start]; }

private:
    std::vector<size_t> html_;  // the first ".html" at or after each position
    std::vector<size_t> stop_;  // the first cell ending a link at or after each position
};

void MarkLinkCell(Cell& cell, int colour) {
    cell.attr |= cellattr::kLink;
    // A bold italic nickname would turn into a control cell: the link wins.
    if (cell.IsControl()) cell.attr &= static_cast<uint8_t>(~cellattr::kNickname);
    cell.SetForeground(colour);
}

bool SkippedStart(Cells cells, std::string_view prefix, size_t start) {
    size_t after = start + prefix.size();
    return prefix == "www." && after < cells.size() && cells[after].ch == '.';
}

// False when a link too short to be one stopped the marking. Links may
// overlap, and every link is marked alike, so the links found are collected
// as opening and closing counts and each cell is marked at most once.
bool MarkLinks(Cells cells, int colour) {
    std::optional<LinkEnds> ends;  // only lines with a link start pay for it
    std::vector<int> opened;
    bool complete = true;
    for (std::string_view prefix : kLinkStarts) {
        for (size_t start = Find(cells, prefix, 0); start != kNotFound; start = Find(cells, prefix, start + 1)) {
            if (SkippedStart(cells, prefix, start)) continue;
            if (!ends) {
                ends.emplace(cells);
                opened.assign(cells.size() + 1, 0);
            }
            size_t end = ends->At(start);
            if (end - start < kShortestLink) {
                complete = false;
                break;
            }
            if (cells[end - 1].ch == '.') --end;
            ++opened[start];
            --opened[end];
        }
        if (!complete) break;
    }
    int open = 0;
    for (size_t i = 0; i < opened.size() && i < cells.size(); ++i)
        if ((open += opened[i]) > 0) MarkLinkCell(cells[i], colour);
    return complete;
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
