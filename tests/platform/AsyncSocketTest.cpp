#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/AsyncSocket.h"
#include "platform/PollEventLoop.h"
#include "platform/SocketErrors.h"
#include "support/LoopbackServer.h"
#include "support/LoopLeftEmpty.h"
#include "support/NgircdServer.h"

namespace parlevox {
namespace {

constexpr uint64_t kWatchdogMs = 3000;

class ProbeSocket final : public AsyncSocket {
public:
    using AsyncSocket::AsyncSocket;
    void OnConnect(int error) override {
        connectCalls++;
        connectError = error;
    }
    void OnReceive(int) override {
        char buffer[256];
        int got = Receive(buffer, sizeof buffer);
        if (got > 0) received.append(buffer, static_cast<size_t>(got));
    }
    void OnClose(int error) override {
        closeCalls++;
        closeError = error;
    }
    int connectCalls = 0;
    int connectError = -1;
    int closeCalls = 0;
    int closeError = -1;
    std::string received;
};

class AsyncSocketTest : public testing::Test {
protected:
    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
};

TEST_F(AsyncSocketTest, ErrnoMapsToTheWinsockCodes) {
    struct Case {
        int error;
        int code;
    } cases[] = {
        {0, 0},
        {ECONNREFUSED, 10061},
        {ETIMEDOUT, 10060},
        {ENETUNREACH, 10051},
        {EADDRINUSE, 10048},
        {EADDRNOTAVAIL, 10049},
        {EMFILE, 10024},
        {ENOTSOCK, 10038},
        {EAGAIN, 10035},
        {EINPROGRESS, 10035},
        {ENOTCONN, 10057},
        {EISCONN, 10056},
        {ENOBUFS, 10055},
        {EFAULT, 10014},
        {EAFNOSUPPORT, 10047},
        {ENOENT, 10000 + ENOENT},  // no counterpart: still a failure code
    };
    for (const Case& c : cases) EXPECT_EQ(wsa::FromErrno(c.error), c.code) << "errno " << c.error;
}

TEST_F(AsyncSocketTest, ARefusedPortReportsConnectionRejected) {
    ProbeSocket socket(loop);
    ASSERT_TRUE(socket.Create());
    int port = test::FreeLoopbackPort();  // nothing listens there
    EXPECT_FALSE(socket.Connect("127.0.0.1", static_cast<uint16_t>(port)));
    EXPECT_EQ(socket.LastError(), wsa::kWouldBlock);
    ASSERT_TRUE(loop.RunUntil([&] { return socket.connectCalls > 0; }, kWatchdogMs));
    EXPECT_EQ(socket.connectError, wsa::kConnectionRefused);
}

TEST_F(AsyncSocketTest, AnUnresolvableHostReportsHostNotFound) {
    ProbeSocket socket(loop);
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("no-such-host.invalid", 6667));
    EXPECT_EQ(socket.LastError(), wsa::kWouldBlock);
    ASSERT_TRUE(loop.RunUntil([&] { return socket.connectCalls > 0; }, kWatchdogMs));
    EXPECT_EQ(socket.connectError, wsa::kHostNotFound);
}

TEST_F(AsyncSocketTest, AHostNameResolvesWithoutBlockingAndConnects) {
    test::LoopbackServer server(loop);
    ProbeSocket socket(loop);
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("localhost", server.Port()));
    ASSERT_TRUE(loop.RunUntil([&] { return socket.connectCalls > 0; }, kWatchdogMs));
    EXPECT_EQ(socket.connectError, 0);
}

TEST_F(AsyncSocketTest, ASocketDestroyedWhileResolvingIgnoresTheAnswer) {
    auto socket = std::make_unique<ProbeSocket>(loop);
    ASSERT_TRUE(socket->Create());
    socket->Connect("localhost", 1);
    socket.reset();
    // The resolver's answer arrives for a socket that is gone: nothing runs.
    loop.RunUntil([] { return false; }, 200);
    SUCCEED();
}

TEST_F(AsyncSocketTest, DataFlowsBothWaysAndThePeerCloseIsReportedOnce) {
    test::LoopbackServer server(loop);
    ProbeSocket socket(loop);
    ASSERT_TRUE(socket.Create());
    socket.Connect("127.0.0.1", server.Port());
    ASSERT_TRUE(loop.RunUntil([&] { return socket.connectCalls > 0 && server.HasClient(); }, kWatchdogMs));
    ASSERT_EQ(socket.connectError, 0);

    std::string address;
    uint16_t port = 0;
    ASSERT_TRUE(socket.GetSockName(address, port));
    EXPECT_EQ(address, "127.0.0.1");
    EXPECT_NE(port, 0);

    EXPECT_EQ(socket.Send("hello\r\n", 7), 7);
    server.Send("welcome\r\n");
    ASSERT_TRUE(loop.RunUntil([&] { return server.HasLine("hello") && !socket.received.empty(); }, kWatchdogMs));
    EXPECT_EQ(socket.received, "welcome\r\n");

    server.Disconnect();
    ASSERT_TRUE(loop.RunUntil([&] { return socket.closeCalls > 0; }, kWatchdogMs));
    loop.RunUntil([] { return false; }, 50);
    EXPECT_EQ(socket.closeCalls, 1);
    EXPECT_EQ(socket.closeError, 0);
}

TEST_F(AsyncSocketTest, SendingOnAnUnconnectedSocketFailsWithNotConnected) {
    ProbeSocket socket(loop);
    EXPECT_EQ(socket.Send("x", 1), AsyncSocket::kSocketError);
    EXPECT_EQ(socket.LastError(), wsa::kNotConnected);
    ASSERT_TRUE(socket.Create());
    EXPECT_EQ(socket.Send("x", 1), AsyncSocket::kSocketError);
    EXPECT_EQ(socket.LastError(), wsa::kNotConnected);
}

TEST_F(AsyncSocketTest, ClosingLeavesNoWatcherBehind) {
    {
        ProbeSocket socket(loop);
        ASSERT_TRUE(socket.Create());
        EXPECT_EQ(loop.WatcherCount(), 1u);
    }
    EXPECT_EQ(loop.WatcherCount(), 0u);
}

}  // namespace
}  // namespace parlevox
