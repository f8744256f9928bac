// Reading a scheme file of about 2 MB: four 640 x 480 pictures of
// gradients with noise in their low bits, so that they compress to about
// half of their size. The file lies in a temporary folder; the whole read is
// timed (file, inflating, records, items). Reported as the median of the
// repetitions, with the file's size as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "display/SchemeFile.h"

namespace parlevox {
namespace {

constexpr int kWidth = 640, kHeight = 480, kPictures = 4;

std::unique_ptr<CSchemeImage> NoisyGradient(int index, std::mt19937& random) {
    auto item = std::make_unique<CSchemeImage>("picture" + std::to_string(index));
    item->Image() = AlphaImage(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t noise = random();
            uint8_t* pixel = item->Image().Pixel(x, y);  // opacity, blue, green, red
            pixel[0] = 255;
            pixel[1] = static_cast<uint8_t>((x * 255 / kWidth & 0xF0) | (noise & 0x03));
            pixel[2] = static_cast<uint8_t>((y * 255 / kHeight & 0xF0) | (noise >> 4 & 0x03));
            pixel[3] = static_cast<uint8_t>(((x + y + index * 64) & 0xF0) | (noise >> 8 & 0x03));
        }
    item->Rect() = FixedRect(index * 16, 0, index * 16 + kWidth, kHeight);
    return item;
}

class SchemeFileOnDisk {
public:
    SchemeFileOnDisk() {
        char folder[] = "/tmp/parlevox-scheme-bench-XXXXXX";
        if (!mkdtemp(folder)) std::abort();
        folder_ = folder;
        path_ = folder_ + "/four-pictures.ParlevoxScheme";
        std::mt19937 random(7);
        CScheme scheme;
        for (int i = 0; i < kPictures; ++i) scheme.AppendToDrawOrder(scheme.AddItem(NoisyGradient(i, random)));
        WriteSchemeFile(path_, scheme);
    }
    ~SchemeFileOnDisk() { std::filesystem::remove_all(folder_); }
    const std::string& Path() const { return path_; }

private:
    std::string folder_, path_;
};

void BM_ReadSchemeFileFourPictures(benchmark::State& state) {
    static SchemeFileOnDisk file;
    for (auto _ : state) {
        CScheme scheme = ReadSchemeFile(file.Path());
        benchmark::DoNotOptimize(scheme.ItemCount());
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.Path()));
}
BENCHMARK(BM_ReadSchemeFileFourPictures)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
