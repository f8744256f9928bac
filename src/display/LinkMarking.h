#pragma once
// Web addresses and highlight words in a formatted line, marked before the
// line is stored: a web address becomes link cells in the web address
// colour, and the user's highlight words take the highlight colour.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/OutputBuffer.h"

namespace parlevox {

class Registry;

struct LinkMarkingSettings {
    int linkColour = 0;       // colour index of slot 10 (web addresses)
    int highlightColour = 0;  // colour index of slot 15 (highlight words)
    std::vector<std::string> highlightWords;

    // "Colours"/"Colour11", "Colour16" and "Highlight".
    static LinkMarkingSettings FromRegistry(const Registry& registry);
    // The "Highlight" setting is a list of words separated by ","; empty
    // words are left out.
    static std::vector<std::string> SplitHighlightWords(std::string_view setting);

    bool operator==(const LinkMarkingSettings&) const = default;
};

// Links are searched case-sensitively ("http://", "ftp://", "telnet://",
// "www."), every start once. A link shorter than 10 characters ends the
// marking of the line, highlight words included.
void MarkLinksAndHighlights(COutputBuffer& line, const LinkMarkingSettings& settings);

}  // namespace parlevox
