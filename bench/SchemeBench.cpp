// Drawing a scheme into a 1280 x 800 client: a 640 x 400 picture scaled
// over the whole client, a 200 x 100 logo drawn 1:1 at the bottom right and
// a translucent fade box over the text area. Reported as the median of the
// repetitions.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchScheme.h"
#include "display/Scheme.h"

namespace parlevox {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

CScheme SampleScheme() {
    CScheme scheme;
    bench::FillSampleScheme(scheme);
    return scheme;
}

void BM_DrawScheme1280x800(benchmark::State& state) {
    CScheme scheme = SampleScheme();
    CRawBitmap image = CRawBitmap::TrueColour(kWidth, kHeight);
    for (auto _ : state) {
        scheme.Draw(image, kWidth, kHeight);
        benchmark::DoNotOptimize(image.Pixels().data());
    }
}
BENCHMARK(BM_DrawScheme1280x800)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
