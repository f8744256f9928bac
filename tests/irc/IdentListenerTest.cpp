// The ident responder over real loopback sockets: what it answers, what it
// closes on, how it copes with many idle peers, and that it lives exactly
// as long as the IRC connection.
#include "irc/IdentListener.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

#include "irc/ConnectionState.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/NetworkFixture.h"

namespace parlevox::test {
namespace {

constexpr uint64_t kWaitMs = 3000;

// A peer's end, blocking connect and non-blocking reads so the loop can run.
class QueryPeer {
public:
    explicit QueryPeer(uint16_t port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~QueryPeer() { ::close(fd_); }
    QueryPeer(const QueryPeer&) = delete;
    QueryPeer& operator=(const QueryPeer&) = delete;

    bool Connected() const { return connected_; }
    void Send(std::string_view bytes) const { ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), 0), ssize_t(bytes.size())); }
    // Reads until the responder closes; false when it has not closed in time.
    bool ReadToEnd(EventLoop& loop, std::string& received) const {
        return loop.RunUntil([&] {
            char buffer[256];
            ssize_t read = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
            if (read > 0) received.append(buffer, static_cast<size_t>(read));
            return read == 0 || (read < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
        }, kWaitMs);
    }

private:
    int fd_;
    bool connected_ = false;
};

uint16_t PortOf(const AsyncSocket& socket) {
    std::string address;
    uint16_t port = 0;
    socket.GetSockName(address, port);
    return port;
}

uint16_t FreePort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

TEST(IdentQueryTest, OnlyTwoPortNumbersSeparatedByACommaAreAQuery) {
    struct Case {
        std::string_view line;
        bool valid;
        uint16_t server, client;
    };
    const Case cases[] = {
        {"6191, 23", true, 6191, 23},   {"6191,23", true, 6191, 23},    {" 1 ,\t65535 ", true, 1, 65535},
        {"0, 23", false, 0, 0},         {"6191, 65536", false, 0, 0},   {"6191", false, 0, 0},
        {"", false, 0, 0},              {",", false, 0, 0},             {"1, 2, 3", false, 0, 0},
        {"+1, 2", false, 0, 0},         {"1 2, 3", false, 0, 0},        {std::string_view("1, 2\0", 5), false, 0, 0},
        {"99999999999999999999, 1", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::optional<IdentQuery> query = ParseIdentQuery(c.line);
        ASSERT_EQ(query.has_value(), c.valid) << c.line;
        if (!query) continue;
        EXPECT_EQ(query->serverPort, c.server) << c.line;
        EXPECT_EQ(query->clientPort, c.client) << c.line;
    }
}

class IdentListenerTest : public ::testing::Test {
protected:
    IdentListenerTest() {
        connection.currentUserName = "tuser";
        EXPECT_TRUE(listener->Start("127.0.0.1", 0));
        port = PortOf(*listener);
    }

    // Sends the pieces one loop turn apart and returns what came back.
    std::string Exchange(const std::vector<std::string_view>& pieces) {
        QueryPeer peer(port);
        EXPECT_TRUE(peer.Connected());
        for (std::string_view piece : pieces) {
            peer.Send(piece);
            for (int i = 0; i < 3; ++i) loop.RunOnce(5);
        }
        std::string received;
        EXPECT_TRUE(peer.ReadToEnd(loop, received)) << "the responder kept the connection open";
        return received;
    }

    PollEventLoop loop;
    LoopLeftEmpty loopCheck {loop};
    ConnectionState connection;
    std::unique_ptr<CIdentListener> listener = std::make_unique<CIdentListener>(loop, connection);
    uint16_t port = 0;
};

TEST_F(IdentListenerTest, AnswersAWellFormedQueryAndClosesOnAnythingElse) {
    const std::string answer = "6191, 23 : USERID : UNIX : tuser\r\n";
    const std::string thirtyBytes(30, '1');
    const std::string paddedTo30 = "6191, 23" + std::string(20, ' ') + "\r\n";
    const std::string paddedTo31 = "6191, 23" + std::string(21, ' ') + "\r\n";
    struct Case {
        const char* what;
        std::vector<std::string_view> pieces;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"whole", {"6191, 23\r\n"}, answer},
        {"two pieces", {"6191, ", "23\r\n"}, answer},
        {"one byte at a time", {"6", "1", "9", "1", ",", " ", "2", "3", "\r", "\n"}, answer},
        {"bare line feed", {"6191,23\n"}, answer},
        {"blanks are not echoed", {"  6191 ,23 \r\n"}, answer},
        {"40 bytes without a line end", {std::string_view("1234567890123456789012345678901234567890")}, ""},
        {"30 bytes", {paddedTo30}, answer},
        {"31 bytes", {paddedTo31}, ""},
        {"carriage return but no line feed, then too much", {"6191, 23\r", std::string_view(thirtyBytes)}, ""},
        {"a NUL byte", {std::string_view("6191,\0 23\r\n", 11)}, ""},
        {"not a query", {"USER root\r\n"}, ""},
        {"an empty line", {"\r\n"}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Exchange(c.pieces), c.expected) << c.what;
    EXPECT_EQ(listener->OpenQueries(), 0u);
}

TEST_F(IdentListenerTest, ManyIdlePeersDoNotShutOutTheServersQuery) {
    std::vector<std::unique_ptr<QueryPeer>> idle;
    for (int i = 0; i < 1000; ++i) {
        idle.push_back(std::make_unique<QueryPeer>(port));
        loop.RunOnce(0);
    }
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);
    EXPECT_LE(listener->OpenQueries(), CIdentListener::kMaxQueries);
    EXPECT_EQ(Exchange({"113, 6667\r\n"}), "113, 6667 : USERID : UNIX : tuser\r\n");
    idle.clear();
    listener.reset();
}

class IdentLifetimeTest : public NetworkFixture {};

TEST_F(IdentLifetimeTest, ListensOnTheSetPortOnlyWhileConnected) {
    NetworkSettings settings = network->Settings();
    settings.identPort = FreePort();
    network->SetSettings(settings);
    state.currentUserName = "tuser";
    ConnectAndRegister();
    {
        QueryPeer peer(settings.identPort);
        ASSERT_TRUE(peer.Connected());
        peer.Send("4000, 6667\r\n");
        std::string received;
        ASSERT_TRUE(peer.ReadToEnd(loop, received));
        EXPECT_EQ(received, "4000, 6667 : USERID : UNIX : tuser\r\n");
    }
    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return !network->Socket().IsOpen(); }));
    EXPECT_FALSE(QueryPeer(settings.identPort).Connected());
}

}  // namespace
}  // namespace parlevox::test
