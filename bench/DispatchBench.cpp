// Dispatch of channel messages along a chain of eight handler windows (of
// eleven registered), as a connected client has them: ignore check, names
// list, reactions, the channel window and the fallback display, some with
// filters.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/EventHandlerWindow.h"
#include "irc/EventTypes.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"

namespace parlevox {
namespace {

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

class CountingHandler final : public EventHandlerWindow {
public:
    using EventHandlerWindow::EventHandlerWindow;
    void OnEvent(CIRCMessage& message, uint32_t) override {
        seen += message.text.size();
        message.handled = 1;
    }
    size_t seen = 0;
};

struct HandlerSpec {
    uint32_t type;
    int32_t priority;
    uint32_t filters;
};

void BM_DispatchChannelMessage(benchmark::State& state) {
    PollEventLoop loop;
    CIRCNotifyList list(loop);
    NoStatus status;
    ConnectionState connection;
    CNetworkWnd network(loop, connection, status, list, nullptr);
    const HandlerSpec specs[] = {
        {kPRIVMSG, priority::kIgnoreList, 0},          // ignore check and flood detection
        {kChannelEvent, priority::kNamesList, 0},       // names list (not on this path)
        {kPRIVMSG, priority::kNamesList, 0},            // names list activity
        {kNormalPM, priority::kReactions, 0},           // reactions
        {kChannelMessage, priority::kReactions, filter::kChannel},
        {kChannelMessage, 0, filter::kChannel},         // the channel window
        {kCTCPMessage, priority::kAutomatic, 0},        // CTCP replies (not on this path)
        {kNormalPM, priority::kConnection, 0},          // a temporary watcher
        {kChannelMessage, priority::kFallback, 0},
        {kPRIVMSG, priority::kFallback, filter::kMask},
        {kPrivateMessage, priority::kFallback, 0},      // standard set (not on this path)
    };
    std::vector<std::unique_ptr<CountingHandler>> handlers;
    for (const HandlerSpec& spec : specs) {
        handlers.push_back(std::make_unique<CountingHandler>(loop, network.Handle()));
        HandlerRecord record;
        record.eventType = spec.type;
        record.priority = spec.priority;
        record.filters = spec.filters;
        record.channel = "#bench";
        record.mask = {"*", "*", "*"};
        handlers.back()->Register(record);
    }
    ParseOptions options;
    const std::string line = ":nick123!user@host.example.net PRIVMSG #bench :a line of chat text of usual length";
    std::vector<std::unique_ptr<CIRCMessage>> batch;
    size_t next = 0;
    auto refill = [&] {
        batch.clear();
        for (int i = 0; i < 10000; ++i) batch.push_back(ParseIRCLine(line, options).message);
        next = 0;
    };
    refill();
    size_t chainLength = list.BuildChain(*batch[0]).entries.size();
    for (auto _ : state) {
        if (next == batch.size()) {
            state.PauseTiming();
            refill();
            state.ResumeTiming();
        }
        list.Dispatch(std::move(batch[next++]));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["chain"] = static_cast<double>(chainLength);
}
BENCHMARK(BM_DispatchChannelMessage);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
