// Arbitrary bytes as a typed line through the command processor, with a
// network window that records what it is sent. Lines naming the commands
// that look names up or read files are skipped: they would reach the
// network and the disk.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzFail.h"
#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandProcessor.h"
#include "commands/CommandVariables.h"
#include "commands/CommandWords.h"
#include "irc/NetworkMessages.h"
#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"

namespace parlevox {
namespace {

class RecordingNetworkWindow final : public MessageTarget {
public:
    using MessageTarget::MessageTarget;
    intptr_t OnMessage(WindowMessage& message) override {
        if (message.id == netmsg::kSendLine) ++sent;
        return 0;
    }
    size_t sent = 0;
};

class RecordingOutput final : public CommandOutput {
public:
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override {}
    std::vector<std::string> lines;
};

// Two variables, one of them large, so expansion and its cap are reached.
class FuzzVariables final : public CommandVariables {
public:
    void SetContext(std::string_view, std::string_view) override {}
    std::optional<std::string> ValueText(std::string_view name) override {
        if (name == "sA") return std::string("a %sA% b");
        if (name == "sBig") return std::string(100 * 1024, 'x');
        return std::nullopt;
    }
};

bool Skipped(std::string_view line) {
    WordList words;
    words.Split(line);
    if (words.Count() == 0) return false;
    std::string name(BareWord(words[0]));
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name.find("dns") != std::string::npos || name.find("telnet") != std::string::npos ||
           name.find("play") != std::string::npos || name.find('%') != std::string::npos;
}

struct World {
    PollEventLoop loop;
    RecordingNetworkWindow network {loop};
    ConnectionState connection;
    CommandHost host;
    FuzzVariables variables;
    CommandProcessor processor {loop, network.Handle(), connection, host, variables, CommandSettings {}};
};

World& TheWorld() {
    static World* world = new World;  // lives to the end of the process
    return *world;
}

}  // namespace
}  // namespace parlevox

// The first byte picks the contexts; the rest is the line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    if (size == 0) return 0;
    std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
    if (Skipped(line)) return 0;
    static const std::string channels[] = {"", "#x", "bob"}, nicks[] = {"", "sel", "!script"};
    World& world = TheWorld();
    RecordingOutput output;
    size_t sentBefore = world.network.sent;
    world.processor.Run(line, channels[data[0] % 3], nicks[(data[0] / 3) % 3], output);
    if (!output.lines.empty() && output.lines[0].starts_with("\x03" "0! Couldn't find a \x1f") &&
        world.network.sent != sentBefore)
        FuzzFail("fuzz_command_lines", "a line for an unknown command was sent");
    world.loop.RunOnce(0);
    return 0;
}
