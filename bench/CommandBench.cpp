// Typed "/msg #c text" lines through the command processor into a network
// window that only counts what it is sent, with the echo into an output
// that discards it.
#include <benchmark/benchmark.h>

#include <string>

#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandProcessor.h"
#include "commands/CommandVariables.h"
#include "irc/NetworkMessages.h"
#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"

namespace parlevox {
namespace {

class CountingNetworkWindow final : public MessageTarget {
public:
    using MessageTarget::MessageTarget;
    intptr_t OnMessage(WindowMessage& message) override {
        if (message.id == netmsg::kSendLine) bytes += message.text.size();
        return 0;
    }
    size_t bytes = 0;
};

class DiscardOutput final : public CommandOutput {
public:
    void AddLine(std::string_view text) override { bytes += text.size(); }
    void Clear() override {}
    size_t bytes = 0;
};

class NoVariables final : public CommandVariables {
public:
    void SetContext(std::string_view, std::string_view) override {}
    std::optional<std::string> ValueText(std::string_view) override { return std::nullopt; }
};

void BM_TypedMsgLines(benchmark::State& state) {
    PollEventLoop loop;
    CountingNetworkWindow network(loop);
    ConnectionState connection;
    CommandHost host;
    NoVariables variables;
    CommandProcessor processor(loop, network.Handle(), connection, host, variables, CommandSettings {});
    DiscardOutput output;
    const std::string channel = "#c", nick;
    for (auto _ : state) processor.Run("/msg #c text", channel, nick, output);
    benchmark::DoNotOptimize(network.bytes + output.bytes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypedMsgLines);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
