// Window text into output cells, then link and highlight marking. Marking
// may change attributes and colours but never the characters or the length,
// and only text cells come out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/LinkMarking.h"
#include "display/OutputBuffer.h"
#include "FuzzFail.h"

// Input: the "Highlight" setting, a 0x01 byte, then the line. The first
// byte of the setting part gives the two colours.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    LinkMarkingSettings settings;
    std::string_view text = input;
    size_t split = input.find('\x01');
    if (split != std::string_view::npos) {
        std::string_view setting = input.substr(0, split);
        text = input.substr(split + 1);
        if (!setting.empty()) {
            settings.linkColour = static_cast<uint8_t>(setting[0]) & 0x0F;
            settings.highlightColour = static_cast<uint8_t>(setting[0]) >> 4;
            settings.highlightWords = LinkMarkingSettings::SplitHighlightWords(setting.substr(1));
        }
    }

    COutputBuffer line = ToCells(text);
    if (line.Cells().empty() || !line.Cells().back().IsEnd()) FuzzFail("fuzz_output_cells", "a line does not end with the end cell");
    if (line.Length() > text.size()) FuzzFail("fuzz_output_cells", "more cells than bytes");
    for (const Cell& cell : line.Text())
        if (!cell.IsText()) FuzzFail("fuzz_output_cells", "a control cell inside the text");

    std::vector<Cell> before(line.Text().begin(), line.Text().end());
    MarkLinksAndHighlights(line, settings);
    if (line.Length() != before.size()) FuzzFail("fuzz_output_cells", "marking changed the length");
    for (size_t i = 0; i < before.size(); ++i) {
        const Cell& cell = line.Text()[i];
        if (cell.ch != before[i].ch) FuzzFail("fuzz_output_cells", "marking changed a character");
        if (!cell.IsText()) FuzzFail("fuzz_output_cells", "marking made a control cell");
        if (cell.Background() != before[i].Background()) FuzzFail("fuzz_output_cells", "marking changed a background");
    }
    (void)line.TrimmedLength();
    return 0;
}
