// A channel's names list under load: a 20,000-nick listing arriving as the
// server sends it (353 lines, each split into name events by the main
// frame's handler, then 366), and joins and parts in a 20,000-nick channel,
// all through the real dispatch.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/ConnectionState.h"
#include "irc/EventHandlerWindow.h"
#include "irc/EventTypes.h"
#include "irc/IMServer.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NamesReply.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"
#include "ui/NamesList.h"

namespace parlevox {
namespace {

constexpr int kNicks = 20000;
constexpr int kNamesPerLine = 40;  // lines of about 450 bytes, as servers send them

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

// The main frame's names reply handler.
class NamesSplitter final : public EventHandlerWindow {
public:
    NamesSplitter(EventLoop& loop, WindowHandle network, CIRCNotifyList& list)
        : EventHandlerWindow(loop, network), list_(list) {
        HandlerRecord record;
        record.eventType = kServerNumeric;
        record.filters = filter::kNumeric;
        record.numeric = 353;
        record.priority = priority::kAutomatic;
        Register(record);
    }

protected:
    void OnEvent(CIRCMessage& message, uint32_t) override {
        for (auto& name : SplitNamesReply(static_cast<C_imServerNumeric&>(message))) list_.Dispatch(std::move(name));
    }

private:
    CIRCNotifyList& list_;
};

struct Channel {
    Channel() { connection.currentNick = "me"; }
    PollEventLoop loop;
    CIRCNotifyList dispatch{loop};
    NoStatus status;
    ConnectionState connection;
    CNetworkWnd network{loop, connection, status, dispatch, nullptr};
    NamesSplitter splitter{loop, network.Handle(), dispatch};
    CNamesList names{loop, network.Handle(), connection, "#bench"};

    void Feed(const std::string& line) {
        ParseOptions options;
        dispatch.Dispatch(ParseIRCLine(line, options).message);
    }
};

std::string Nick(int i) {
    static const char* const kMarks[] = {"@", "+", "", "", "", "", "", ""};
    return kMarks[i % 8] + std::string("User") + std::to_string((i * 7919) % kNicks);  // not in order
}

std::vector<std::string> ListingLines() {
    std::vector<std::string> lines;
    std::string line;
    for (int i = 0; i < kNicks; ++i) {
        if (i % kNamesPerLine == 0) {
            if (!line.empty()) lines.push_back(line);
            line = ":irc.example.net 353 me = #bench :";
        }
        line += Nick(i) + " ";
    }
    lines.push_back(line);
    lines.push_back(":irc.example.net 366 me #bench :End of /NAMES list.");
    return lines;
}

void BM_NamesListing20000(benchmark::State& state) {
    const std::vector<std::string> lines = ListingLines();
    for (auto _ : state) {
        state.PauseTiming();
        auto channel = std::make_unique<Channel>();
        state.ResumeTiming();
        for (const std::string& line : lines) channel->Feed(line);
        benchmark::DoNotOptimize(channel->names.Count());
        state.PauseTiming();
        if (channel->names.Count() != kNicks) state.SkipWithError("listing incomplete");
        channel.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kNicks);
}
BENCHMARK(BM_NamesListing20000)->Unit(benchmark::kMillisecond);

// Each iteration is one event: a join or the part that follows it, of
// nicks spread over the list's order. Lines are parsed ahead, in batches.
void BM_JoinsAndPartsIn20000(benchmark::State& state) {
    Channel channel;
    for (const std::string& line : ListingLines()) channel.Feed(line);
    ParseOptions options;
    std::vector<std::unique_ptr<CIRCMessage>> batch;
    size_t next = 0;
    int round = 0;
    auto refill = [&] {
        batch.clear();
        for (int i = 0; i < 5000; ++i, ++round) {
            const std::string nick = "Guest" + std::to_string(static_cast<long long>(round) * 104729 % 99991);
            batch.push_back(ParseIRCLine(":" + nick + "!u@h JOIN :#bench", options).message);
            batch.push_back(ParseIRCLine(":" + nick + "!u@h PART #bench :bye", options).message);
        }
        next = 0;
    };
    refill();
    for (auto _ : state) {
        if (next == batch.size()) {
            state.PauseTiming();
            refill();
            state.ResumeTiming();
        }
        channel.dispatch.Dispatch(std::move(batch[next++]));
    }
    if (channel.names.Count() < kNicks) state.SkipWithError("members lost");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JoinsAndPartsIn20000);

// The list alone, without dispatch: an add and a removal per iteration.
void BM_AddRemoveIn20000(benchmark::State& state) {
    Channel channel;
    for (const std::string& line : ListingLines()) channel.Feed(line);
    int round = 0;
    for (auto _ : state) {
        const std::string nick = "Guest" + std::to_string(static_cast<long long>(++round) * 104729 % 99991);
        channel.names.Add(nick, false, false);
        channel.names.Remove(nick);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_AddRemoveIn20000);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
