// A full repaint of a 1280 x 800 output pane showing 40 lines over a scheme
// with two images (a 640 x 400 picture scaled over the client and a 200 x 100
// logo 1:1) and a fade box over the text area: once with the background
// redrawn for every paint (as after a resize or a scheme change), once with
// it cached. Reported as the median of the repetitions.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchScheme.h"
#include "display/OutputWnd.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

class BenchOwner : public OutputPaneOwner {
public:
    BenchOwner() {
        scheme.TextFont().SetFace("DejaVu Sans");
        scheme.TextFont().SetSize(15);
        bench::FillSampleScheme(scheme, 40);
    }
    const CScheme& Scheme() const override { return scheme; }
    ActionContext HotspotContext() const override { return {}; }
    bool IsChannelWindow() const override { return true; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    UserInterface& UI() const override { return UserInterface::Current(); }
    void OnContextMenu(int, int) override {}
    CScheme scheme;
};


struct Pane {
    BenchOwner owner;
    NullPaneView view;
    OutputSuppression suppression;
    COutputWnd pane{owner, view, nullptr, nullptr, suppression};

    Pane() {
        pane.Resize(kWidth, kHeight);
        pane.Model().SetMarking({12, 4, {}});
        for (int i = 0; i < 60; ++i)
            pane.AddLine("<\bnick" + std::to_string(i) + "\b> \x02" "bold\x02 and \x03" "4,1colour\x03 text, " +
                         (i % 10 == 0 ? "see http://example.org/page.html " : "") +
                         "more words to make a typical channel line of some eighty or more characters");
    }
};

void BM_PaintRebuildingBackground(benchmark::State& state) {
    Pane p;
    for (auto _ : state) {
        p.pane.SchemeChanged();
        benchmark::DoNotOptimize(p.pane.Paint().Pixels().data());
    }
    state.counters["lines"] = p.pane.Layout().visibleLines;
}
BENCHMARK(BM_PaintRebuildingBackground)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_PaintCachedBackground(benchmark::State& state) {
    Pane p;
    for (auto _ : state) benchmark::DoNotOptimize(p.pane.Paint().Pixels().data());
    state.counters["lines"] = p.pane.Layout().visibleLines;
}
BENCHMARK(BM_PaintCachedBackground)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
