// A large network's channel list: 100,000 "322" replies handed to a real
// network window line by line, as its socket hands them, gathered by the
// join window's listing; and the same into the "All channels" table, sorted
// by users and shown offscreen, taking what arrived every 5,000 lines the
// way the page's timer does, with the longest such step reported.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "irc/ConnectionState.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"
#include "ui/ChannelListQuery.h"

#ifdef PARLEVOX_BENCH_QT
#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include "ui/qt/ChannelListModel.h"
#endif

namespace parlevox {
namespace {

constexpr int kChannels = 100000;
constexpr int kTakeEvery = 5000;

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

// The replies of a large network: names, counts and topics of the usual
// lengths, the start and end of the listing around them.
std::vector<std::string> ListReplies() {
    std::vector<std::string> lines;
    lines.reserve(kChannels + 2);
    lines.push_back(":irc.example.net 321 me Channel :Users  Name");
    for (int i = 0; i < kChannels; ++i) {
        const int users = 1 + static_cast<int>((static_cast<long long>(i) * 7919) % 900);
        const long long name = static_cast<long long>(i) * 104729 % 999983;  // unique, not in order
        lines.push_back(":irc.example.net 322 me #channel" + std::to_string(name) + " " + std::to_string(users) +
                        " :[+nt] \x02" "Topic\x02 of this channel, " + std::to_string(i) +
                        ": talk about anything you like here");
    }
    lines.push_back(":irc.example.net 323 me :End of /LIST");
    return lines;
}

struct Network {
    Network() { connection.currentNick = "me"; }
    PollEventLoop loop;
    CIRCNotifyList dispatch{loop};
    NoStatus status;
    ConnectionState connection;
    CNetworkWnd window{loop, connection, status, dispatch, nullptr};
    CChannelListQuery query{loop, window.Handle(), connection};

    void Receive(const std::string& line) {
        loop.SendMessage(window.Handle(), WindowMessage(netmsg::kLineReceived, line));
    }
};

void BM_ChannelList100000(benchmark::State& state) {
    const std::vector<std::string> lines = ListReplies();
    for (auto _ : state) {
        state.PauseTiming();
        auto network = std::make_unique<Network>();
        size_t gathered = 0;
        state.ResumeTiming();
        network->query.Refresh({});
        for (size_t i = 0; i < lines.size(); ++i) {
            network->Receive(lines[i]);
            if (i % kTakeEvery == 0) gathered += network->query.TakeArrived().size();
        }
        gathered += network->query.TakeArrived().size();
        state.PauseTiming();
        if (gathered != kChannels || network->query.Running()) state.SkipWithError("listing incomplete");
        network.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_ChannelList100000)->Unit(benchmark::kMillisecond);

#ifdef PARLEVOX_BENCH_QT
void BM_ChannelListIntoTable100000(benchmark::State& state) {
    const std::vector<std::string> lines = ListReplies();
    double worstStepMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto network = std::make_unique<Network>();
        auto model = std::make_unique<ChannelListModel>();
        auto table = std::make_unique<QTableView>();
        table->setModel(model.get());
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->setSortingEnabled(true);
        table->sortByColumn(ChannelListModel::kUsers, Qt::DescendingOrder);
        table->resize(640, 400);
        table->show();
        QApplication::processEvents();
        state.ResumeTiming();
        network->query.Refresh({});
        for (size_t i = 0; i < lines.size(); ++i) {
            network->Receive(lines[i]);
            if (i % kTakeEvery != 0 && i + 1 != lines.size()) continue;
            const auto start = std::chrono::steady_clock::now();
            model->Append(network->query.TakeArrived());
            QApplication::processEvents();  // the repaint the timer's step allows
            const std::chrono::duration<double, std::milli> step = std::chrono::steady_clock::now() - start;
            worstStepMs = std::max(worstStepMs, step.count());
        }
        state.PauseTiming();
        if (model->Count() != kChannels || model->At(0).users != 900) state.SkipWithError("table incomplete");
        table.reset();
        model.reset();
        network.reset();
        state.ResumeTiming();
    }
    state.counters["worst_step_ms"] = worstStepMs;
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_ChannelListIntoTable100000)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace parlevox

int main(int argc, char** argv) {
#ifdef PARLEVOX_BENCH_QT
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
