// The ignore check on every PRIVMSG: 200 ignore entries (generalised flood
// masks, numeric ranges, /ignore nicks and a few free-form masks) and 50
// friends, against a stream of messages from 1,000 senders none of whom is
// on either list, and against a sender the list takes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/IRCLineParser.h"
#include "irc/IgnoreHandler.h"

namespace parlevox {
namespace {

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

constexpr std::time_t kNow = 1'000'000'000;

void FillList(CIgnoreList& list) {
    for (int i = 0; i < 200; ++i) {
        std::string n = std::to_string(i);
        const AddressRecord kinds[] = {{"f" + n, "~u" + n, "dial" + n + ".isp" + n + ".example.net"},
                                       {"g" + n, "u" + n, "10." + n + ".7.9"},
                                       {"idiot" + n, "*", "*"},
                                       {"*" + n + "*", "*bot*", "*"}};
        // Flood entries are generalised; /ignore masks are taken as given.
        list.Add(kinds[i % 4], "r", i % 4 >= 2, kNow);
    }
}

CFriendList MakeFriends() {
    std::vector<FriendRecord> friends;
    for (int i = 0; i < 50; ++i) {
        std::string n = std::to_string(i);
        friends.push_back({"pal" + n, i % 2 ? "pal" + n + "!*@*.friends" + n + ".org" : "*!pal" + n + "@*", 1});
    }
    return CFriendList(std::move(friends));
}

std::vector<std::unique_ptr<CIRCMessage>> Messages(const std::string& senderFormat, int count) {
    std::vector<std::unique_ptr<CIRCMessage>> messages;
    for (int i = 0; i < count; ++i) {
        std::string sender = senderFormat;
        for (size_t at; (at = sender.find("%i")) != std::string::npos;) sender.replace(at, 2, std::to_string(i));
        std::string line = ":" + sender + " PRIVMSG #parlevox :hello there, how is it going?";
        messages.push_back(ParseIRCLine(line, {}).message);
    }
    return messages;
}

void RunCheck(benchmark::State& state, const std::string& senderFormat, int senders) {
    CIgnoreList list {[](const std::string&) {}};
    FillList(list);
    ConnectionState connection;
    ColourCodes colours;
    NoStatus status;
    IgnoreCheck check(list, connection, colours, status);
    check.SetFriends(MakeFriends());
    auto messages = Messages(senderFormat, senders);
    size_t next = 0, dropped = 0;
    for (auto _ : state) {
        dropped += check.ShouldDrop(*messages[next], kNow + 3600);
        if (++next == messages.size()) next = 0;
    }
    benchmark::DoNotOptimize(dropped);
    state.SetItemsProcessed(state.iterations());
}

void BM_IgnoreCheckPasses(benchmark::State& state) {
    RunCheck(state, "Someone%i!~someone@cpe-%i.cable.provider.example.com", 1000);
}
BENCHMARK(BM_IgnoreCheckPasses);

void BM_IgnoreCheckDrops(benchmark::State& state) {
    RunCheck(state, "f196!~u196@dial%i.isp196.example.net", 1000);
}
BENCHMARK(BM_IgnoreCheckDrops);

}  // namespace
}  // namespace parlevox

BENCHMARK_MAIN();
