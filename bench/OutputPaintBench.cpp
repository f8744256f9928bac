// A full repaint of a 1280 x 800 output pane showing 40 lines over a scheme
// with two images (a 640 x 400 picture scaled over the client and a 200 x 100
// logo 1:1) and a fade box over the text area: once with the background
// redrawn for every paint (as after a resize or a scheme change), once with
// it cached. Reported as the median of the repetitions.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "display/OutputWnd.h"

namespace parlevox {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

std::unique_ptr<CSchemeImage> Picture(const char* name, int width, int height, AnchoredRect rect) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = image->Image().Pixel(x, y);  // opacity, blue, green, red
            pixel[0] = static_cast<uint8_t>(x ^ y);
            pixel[1] = static_cast<uint8_t>(128 + (x + y) % 128);
            pixel[2] = static_cast<uint8_t>(x);
            pixel[3] = static_cast<uint8_t>(y);
        }
    image->Rect() = rect;
    return image;
}

class BenchOwner : public OutputPaneOwner {
public:
    BenchOwner() {
        AnchoredRect whole{{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}};
        scheme.AppendToDrawOrder(scheme.AddItem(Picture("backdrop", 640, 400, whole)));
        scheme.AppendToDrawOrder(
            scheme.AddItem(Picture("logo", 200, 100, {{-210, 256, 0, -110, 0, 256}, {-10, 256, 0, -10, 0, 256}})));
        scheme.TextFont().SetFace("DejaVu Sans");
        scheme.TextFont().SetSize(15);
        // A text area exactly 40 lines high.
        TextMargins margins = scheme.Margins();
        const int lineHeight = scheme.TextFont().Glyphs().LineHeight();
        margins.rect.bottomRight = {-8, 256, 0, 8 + 40 * lineHeight, 0, 0};
        scheme.SetMargins(margins);
        auto fade = std::make_unique<CSchemeFadebox>("fade");
        fade->Rect() = margins.rect;
        fade->SetOpacity(160);
        scheme.AppendToDrawOrder(scheme.AddItem(std::move(fade)));
    }
    const CScheme& Scheme() const override { return scheme; }
    ActionContext HotspotContext() const override { return {}; }
    bool IsChannelWindow() const override { return true; }
    void OnNicknameMenu(const std::string&, int, int) override {}
    void OnContextMenu(int, int) override {}
    CScheme scheme;
};

class NullView : public OutputPaneView {
public:
    void Invalidate(const PixelRect&) override {}
    void SetCursor(PaneCursor) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void ScrollBarChanged(const ScrollBarValues&) override {}
};

struct Pane {
    BenchOwner owner;
    NullView view;
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
