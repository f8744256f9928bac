// Which scheme a window uses, with 128 schemes installed (the most the list
// holds), none of which applies: the walk goes down to the built-in scheme.
// A pane asks on every paint, so the remembered answer is the usual case;
// the walk itself happens after every change of the list.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "display/SchemeFile.h"
#include "display/SchemeManager.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

class QuietUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest&) override { return MessageResult::Ok; }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

struct FullList {
    FullList() : folder(std::filesystem::temp_directory_path() / "parlevox-scheme-bench") {
        std::filesystem::create_directories(folder);
        for (int i = 1; i < CSchemeManager::kMaxSchemes; ++i) {
            CScheme scheme;
            SchemeUsage usage;
            usage.channels = {"#project-" + std::to_string(i) + "-*", "#team" + std::to_string(i)};
            usage.servers = {"*.network" + std::to_string(i) + ".org"};
            scheme.SetUsage(usage);
            const std::string path = (folder / ("s" + std::to_string(i) + ".ParlevoxScheme")).string();
            WriteSchemeFile(path, scheme);
            schemes.Install(path);
        }
    }
    ~FullList() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    QuietUserInterface ui;
    CSchemeManager schemes{ui, "/"};
};

const SchemeWindow kWindow{SchemeWindow::Kind::Channel, "#parlevox", "irc.example.net"};

void BM_SchemeForWindowRemembered(benchmark::State& state) {
    static FullList list;
    for (auto _ : state) benchmark::DoNotOptimize(&list.schemes.SchemeForWindow(kWindow));
}
BENCHMARK(BM_SchemeForWindowRemembered)->Unit(benchmark::kNanosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Two moves (which forget every answer) and the walk of all 128 entries.
void BM_SchemeForWindowAfterAChange(benchmark::State& state) {
    static FullList list;
    for (auto _ : state) {
        list.schemes.MoveDown(1);
        list.schemes.MoveUp(2);
        benchmark::DoNotOptimize(&list.schemes.SchemeForWindow(kWindow));
    }
}
BENCHMARK(BM_SchemeForWindowAfterAChange)->Unit(benchmark::kNanosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
