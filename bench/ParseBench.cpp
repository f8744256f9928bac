// Framing and parsing of a busy channel's traffic, fed the way the socket
// feeds it: 4 KiB reads into the line buffer. Reports lines per second.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "irc/IRCLineParser.h"
#include "irc/LineFramer.h"

namespace parlevox {
namespace {

constexpr size_t kReadSize = 4096;

struct Traffic {
    std::string bytes;
    size_t lines = 0;
};

std::string Nick(std::mt19937& rng) {
    static const char* const kNames[] = {"alice", "bob", "carol", "dave", "erin", "frank", "grace", "heidi",
                                         "ivan", "judy", "mallory", "oscar", "peggy", "trent", "victor", "walter"};
    return std::string(kNames[rng() % 16]) + std::to_string(rng() % 8);
}

std::string Prefix(std::mt19937& rng) {
    std::string nick = Nick(rng);
    return ":" + nick + "!~" + nick + "@host-" + std::to_string(rng() % 200) + ".dsl.example.net ";
}

std::string ChannelMessage(std::mt19937& rng) {
    static const char* const kTexts[] = {
        "\x03" "4,1hey\x03 did anyone see the release notes? https://example.org/releases/1.5#changes",
        "lol that's \x02great\x02 \x03" "12check\x03 http://www.example.com/a/b/c?x=1&y=2 later",
        "I think the build is broken again, see https://ci.example.org/job/1234/console",
        "\x03" "3green\x03 \x03" "7orange\x03 \x03" "9,2lime on blue\x03 rainbow time",
        "morning all",
        "does anyone know how to configure the proxy for this? tried everything in the FAQ already",
        "\x01" "ACTION waves at everyone\x01",
    };
    return Prefix(rng) + "PRIVMSG #parlevox :" + kTexts[rng() % 7];
}

std::string OtherLine(std::mt19937& rng) {
    switch (rng() % 8) {
        case 0: return Prefix(rng) + "JOIN :#parlevox";
        case 1: return Prefix(rng) + "PART #parlevox :see you";
        case 2: return Prefix(rng) + "QUIT :Ping timeout: 240 seconds";
        case 3: return Prefix(rng) + "MODE #parlevox +o " + Nick(rng);
        case 4: return ":irc.example.net 353 me = #parlevox :@alice bob +carol dave erin frank grace heidi";
        case 5: return ":irc.example.net 332 me #parlevox :Welcome to the channel | https://example.org";
        case 6: return Prefix(rng) + "NICK :" + Nick(rng);
        default: return ":irc.example.net 005 me CHANTYPES=# PREFIX=(ov)@+ NETWORK=Example :are supported";
    }
}

Traffic MakeTraffic(size_t lines) {
    std::mt19937 rng(1998);
    Traffic traffic;
    for (; traffic.lines < lines; ++traffic.lines) {
        traffic.bytes += (rng() % 4 != 0) ? ChannelMessage(rng) : OtherLine(rng);
        traffic.bytes += "\r\n";
    }
    return traffic;
}

const Traffic& SampleTraffic() {
    static const Traffic traffic = MakeTraffic(20000);
    return traffic;
}

template <class Sink>
void FeedInReads(LineFramer& framer, Sink& sink, const std::string& bytes) {
    for (size_t at = 0; at < bytes.size();) {
        size_t n = std::min({kReadSize, framer.FreeSize(), bytes.size() - at});
        std::memcpy(framer.FreeSpace(), bytes.data() + at, n);
        framer.Commit(n, sink);
        at += n;
    }
}

struct CountingSink : LineFramer::Sink {
    void OnLine(std::string_view line) override { bytes += line.size(); }
    void OnOverlongLine() override {}
    size_t bytes = 0;
};

struct ParsingSink : LineFramer::Sink {
    explicit ParsingSink(const ParseOptions& options) : options(options) {}
    void OnLine(std::string_view line) override {
        auto message = ParseIRCLine(line, options).message;
        if (message) typeSum += message->eventType;
    }
    void OnOverlongLine() override {}
    const ParseOptions& options;
    uint64_t typeSum = 0;
};

void BM_Frame(benchmark::State& state) {
    const Traffic& traffic = SampleTraffic();
    LineFramer framer;
    CountingSink sink;
    for (auto _ : state) FeedInReads(framer, sink, traffic.bytes);
    benchmark::DoNotOptimize(sink.bytes);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * traffic.lines));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * traffic.bytes.size()));
}
BENCHMARK(BM_Frame);

void BM_FrameAndParse(benchmark::State& state) {
    const Traffic& traffic = SampleTraffic();
    ParseOptions options;
    options.stripColours = state.range(0) != 0;
    LineFramer framer;
    ParsingSink sink(options);
    for (auto _ : state) FeedInReads(framer, sink, traffic.bytes);
    benchmark::DoNotOptimize(sink.typeSum);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * traffic.lines));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * traffic.bytes.size()));
}
BENCHMARK(BM_FrameAndParse)->ArgName("stripColours")->Arg(1)->Arg(0);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
