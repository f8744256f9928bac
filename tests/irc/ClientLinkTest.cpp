// The client link over real loopback sockets: what a block may hold, the
// listener's burst rule and refusals, blocks that arrive a byte at a time,
// where "Your Info" goes, the data-dump socket, and the listener's life
// along with the server connection.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <cerrno>
#include <variant>

#include "irc/ClientLinkBlock.h"
#include "irc/ClientLinkInbox.h"
#include "irc/DataDumpSocket.h"
#include "irc/IMPrivmsg.h"
#include "irc/InterClientListener.h"
#include "irc/NetworkMessages.h"
#include "support/NetworkFixture.h"
#include "support/NgircdServer.h"

namespace parlevox::test {
namespace {

using namespace std::string_literals;

std::string Block(std::string_view bytes) {
    return std::string(1, static_cast<char>(bytes.size() & 0xFF)) + static_cast<char>(bytes.size() >> 8) +
           std::string(bytes);
}

const std::string kChat = "DCCcalice\0" "2130706433\0" "40000\0"s;
const std::string kInfo = "UInf30\0tea\0a@b.org\0Alice\0Leeds\0F\0"s;

TEST(ClientLinkBlockTest, OnlyWholeWellFormedBlocksRead) {
    const std::string padded = "UInf" + std::string(8192 - 4 - 6, 'x') + std::string(6, '\0');
    struct Case {
        std::string block;
        int kind;  // 0 malformed, 1 chat, 2 your info
    } cases[] = {
        {"", 0},
        {"DCC", 0},
        {"DCCc", 0},
        {"UInf", 0},
        {padded, 2},
        {padded + '\0', 0},  // 8193
        {kChat, 1},
        {kInfo, 2},
        {"XXXXalice\0" "2130706433\0" "40000\0"s, 0},
        {"dccCalice\0" "2130706433\0" "40000\0"s, 0},
        {"DCCcalice\0" "2130706433\0" "40000"s, 0},        // runs past the block
        {kChat + "x", 0},                                   // bytes after the last string
        {kChat + '\0', 0},
        {"DCCcalice\0" "2130706433\0"s, 0},                 // ends early
        {"UInfa\0b\0c\0d\0e\0"s, 0},
        {kInfo + "g\0"s, 0},
        {"DCCcalice\0" "2130706433\0" "12345678901234567890\0"s, 0},
        {"DCCcalice\0" "2130706433\0" "0\0"s, 0},
        {"DCCcalice\0" "2130706433\0" "65536\0"s, 0},
        {"DCCcalice\0" "2130706433\0" "+80\0"s, 0},
        {"DCCcalice\0" "4294967296\0" "80\0"s, 0},
        {"DCCcalice\0" "127.0.0.1\0" "80\0"s, 0},
        {"DCCc\0" "2130706433\0" "80\0"s, 0},
        {"DCCcal!ce\0" "2130706433\0" "80\0"s, 0},
        {"DCCcal ce\0" "2130706433\0" "80\0"s, 0},
    };
    for (const Case& c : cases) {
        const ClientLinkBlock parsed = ParseClientLinkBlock(c.block);
        EXPECT_EQ(static_cast<int>(parsed.index()), c.kind) << c.block.size() << " bytes: " << c.block.substr(0, 40);
    }
    EXPECT_EQ(std::get<DccChatBlock>(ParseClientLinkBlock(kChat)),
              (DccChatBlock {"alice", "2130706433", 0x7F000001, 40000}));
    EXPECT_EQ(std::get<YourInfoBlock>(ParseClientLinkBlock(kInfo)),
              (YourInfoBlock {"30", "tea", "a@b.org", "Alice", "Leeds", "F"}));
}

TEST(ClientLinkBlockTest, FramingPutsTheLengthLowByteFirstAndRefusesWhatCannotTravel) {
    EXPECT_EQ(FrameDccChatBlock("alice", 0x7F000001, 40000), Block(kChat));
    EXPECT_EQ(FrameYourInfoBlock({"30", "tea", "a@b.org", "Alice", "Leeds", "F"}), Block(kInfo));
    const std::string big(8192 - 4 - 6, 'x');
    EXPECT_EQ(FrameYourInfoBlock({big, "", "", "", "", ""})->substr(0, 2), "\x00\x20"s);
    EXPECT_FALSE(FrameYourInfoBlock({big + "x", "", "", "", "", ""}));
    EXPECT_FALSE(FrameYourInfoBlock({"3\0" "0"s, "", "", "", "", ""}));
}

TEST(ClientLinkBlockTest, TheAdvertisedPortIsFourHexDigitsAfterTheMark) {
    const std::pair<const char*, std::optional<uint16_t>> cases[] = {
        {"[ISBEEF] hello", 0xBEEF}, {"[ISbeef]", 0xBEEF}, {"[IS0015", 0x15},   {"[IS0000] no link", std::nullopt},
        {"[ISBEE", std::nullopt},    {"[ISBEEG]", std::nullopt}, {"IS BEEF", std::nullopt}, {"[is00FF]", std::nullopt},
        {"", std::nullopt},          {"[IS-0FF]", std::nullopt},
    };
    for (const auto& [realname, port] : cases) EXPECT_EQ(AdvertisedLinkPort(realname), port) << realname;
}

// The far end of a link connection: a plain blocking socket.
class Peer {
public:
    explicit Peer(uint16_t port) : fd_(ConnectLoopback(port)) {}
    // From another loopback address (all of 127/8 is this machine).
    Peer(uint16_t port, uint32_t from) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(from);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        address.sin_addr.s_addr = htonl(0x7F000001);
        address.sin_port = htons(port);
        if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~Peer() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Connected() const { return fd_ >= 0; }
    void Send(std::string_view bytes) { ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    // The listener has closed its end.
    bool Closed() const {
        pollfd entry {fd_, POLLIN, 0};
        if (::poll(&entry, 1, 0) != 1) return false;
        char byte;
        const ssize_t got = ::recv(fd_, &byte, 1, MSG_DONTWAIT);
        return got == 0 || (got < 0 && errno != EAGAIN);
    }

private:
    int fd_;
};

class Receiver final : public YourInfoReceiver {
public:
    void YourInfoArrived(const YourInfoBlock& info) override { arrived.push_back(info); }
    std::vector<YourInfoBlock> arrived;
};

class ClientLinkListenerTest : public ::testing::Test {
protected:
    static constexpr const char* kRefusal =
        "\x03" "4[\x03" "12" "BrimConnect\x03" "4]\x03" "12 Ignoring BrimConnect requests (nothing else) from "
        "\x02" "127.0.0.1\x02.";

    ClientLinkListenerTest() {
        std::array<int, ColourCodes::kSlots> values {};
        values[colour::kProblem] = 4;
        values[colour::kInformation] = 12;
        colours = ColourCodes(values);
        inbox.SetClock([this] { return now; });
        Listen();
    }

    void Listen() {
        listener = std::make_unique<CInterClientListener>(
            loop, InterClientServices {status, colours, inbox,
                                       [this](std::unique_ptr<CIRCMessage> m) { dispatched.push_back(std::move(m)); }});
        ASSERT_TRUE(listener->Start("127.0.0.1"));
    }
    // Connects, waits until the listener has taken or dropped the connection.
    std::unique_ptr<Peer> Connect() {
        const size_t before = listener->OpenConnections();
        auto peer = std::make_unique<Peer>(listener->Port());
        EXPECT_TRUE(peer->Connected());
        loop.RunUntil([&] { return listener->OpenConnections() != before || peer->Closed(); }, 500);
        return peer;
    }
    bool Settle(const std::function<bool()>& done) { return loop.RunUntil(done, 3000); }
    void Drain() {
        for (int i = 0; i < 5; ++i) loop.RunOnce(10);
    }

    PollEventLoop loop;
    LoopLeftEmpty loopCheck {loop};
    uint64_t now = 500000;
    RecordingStatus status;
    ColourCodes colours;
    ClientLinkInbox inbox;
    std::vector<std::unique_ptr<CIRCMessage>> dispatched;
    std::unique_ptr<CInterClientListener> listener;
};

TEST_F(ClientLinkListenerTest, AChatRequestArrivingAByteAtATimeBecomesADccChatEvent) {
    auto peer = Connect();
    for (char byte : Block(kChat)) {
        peer->Send(std::string_view(&byte, 1));
        loop.RunOnce(5);
    }
    ASSERT_TRUE(Settle([&] { return !dispatched.empty(); }));
    auto* chat = dynamic_cast<C_imDCCChat*>(dispatched[0].get());
    ASSERT_NE(chat, nullptr);
    EXPECT_EQ(chat->senderAddress, (AddressRecord {"alice", "x", "(BrimConnect)"}));
    EXPECT_EQ(chat->ctcpType, "DCC");
    EXPECT_EQ(chat->ctcpArgument, "");
    EXPECT_EQ(chat->eventType, kDCCChat);
    EXPECT_TRUE(chat->valid);
    EXPECT_EQ(chat->ip, 0x7F000001u);
    EXPECT_EQ(chat->address, "2130706433");
    EXPECT_EQ(chat->port, 40000);
    EXPECT_TRUE(Settle([&] { return peer->Closed(); })) << "one block per connection";
    EXPECT_TRUE(status.lines.empty());
}

TEST_F(ClientLinkListenerTest, BadLengthsAndMalformedBlocksRefuseTheSender) {
    const std::string sends[] = {
        // Lengths 0, 2, 3, 8193, 9000 and 65535.
        "\x00\x00"s, "\x02\x00"s, "\x03\x00" "DCC"s, "\x01\x20"s, "\x28\x23"s, "\xFF\xFF"s,
        Block("XXXXalice\0" "2130706433\0" "40000\0"s), Block(kChat + "x"),
        Block("DCCcalice\0" "2130706433\0" "12345678901234567890\0"s), Block("UInfa\0b\0"s),
    };
    for (const std::string& bytes : sends) {
        Listen();
        auto peer = Connect();
        peer->Send(bytes);
        ASSERT_TRUE(Settle([&] { return listener->IsRefused(0x7F000001); })) << testing::PrintToString(bytes);
        EXPECT_TRUE(Settle([&] { return peer->Closed(); }));
        EXPECT_EQ(status.lines, std::vector<std::string> {kRefusal});
        status.lines.clear();
    }
    EXPECT_TRUE(dispatched.empty()) << "a refused block opens nothing";
}

TEST_F(ClientLinkListenerTest, ASecondConnectionWithinTheBurstRefusesTheAddressUntilTheEnd) {
    auto first = Connect();
    now += CInterClientListener::kBurstMs;
    auto second = Connect();
    EXPECT_TRUE(Settle([&] { return second->Closed(); }));
    EXPECT_TRUE(listener->IsRefused(0x7F000001));
    EXPECT_EQ(status.lines, std::vector<std::string> {kRefusal});
    // The first one's block is no longer taken, nor is anyone from there later.
    first->Send(Block(kChat));
    EXPECT_TRUE(Settle([&] { return first->Closed(); }));
    now += 60000;
    auto later = Connect();
    later->Send(Block(kChat));
    EXPECT_TRUE(Settle([&] { return later->Closed(); }));
    Drain();
    EXPECT_TRUE(dispatched.empty());
    EXPECT_EQ(status.lines.size(), 1u) << "the refusal is said once";
}

TEST_F(ClientLinkListenerTest, ConnectionsMoreThanTheBurstApartAreFine) {
    for (int i = 0; i < 3; ++i) {
        now += CInterClientListener::kBurstMs + 1;
        auto peer = Connect();
        peer->Send(Block(kChat));
        ASSERT_TRUE(Settle([&] { return dispatched.size() == size_t(i + 1); }));
    }
    EXPECT_FALSE(listener->IsRefused(0x7F000001));
    EXPECT_TRUE(status.lines.empty());
}

TEST_F(ClientLinkListenerTest, ABurstFromManyAddressesHoldsFewConnectionsAndNoneForLong) {
    constexpr size_t kPeers = 200;
    std::vector<std::unique_ptr<Peer>> peers;
    for (uint32_t i = 0; i < kPeers; ++i) {
        peers.push_back(std::make_unique<Peer>(listener->Port(), 0x7F000100 + i));
        ASSERT_TRUE(peers.back()->Connected());
        loop.RunOnce(0);  // the backlog is five
    }
    auto closed = [&] { return std::count_if(peers.begin(), peers.end(), [](auto& peer) { return peer->Closed(); }); };
    ASSERT_TRUE(Settle([&] { return size_t(closed()) == kPeers - CInterClientListener::kMaxOpen; }));
    EXPECT_EQ(listener->OpenConnections(), CInterClientListener::kMaxOpen);
    EXPECT_TRUE(status.lines.empty()) << "many senders are no burst of one";
    // None of them sends; the next connection after a while finds them gone.
    now += CInterClientListener::kStaleMs + 1;
    auto late = Connect();
    late->Send(Block(kChat));
    ASSERT_TRUE(Settle([&] { return !dispatched.empty(); }));
    EXPECT_EQ(listener->OpenConnections(), 0u);
    EXPECT_TRUE(peers.front()->Closed());
}

TEST_F(ClientLinkListenerTest, YourInfoGoesToTheWaitingPageAndIsOtherwiseDroppedOrRefusedByItsAge) {
    Receiver page;
    inbox.Wait(page);
    auto peer = Connect();
    peer->Send(Block(kInfo));
    ASSERT_TRUE(Settle([&] { return !page.arrived.empty(); }));
    EXPECT_EQ(page.arrived[0].realName, "Alice");
    inbox.StopWaiting(page);

    struct Case {
        uint64_t sinceRequest;
        bool refused;
    } cases[] = {{0, false}, {ClientLinkInbox::kLateAnswerMs, false}, {ClientLinkInbox::kLateAnswerMs + 1, true}};
    for (const Case& c : cases) {
        Listen();
        inbox.Wait(page);
        inbox.StopWaiting(page);
        now += c.sinceRequest;
        auto unexpected = Connect();
        unexpected->Send(Block(kInfo));
        ASSERT_TRUE(Settle([&] { return unexpected->Closed(); }));
        EXPECT_EQ(listener->IsRefused(0x7F000001), c.refused) << c.sinceRequest;
        if (c.refused) continue;
        // The request is forgotten: the next one is refused whenever it comes.
        now += CInterClientListener::kBurstMs + 1;
        auto again = Connect();
        again->Send(Block(kInfo));
        EXPECT_TRUE(Settle([&] { return listener->IsRefused(0x7F000001); })) << c.sinceRequest;
    }
    EXPECT_EQ(page.arrived.size(), 1u);
}

TEST_F(ClientLinkListenerTest, ADataDumpDeliversItsBlockOrSaysWhyNot) {
    DataDumps dumps(loop, status, colours);
    dumps.Send("127.0.0.1", listener->Port(), *FrameDccChatBlock("bob", 0x7F000001, 5000));
    ASSERT_TRUE(Settle([&] { return !dispatched.empty() && dumps.UnderWay() == 0; }));
    EXPECT_EQ(static_cast<C_imDCCChat&>(*dispatched[0]).senderAddress.nick, "bob");

    dumps.Send("127.0.0.1", static_cast<uint16_t>(FreeLoopbackPort()), "\x04\x00UInf"s);
    ASSERT_TRUE(Settle([&] { return dumps.UnderWay() == 0; }));
    EXPECT_EQ(status.lines, std::vector<std::string> {"\x03" "4[\x03" "12" "BrimConnect/send\x03" "4]\x03" "12 "
                                                      "Couldn't connect to required address."});
}

// The network window's side: one listener per connection, on the address
// the server connection uses, gone with the connection.
class ClientLinkNetworkTest : public NetworkFixture {
protected:
    ClientLinkNetworkTest() {
        SetInternalErrorSink([this](const MessageBoxRequest&) { ++internalErrors; });
    }
    ~ClientLinkNetworkTest() override { SetInternalErrorSink(nullptr); }
    // Connects (again) and waits until registration has made the listener.
    void Connect() {
        const int before = server->AcceptedCount();
        WindowMessage connect(netmsg::kConnect, std::string("127.0.0.1"));
        connect.wParam = server->Port();
        loop.PostMessage(network->Handle(), std::move(connect));
        ASSERT_TRUE(RunUntil([&] { return server->AcceptedCount() > before && network->ClientLinkPort() != 0; }));
    }
    int internalErrors = 0;
};

TEST_F(ClientLinkNetworkTest, TheListenerLivesWithTheConnectionAndAResetConnectionMakesANewOne) {
    Connect();
    const uint16_t first = network->ClientLinkPort();
    EXPECT_TRUE(PortAccepts(first));
    loop.SendMessage(network->Handle(), WindowMessage(netmsg::kResetSocket));
    EXPECT_EQ(network->ClientLinkPort(), 0);
    EXPECT_FALSE(PortAccepts(first));

    Connect();
    const uint16_t second = network->ClientLinkPort();
    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return network->ClientLinkPort() == 0; }));
    EXPECT_FALSE(PortAccepts(second));
    EXPECT_EQ(internalErrors, 0);
}

TEST_F(ClientLinkNetworkTest, AChatRequestReachesTheDispatcherAndYourInfoOutlivesTheConnection) {
    Receiver page;
    network->ClientLink().Wait(page);
    Connect();
    DataDumps dumps(loop, status, network->Settings().colours);
    dumps.Send("127.0.0.1", network->ClientLinkPort(), *FrameDccChatBlock("alice", 0x7F000001, 5000));
    ASSERT_TRUE(RunUntil([&] { return !listener.types.empty(); }));
    EXPECT_EQ(listener.types, std::vector<uint32_t> {kDCCChat});

    server->Disconnect();
    ASSERT_TRUE(RunUntil([&] { return network->ClientLinkPort() == 0; }));
    Connect();
    dumps.Send("127.0.0.1", network->ClientLinkPort(), *FrameYourInfoBlock({"30", "", "", "Alice", "", ""}));
    ASSERT_TRUE(RunUntil([&] { return !page.arrived.empty(); }));
    EXPECT_EQ(page.arrived[0].realName, "Alice");
    network->ClientLink().StopWaiting(page);
}

}  // namespace
}  // namespace parlevox::test
