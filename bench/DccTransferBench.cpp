// A 1 GiB file sent and received over loopback through the real transfer
// sockets, with the default 4096-byte send-ahead (one 2048-byte block per
// acknowledgement) and a 1 MiB one; both ends in one loop (the whole cost
// on one core), and each end in a loop and thread of its own, as two
// clients would be. The received file is written to the temp folder like
// any download, and that write is most of the cost. Counters: MB/s, CPU seconds per MB
// (user + system, both ends together), and the process's peak RSS before
// and after the transfer, which stays put: the buffers are fixed, whatever
// the file's size.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "dcc/DCCWnd.h"
#include "platform/PollEventLoop.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

constexpr uint64_t kFileSize = 1ull << 30;
constexpr uint32_t kLoopback = 0x7F000001;
constexpr double kMB = 1e6;

class QuietUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest&) override { return MessageResult::Ok; }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// The file to send, written once (not sparse: holes would read for free)
// and removed with the folder at exit.
struct SourceFile {
    SourceFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "parlevox-dcc-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        folder = pattern;
        path = folder + "/source.bin";
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return;
        std::vector<unsigned char> block(1 << 20);
        uint32_t seed = 7;
        for (uint64_t written = 0; written < kFileSize; written += block.size()) {
            for (unsigned char& c : block) c = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 16);
            std::fwrite(block.data(), 1, block.size(), file);
        }
        // On disk before timing starts, so that its writeback does not compete.
        ready = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
        ready = std::fclose(file) == 0 && ready;
    }
    ~SourceFile() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    std::string folder, path;
    bool ready = false;
};

SourceFile& Source() {
    static SourceFile source;
    return source;
}

double CpuSeconds() {
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakRssMB() {
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

bool Stopped(const CDCCWnd& window) {
    return window.GetState() == CDCCWnd::State::Completed || window.GetState() == CDCCWnd::State::Failed;
}

bool Completed(const CDCCWnd& window) {
    return window.GetState() == CDCCWnd::State::Completed;
}

// The offer of the file; its loop runs until it stops.
std::unique_ptr<CDCCWnd> StartSending(EventLoop& loop, UserInterface& ui, const DccTransferSettings& settings,
                                      std::string& error) {
    return CDCCWnd::StartSend(loop, ui, {"bench", Source().path, false}, settings, error);
}

std::unique_ptr<CDCCWnd> StartReceiving(EventLoop& loop, UserInterface& ui, const DccTransferSettings& settings,
                                        uint16_t port, std::string& error) {
    DccReceiveRequest request;
    request.nick = "bench";
    request.path = Source().folder + "/target.bin";
    request.size = kFileSize;
    request.ip = kLoopback;
    request.port = port;
    return CDCCWnd::StartReceive(loop, ui, request, settings, error);
}

bool RunToTheEnd(EventLoop& loop, std::initializer_list<const CDCCWnd*> windows) {
    return loop.RunUntil([&] {
        for (const CDCCWnd* window : windows)
            if (!Stopped(*window)) return false;
        return true;
    }, 600'000);
}

void DrainAndClose(EventLoop& loop, std::unique_ptr<CDCCWnd>& window) {
    window.reset();
    loop.RunUntil([&] { return loop.PendingTimerCount() == 0; }, 1000);
}

// Both ends in one loop: the cost of the whole transfer on one core.
bool TransferInOneLoop(const DccTransferSettings& settings) {
    PollEventLoop loop;
    QuietUserInterface ui;
    std::string error;
    auto sender = StartSending(loop, ui, settings, error);
    if (!sender) return false;
    auto receiver = StartReceiving(loop, ui, settings, sender->ListenPort(), error);
    const bool done = receiver && RunToTheEnd(loop, {sender.get(), receiver.get()}) && Completed(*sender) &&
                      Completed(*receiver);
    DrainAndClose(loop, sender);
    if (receiver) DrainAndClose(loop, receiver);
    return done;
}

// Each end in a thread and loop of its own, as two clients would be.
bool TransferBetweenTwoLoops(const DccTransferSettings& settings) {
    std::promise<uint16_t> port;
    std::future<uint16_t> portReady = port.get_future();
    std::future<bool> sent = std::async(std::launch::async, [&] {
        PollEventLoop loop;
        QuietUserInterface ui;
        std::string error;
        auto sender = StartSending(loop, ui, settings, error);
        port.set_value(sender ? sender->ListenPort() : 0);
        const bool done = sender && RunToTheEnd(loop, {sender.get()}) && Completed(*sender);
        if (sender) DrainAndClose(loop, sender);
        return done;
    });
    PollEventLoop loop;
    QuietUserInterface ui;
    std::string error;
    const uint16_t listening = portReady.get();
    auto receiver = listening ? StartReceiving(loop, ui, settings, listening, error) : nullptr;
    const bool received = receiver && RunToTheEnd(loop, {receiver.get()}) && Completed(*receiver);
    if (receiver) DrainAndClose(loop, receiver);
    return sent.get() && received;
}

void BM_LoopbackTransfer1GiB(benchmark::State& state) {
    if (!Source().ready) {
        state.SkipWithError("could not write the source file");
        return;
    }
    const DccTransferSettings settings {"127.0.0.1", {}, static_cast<uint32_t>(state.range(0))};
    const bool twoLoops = state.range(1) == 2;
    const std::string target = Source().folder + "/target.bin";
    double seconds = 0, cpu = 0, rssBefore = 0, rssAfter = 0;
    for (auto _ : state) {
        rssBefore = PeakRssMB();
        const double cpuStart = CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const bool done = twoLoops ? TransferBetweenTwoLoops(settings) : TransferInOneLoop(settings);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += CpuSeconds() - cpuStart;
        rssAfter = PeakRssMB();
        std::error_code ignored;
        if (!done || std::filesystem::file_size(target, ignored) != kFileSize) {
            state.SkipWithError("the transfer did not complete");
            return;
        }
        std::filesystem::remove(target);
    }
    const double megabytes = double(kFileSize) * double(state.iterations()) / kMB;
    state.counters["MB_per_s"] = megabytes / seconds;
    state.counters["cpu_s_per_MB"] = cpu / megabytes;
    state.counters["peak_rss_MB_before"] = rssBefore;
    state.counters["peak_rss_MB_after"] = rssAfter;
}
BENCHMARK(BM_LoopbackTransfer1GiB)
    ->ArgNames({"send_ahead", "loops"})
    ->Args({4096, 1})
    ->Args({1 << 20, 1})
    ->Args({4096, 2})
    ->Args({1 << 20, 2})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
