// Server bytes through the line framer, then every line through the parser
// and the message classes, and through the network window's own rules for
// PING, ERROR and NOTICE (the window needs no connection for those).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "irc/ConnectionState.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/LineFramer.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkWnd.h"
#include "irc/StatusOutput.h"
#include "platform/PollEventLoop.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

// Nothing a server sends may open a box: that is the client's own faults only.
class NoBoxUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest& box) override {
        std::fprintf(stderr, "a box from server input: [%s] %s\n", box.title.c_str(), box.text.c_str());
        std::abort();
    }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

// Hands back what was published, with the text changed, as a reaction would.
class MapSink final : public SystemVariableSink {
public:
    void SetString(std::string_view name, std::string_view value) override {
        strings[std::string(name)] = std::string(value) + "!";
    }
    void SetInt(std::string_view, int) override {}
    std::optional<std::string> GetString(std::string_view name) override {
        auto found = strings.find(std::string(name));
        if (found == strings.end()) return std::nullopt;
        return found->second;
    }
    std::map<std::string, std::string> strings;
};

struct World {
    NoBoxUserInterface ui;
    PollEventLoop loop;
    DiscardStatus status;
    CIRCNotifyList notifyList{loop};
    ConnectionState state;
    std::unique_ptr<CNetworkWnd> network;

    World() {
        UserInterface::SetCurrent(&ui);
        network = std::make_unique<CNetworkWnd>(loop, state, status, notifyList, nullptr);
    }
};

World& TheWorld() {
    static World* world = new World;  // lives to the end of the process
    return *world;
}

// The harness's one call into the parser.
std::unique_ptr<CIRCMessage> Parse(std::string_view line, bool stripColours) {
    ParseOptions options;
    options.stripColours = stripColours;
    return ParseIRCLine(line, options).message;
}

class Lines final : public LineFramer::Sink {
public:
    explicit Lines(bool stripColours) : stripColours_(stripColours) {}

    void OnLine(std::string_view line) override {
        // The framer's promise: no terminator and no NUL inside a line.
        if (line.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos) std::abort();
        if (auto message = Parse(line, stripColours_)) {
            (void)message->ParamCount();
            MapSink sink;
            message->SetSystemVariables(sink);
            message->ReadBackSystemVariables(sink);
        }
        World& world = TheWorld();
        world.loop.SendMessage(world.network->Handle(), WindowMessage(netmsg::kLineReceived, std::string(line)));
    }
    void OnOverlongLine() override {}

private:
    bool stripColours_;
};

}  // namespace
}  // namespace parlevox

// The first byte picks the size of each read (so terminators split across
// reads are covered) and the colour stripping; the rest is the stream.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace parlevox;
    if (size == 0) return 0;
    const size_t chunk = 1 + (data[0] & 0x7F) * 67;
    Lines lines((data[0] & 0x80) != 0);
    LineFramer framer;
    for (size_t at = 1; at < size;) {
        size_t take = std::min({chunk, size - at, framer.FreeSize()});
        std::memcpy(framer.FreeSpace(), data + at, take);
        framer.Commit(take, lines);
        at += take;
    }
    TheWorld().loop.RunOnce(0);
    return 0;
}
