// Drawing a scheme into a 1280 x 800 client: a 640 x 400 picture scaled
// over the whole client, a 200 x 100 logo drawn 1:1 at the bottom right and
// a translucent fade box over the text area. Reported as the median of the
// repetitions.
#include <benchmark/benchmark.h>

#include <memory>

#include "display/Scheme.h"

namespace parlevox {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

std::unique_ptr<CSchemeImage> Picture(const char* name, int width, int height, AnchoredRect rect) {
    auto image = std::make_unique<CSchemeImage>(name);
    image->Image() = AlphaImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = image->Image().Pixel(x, y);
            pixel[0] = static_cast<uint8_t>(128 + (x + y) % 128);
            pixel[1] = static_cast<uint8_t>(x);
            pixel[2] = static_cast<uint8_t>(y);
            pixel[3] = static_cast<uint8_t>(x ^ y);
        }
    image->Rect() = rect;
    return image;
}

CScheme SampleScheme() {
    CScheme scheme;
    AnchoredRect whole{{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}};
    scheme.AppendToDrawOrder(scheme.AddItem(Picture("backdrop", 640, 400, whole)));
    scheme.AppendToDrawOrder(
        scheme.AddItem(Picture("logo", 200, 100, {{-210, 256, 0, -110, 0, 256}, {-10, 256, 0, -10, 0, 256}})));
    auto fade = std::make_unique<CSchemeFadebox>("fade");
    fade->Rect() = scheme.Margins().rect;
    fade->SetOpacity(160);
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(fade)));
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
