// Loading and saving a settings file of about 5,000 values: the registry
// file alone, and the whole path the client takes (file plus options
// record). The target is under 50 ms for each.
#include <stdlib.h>

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/Registry.h"
#include "settings/OptionsRecord.h"

namespace parlevox {
namespace {

constexpr int kChannels = 700;  // 7 values each, none of them a default

std::string TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "parlevox-bench-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

OptionsRecord BusyRecord() {
    OptionsRecord record;
    record.yourInfo.userName = "bench";
    record.yourInfo.description = "A user with many remembered channels \"and quotes\" \\ and\r\ncontrol bytes";
    for (int i = 0; i < OptionsRecord::Colours::kSlots; ++i) record.colours.values[i] = 0x10101 * (i + 1);
    for (int i = 0; i < kChannels; ++i)
        record.channels.push_back(
            {"#channel-" + std::to_string(i), "key" + std::to_string(i), true, i + 1, i + 2, 600 + i, 400 + i});
    for (int i = 0; i < 30; ++i)
        record.friends.push_back({"friend" + std::to_string(i), "*!*@host" + std::to_string(i), i + 1});
    return record;
}

size_t CountValues(const RegistryKey& key) {
    size_t count = key.values.size();
    for (const auto& entry : key.subkeys) count += CountValues(*entry.second);
    return count;
}

// A settings file written once for all runs.
class SettingsFile {
public:
    SettingsFile() : folder_(TempFolder()), path_(folder_ + "/registry.reg") {
        Registry registry;
        registry.Load(path_);
        BusyRecord().Save(registry);
        registry.Save();
        values_ = CountValues(*registry.OpenKey(""));
    }
    ~SettingsFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& Path() const { return path_; }
    size_t Values() const { return values_; }

private:
    std::string folder_;
    std::string path_;
    size_t values_ = 0;
};

SettingsFile& File() {
    static SettingsFile file;
    return file;
}

void BM_LoadRegistryFile(benchmark::State& state) {
    for (auto _ : state) {
        Registry registry;
        registry.Load(File().Path());
        benchmark::DoNotOptimize(registry.OpenKey(""));
    }
    state.counters["values"] = static_cast<double>(File().Values());
}
BENCHMARK(BM_LoadRegistryFile)->Unit(benchmark::kMillisecond);

void BM_SaveRegistryFile(benchmark::State& state) {
    Registry registry;
    registry.Load(File().Path());
    for (auto _ : state) {
        if (!registry.Save()) state.SkipWithError("save failed");
    }
    state.counters["values"] = static_cast<double>(File().Values());
}
BENCHMARK(BM_SaveRegistryFile)->Unit(benchmark::kMillisecond);

// Start-up: the file, then the options record with its lists.
void BM_LoadSettings(benchmark::State& state) {
    for (auto _ : state) {
        Registry registry;
        registry.Load(File().Path());
        OptionsRecord record;
        record.Load(registry);
        benchmark::DoNotOptimize(record.channels.data());
    }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMillisecond);

// A change: the record saves (only the changed value reaches the store)
// and the file is written.
void BM_SaveSettings(benchmark::State& state) {
    Registry registry;
    registry.Load(File().Path());
    OptionsRecord record;
    record.Load(registry);
    int left = 0;
    for (auto _ : state) {
        record.channels[kChannels / 2].left = ++left;
        record.Save(registry);
        if (!registry.Save()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
