// The Str script commands as scripts call them (typed values through the
// command processor, a result back) on 64 KB texts: a StrReplace of 10,000
// occurrences, StrSplit and StrFind, and StrMatch at its worst (1,000 stars
// against 100 KB, and a long piece that almost matches everywhere).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandProcessor.h"
#include "commands/CommandResult.h"
#include "commands/CommandVariables.h"
#include "common/Masks.h"
#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"

namespace parlevox {
namespace {

class NoNetwork final : public MessageTarget {
public:
    using MessageTarget::MessageTarget;
    intptr_t OnMessage(WindowMessage&) override { return 0; }
};

class DiscardOutput final : public CommandOutput {
public:
    void AddLine(std::string_view) override {}
    void Clear() override {}
};

class NoVariables final : public CommandVariables {
public:
    void SetContext(std::string_view, std::string_view) override {}
    std::optional<std::string> ValueText(std::string_view) override { return std::nullopt; }
};

class Commands {
public:
    CommandResult Call(std::string_view name, const std::vector<CommandArgument>& values) {
        CommandResult result;
        processor.Call(name, values, channel, output, &result);
        return result;
    }

private:
    PollEventLoop loop;
    NoNetwork network {loop};
    ConnectionState connection;
    CommandHost host;
    NoVariables variables;
    CommandProcessor processor {loop, network.Handle(), connection, host, variables, CommandSettings {}};
    DiscardOutput output;
    const std::string channel;
};

CommandArgument S(std::string text) { return CommandArgument::Text(std::move(text)); }

// 10,000 occurrences of "needle" among filler, about 64 KB in all.
std::string TextWithNeedles() {
    std::string text;
    for (int i = 0; i < 10000; ++i) text += "needle ";
    return text;  // 70,000 bytes
}

void Run(benchmark::State& state, std::string_view name, const std::vector<CommandArgument>& values,
         size_t bytes) {
    Commands commands;
    for (auto _ : state) benchmark::DoNotOptimize(commands.Call(name, values));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_StrReplace10000(benchmark::State& state) {
    const std::string text = TextWithNeedles();
    Run(state, "StrReplace", {S(text), S("needle"), S("pin")}, text.size());
}
BENCHMARK(BM_StrReplace10000)->Unit(benchmark::kMicrosecond);

void BM_StrSplit10000(benchmark::State& state) {
    const std::string text = TextWithNeedles();
    Run(state, "StrSplit", {S(text), S(" ")}, text.size());
}
BENCHMARK(BM_StrSplit10000)->Unit(benchmark::kMicrosecond);

void BM_StrFindAtTheEnd64K(benchmark::State& state) {
    const std::string text = std::string(64 * 1024, 'a') + "b";
    Run(state, "StrFind", {S(text), S(std::string(1000, 'a') + "b")}, text.size());
}
BENCHMARK(BM_StrFindAtTheEnd64K)->Unit(benchmark::kMicrosecond);

void BM_StrUpper64K(benchmark::State& state) {
    const std::string text(64 * 1024, 'x');
    Run(state, "StrUpper", {S(text)}, text.size());
}
BENCHMARK(BM_StrUpper64K)->Unit(benchmark::kMicrosecond);

void BM_StrMatch1000StarsAgainst100K(benchmark::State& state) {
    std::string pattern;
    for (int i = 0; i < 1000; ++i) pattern += "*a";
    pattern += "*b";
    const std::string text(100 * 1024, 'a');  // no "b": every piece is tried, and the last fails
    Run(state, "StrMatch", {S(text), S(pattern)}, text.size());
}
BENCHMARK(BM_StrMatch1000StarsAgainst100K)->Unit(benchmark::kMicrosecond);

void BM_StrMatchLongPieceAgainst100K(benchmark::State& state) {
    const std::string text(100 * 1024, 'a');
    const std::string pattern = "*" + std::string(1000, 'a') + "b*";  // nearly matches at every position
    Run(state, "StrMatch", {S(text), S(pattern)}, text.size());
}
BENCHMARK(BM_StrMatchLongPieceAgainst100K)->Unit(benchmark::kMicrosecond);

// For comparison: the mask matcher, whose plain search makes the same case
// cost the text's length times the piece's.
void BM_MaskMatcherLongPieceAgainst100K(benchmark::State& state) {
    const std::string text(100 * 1024, 'a');
    const std::string pattern = "*" + std::string(1000, 'a') + "b*";
    for (auto _ : state) benchmark::DoNotOptimize(WildcardMatch(text, pattern));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MaskMatcherLongPieceAgainst100K)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
