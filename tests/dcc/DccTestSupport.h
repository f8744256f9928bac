#pragma once
// A loop, a scripted user interface and a folder for transfer tests, and
// raw peers that play the other end by hand.
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <sys/socket.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "dcc/DCCWnd.h"
#include "platform/AsyncSocket.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace parlevox::test {

inline constexpr uint32_t kLoopback = 0x7F000001;
inline constexpr uint64_t kWatchdogMs = 20000;

// Bytes that differ from position to position.
inline std::string Pattern(size_t length, uint32_t seed = 1) {
    std::string bytes(length, '\0');
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return bytes;
}

class PeerConnection final : public AsyncSocket {
public:
    using AsyncSocket::AsyncSocket;
    void OnConnect(int error) override { connectError = error; }
    void OnReceive(int) override {
        char buffer[16384];
        const int got = Receive(buffer, sizeof buffer);
        if (got <= 0) return;
        received.append(buffer, static_cast<size_t>(got));
        if (!acknowledge) return;
        const uint32_t total = htonl(static_cast<uint32_t>(received.size()));
        Send(&total, sizeof total);
    }
    void OnClose(int) override { closed = true; }
    void SendBytes(const std::string& bytes) { ASSERT_EQ(Send(bytes.data(), static_cast<int>(bytes.size())), int(bytes.size())); }
    // Ends the connection with a reset rather than a close.
    void Reset() {
        const linger abort {1, 0};
        setsockopt(Descriptor(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        Close();
    }
    std::string received;
    bool acknowledge = false;  // every read, as a receiver does
    int connectError = -1;
    bool closed = false;
};

class PeerListener final : public AsyncSocket {
public:
    explicit PeerListener(EventLoop& loop) : AsyncSocket(loop), connection(loop) {
        Create(0, kAccept, "127.0.0.1");
        Listen();
        std::string address;
        GetSockName(address, port);
    }
    void OnAccept(int) override {
        if (Accept(connection)) connection.AsyncSelect(kRead | kClose);
    }
    PeerConnection connection;
    uint16_t port = 0;
};

class DccFixture : public testing::Test {
protected:
    void TearDown() override {
        loop.RunUntil([this] { return loop.PendingTimerCount() == 0; }, kWatchdogMs);
    }

    std::unique_ptr<CDCCWnd> Send(const std::string& path, uint32_t sendAhead = 4096, bool passive = false) {
        std::string error;
        DccTransferSettings sendSettings = settings;
        sendSettings.sendAhead = sendAhead;
        auto window = CDCCWnd::StartSend(loop, ui, {"Alice", path, passive}, sendSettings, error);
        EXPECT_TRUE(window) << error;
        return window;
    }

    std::unique_ptr<CDCCWnd> Receive(DccReceiveRequest request, std::string* error = nullptr) {
        std::string text;
        request.nick = "Bob";
        if (request.ip == 0) request.ip = kLoopback;
        auto window = CDCCWnd::StartReceive(loop, ui, request, settings, text);
        if (error) *error = text;
        else EXPECT_TRUE(window) << text;
        return window;
    }

    bool RunUntilStopped(std::initializer_list<const CDCCWnd*> windows) {
        return loop.RunUntil([&] {
            for (const CDCCWnd* w : windows)
                if (w->GetState() != CDCCWnd::State::Completed && w->GetState() != CDCCWnd::State::Failed)
                    return false;
            return true;
        }, kWatchdogMs);
    }

    static std::string Status(const CDCCWnd& window) { return window.Lines().back().text; }

    ScriptedUserInterface ui;  // posted boxes may still reach it while the loop drains
    PollEventLoop loop;
    LoopLeftEmpty loopCheck {loop};
    TempDir dir;
    DccTransferSettings settings {"127.0.0.1", {}, 4096};
};

}  // namespace parlevox::test
