// Storing channel lines in an output pane 1280 pixels wide: text to cells,
// link and highlight marking, wrapping with the glyph widths of five real
// fonts and the ring bookkeeping. The target is 300,000 lines a second.
// The memory of the two rings is reported as a counter.
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include "display/LinkMarking.h"
#include "display/OutputPaneModel.h"
#include "platform/FontRasterizer.h"

namespace parlevox {
namespace {

// The advance widths of "Arial" at 15 pixels in the five variants.
class RasterWidths final : public CellWidths {
public:
    RasterWidths() {
        const FontSpec specs[kFontCount] = {
            {"Arial", 15, false, false, false}, {"Arial", 15, false, true, false},
            {"Arial", 15, true, false, false},  {"Arial", 15, true, true, false},
            {"Arial", 15, false, false, true},
        };
        for (int i = 0; i < kFontCount; ++i) fonts_[static_cast<size_t>(i)] = RasterFont::Create(specs[i]);
    }
    int Width(int font, unsigned char ch) const override {
        return fonts_[static_cast<size_t>(font)]->GlyphFor(ch).advance;
    }

private:
    std::array<std::shared_ptr<const RasterFont>, kFontCount> fonts_;
};

const char* const kWords[] = {"the", "server", "is", "lagging", "again", "anyone", "know", "why", "lol", "parlevox",
                              "scheme", "works", "fine", "here", "channel", "topic", "changed", "tonight", "meeting", "ok"};

// Lines of 80-200 characters as a channel shows them: a coloured nickname,
// some colour and bold codes in the text, a web address in one line of ten.
std::vector<std::string> ChannelLines(size_t count) {
    std::mt19937 random(42);
    std::vector<std::string> lines;
    for (size_t i = 0; i < count; ++i) {
        const size_t length = 80 + random() % 121;
        std::string line = fmt::format("\x03" "5<\bnick{}\b>\x0f ", random() % 50);
        if (i % 10 == 0) line += "look at http://www.example.org/some/page.html ";
        while (line.size() < length) {
            switch (random() % 12) {
            case 0: line += fmt::format("\x03{} ", random() % 16); break;
            case 1: line += "\x02"; break;
            default: line += std::string(kWords[random() % std::size(kWords)]) + " ";
            }
        }
        lines.push_back(line.substr(0, length));
    }
    return lines;
}

void BM_AddLine(benchmark::State& state) {
    static const RasterWidths widths;
    const std::vector<std::string> lines = ChannelLines(1024);
    OutputSuppression suppression;
    auto pane = std::make_unique<OutputPaneModel>(suppression);
    pane->SetMarking({12, 4, {"parlevox", "nick7"}});
    // Text area 4-1276 with a continuation indent of 24.
    pane->SetLayout(widths, {1272, 0, 24}, 40);
    size_t next = 0;
    for (auto _ : state) {
        pane->AddLine(ToCells(lines[next]));
        next = (next + 1) % lines.size();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.counters["display_lines"] = static_cast<double>(pane->Rings().StoredLines());
    state.counters["ring_bytes"] = static_cast<double>(OutputRings::RingBytes());
    state.counters["pane_bytes"] = static_cast<double>(OutputRings::RingBytes() + sizeof(OutputPaneModel));
}
BENCHMARK(BM_AddLine);

// The part that is the pane's alone, without the conversion to cells.
void BM_AddConvertedLine(benchmark::State& state) {
    static const RasterWidths widths;
    std::vector<COutputBuffer> lines;
    for (const std::string& text : ChannelLines(1024)) lines.push_back(ToCells(text));
    OutputSuppression suppression;
    auto pane = std::make_unique<OutputPaneModel>(suppression);
    pane->SetMarking({12, 4, {"parlevox", "nick7"}});
    pane->SetLayout(widths, {1272, 0, 24}, 40);
    size_t next = 0;
    for (auto _ : state) {
        pane->AddLine(lines[next]);
        next = (next + 1) % lines.size();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_AddConvertedLine);

// A hostile line of nothing but link starts: every start's link runs to the
// end of the line, so the marking must stay linear in the line's length.
void BM_MarkRepeatedLinkStarts(benchmark::State& state) {
    std::string text;
    while (text.size() < static_cast<size_t>(state.range(0))) text += "http://";
    const COutputBuffer original = ToCells(text);
    const LinkMarkingSettings settings{12, 4, {"parlevox"}};
    for (auto _ : state) {
        COutputBuffer line = original;
        MarkLinksAndHighlights(line, settings);
        benchmark::DoNotOptimize(line);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MarkRepeatedLinkStarts)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
