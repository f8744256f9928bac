#pragma once
// A command processor over a fake network window that records what would
// be sent, with recorded output, a map of script variables and a host that
// serves some owners.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandHost.h"
#include "commands/CommandOutput.h"
#include "commands/CommandProcessor.h"
#include "commands/CommandVariables.h"
#include "irc/NetworkMessages.h"
#include "platform/MessageTarget.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"

namespace parlevox::test {

class FakeNetworkWindow final : public MessageTarget {
public:
    using MessageTarget::MessageTarget;
    intptr_t OnMessage(WindowMessage& message) override {
        if (message.id == netmsg::kSendLine) sent.push_back(message.text);
        if (message.id == netmsg::kLineReceived) fed.push_back(message.text);
        return 0;
    }
    std::vector<std::string> sent, fed;
};

class RecordingOutput final : public CommandOutput {
public:
    void AddLine(std::string_view text) override { lines.emplace_back(text); }
    void Clear() override { ++clears; }
    std::vector<std::string> lines;
    int clears = 0;
};

class MapVariables final : public CommandVariables {
public:
    void SetContext(std::string_view channel, std::string_view nick) override {
        values["sC"] = std::string(channel);
        values["sN"] = std::string(nick);
    }
    std::optional<std::string> ValueText(std::string_view name) override {
        auto found = values.find(std::string(name));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    std::map<std::string, std::string> values;
};

// Serves the query and channel windows, the ISON flag and, when told to, the
// ignore list; everything else
// keeps the "not here" defaults.
class PartialHost final : public CommandHost {
public:
    CommandOutput* OpenQuery(const std::string& nick) override {
        return &queries[nick];
    }
    CommandOutput* ChannelWindow(const std::string& channel) override {
        auto found = channels.find(channel);
        return found == channels.end() ? nullptr : &found->second;
    }
    bool IsonOutstanding() const override { return isonBusy; }
    bool AddIgnore(const AddressRecord& mask, const std::string& reason) override {
        if (!ignoreServed) return false;
        ignores.emplace_back(mask, reason);
        return true;
    }
    std::map<std::string, RecordingOutput> queries, channels;
    bool isonBusy = false;
    bool ignoreServed = false;
    std::vector<std::pair<AddressRecord, std::string>> ignores;
};

class CommandFixture : public ::testing::Test {
protected:
    CommandFixture() {
        std::array<int, ColourCodes::kSlots> values {};
        for (int slot = 0; slot < ColourCodes::kSlots; ++slot) values[static_cast<size_t>(slot)] = 20 + slot;
        settings.colours = ColourCodes(values);
        connection.currentNick = "me";
        processor = std::make_unique<CommandProcessor>(loop, network.Handle(), connection, host, variables, settings);
    }

    // Typed in the window of #x with "sel" as the selected nick.
    void Type(std::string_view line, const std::string& channel = "#x", const std::string& nick = "sel") {
        processor->Run(line, channel, nick, output);
    }
    static std::string C(int slot) { return "\x03" + std::to_string(20 + slot); }

    PollEventLoop loop;
    LoopLeftEmpty loopLeftEmpty {loop};
    FakeNetworkWindow network {loop};
    ConnectionState connection;
    PartialHost host;
    MapVariables variables;
    CommandSettings settings;
    RecordingOutput output;
    std::unique_ptr<CommandProcessor> processor;
};

}  // namespace parlevox::test
