#pragma once
// A network window wired to a loopback peer, with recorded status output,
// events and connect progress, and in-memory settings.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "irc/ConnectProgress.h"
#include "irc/EventHandlerWindow.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "support/LoopLeftEmpty.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox::test {

class RecordingStatus : public StatusOutput {
public:
    void WriteStatus(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// Takes every event at the lowest priority and records its type and text.
class RecordingListener : public EventHandlerWindow {
public:
    RecordingListener(EventLoop& loop, WindowHandle network);
    void OnEvent(CIRCMessage& message, uint32_t) override {
        types.push_back(message.eventType);
        texts.push_back(message.text);
    }
    std::vector<uint32_t> types;
    std::vector<std::string> texts;
};

class RecordingProgress : public ConnectProgress {
public:
    void AddStatus(const std::string& text) override { lines.push_back(text); }
    void NextServer(const std::string& failure) override { failures.push_back(failure); }
    std::optional<std::string> ServerPassword() override { return password; }
    std::vector<std::string> lines;
    std::vector<std::string> failures;
    std::optional<std::string> password;
};

class NetworkFixture : public ::testing::Test {
protected:
    static constexpr uint64_t kWatchdogMs = 3000;

    NetworkFixture();
    ~NetworkFixture() override;

    // Connects the network window to the loopback peer and waits for USER.
    void ConnectAndRegister();
    void Post(const std::string& line);
    void SendLine(const std::string& line);
    bool RunUntil(const std::function<bool()>& done) { return loop.RunUntil(done, kWatchdogMs); }

    PollEventLoop loop;
    LoopLeftEmpty loopCheck{loop};
    Registry registry;
    ScriptedUserInterface ui;
    RecordingStatus status;
    RecordingProgress progress;
    CIRCNotifyList notifyList{loop};
    ConnectionState state;
    std::unique_ptr<LoopbackServer> server;
    std::unique_ptr<CNetworkWnd> network;
    std::unique_ptr<RecordingListener> recorder;
    RecordingListener& listener;
};

}  // namespace parlevox::test
