// Transfers whose other end misbehaves, played by hand, and targets that
// cannot be written.
#include <arpa/inet.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "DccTestSupport.h"

namespace parlevox::test {
namespace {

using Bytes = std::vector<uint8_t>;

std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

using DccSendFailureTest = DccFixture;

// A receiver played by hand takes the 1000 bytes and answers with the
// pieces of each row.
TEST_F(DccSendFailureTest, TheSenderBelievesOnlyAcknowledgementsOfWhatItSent) {
    struct Case {
        const char* name;
        uint64_t position;
        std::vector<Bytes> pieces;
        bool reset;
        const char* status;
    } cases[] = {
        {"whole, in two halves", 0, {{0, 0}, {3, 0xE8}}, false, "Completed OK"},
        {"900 then close", 0, {{0, 0, 3, 0x84}}, false, "Connection closed before file transfer complete"},
        {"beyond what was sent", 0, {{0, 0, 0x13, 0x88}}, false, "Connection closed before file transfer complete"},
        {"900, back to 100", 0, {{0, 0, 3, 0x84}, {0, 0, 0, 100}}, false,
         "Connection closed before file transfer complete"},
        {"counted from the resume point", 400, {{0, 0, 2, 0x58}}, false, "Completed OK"},
        {"reset", 0, {}, true, "Error receiving acknowlegement"},
    };
    WriteWholeFile(dir.File("out.bin"), Pattern(1000));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto sender = Send(dir.File("out.bin"));
        if (c.position) sender->AcceptResume(c.position);
        PeerConnection peer(loop);
        peer.Create();
        peer.Connect("127.0.0.1", sender->ListenPort());
        ASSERT_TRUE(loop.RunUntil([&] { return peer.received.size() == 1000 - c.position; }, kWatchdogMs));
        EXPECT_EQ(Status(*sender), "Connected OK");
        for (const Bytes& piece : c.pieces) {
            peer.SendBytes(Text(piece));
            for (int i = 0; i < 3; ++i) loop.RunOnce(10);
        }
        if (c.reset) peer.Reset();
        else peer.Close();
        ASSERT_TRUE(RunUntilStopped({sender.get()}));
        EXPECT_EQ(Status(*sender), c.status);
    }
}

// Only the send-ahead runs past the acknowledgements: with the smallest,
// one 2048-byte block per acknowledgement that leaves room, as other
// clients expect; with a larger one, enough to fill it.
TEST_F(DccSendFailureTest, TheSenderRunsAheadOfTheAcknowledgementsByTheWindow) {
    struct Step {
        uint32_t ack;
        size_t received;  // by the peer after it
    };
    struct Case {
        uint32_t sendAhead;
        uint64_t position;
        size_t first;
        std::vector<Step> steps;
    } cases[] = {
        {4096, 0, 4096, {{1024, 6144}, {2048, 8192}, {3072, 8192}, {8192, 10240}}},
        {4096, 500, 4096, {{1524, 6144}, {2548, 8192}}},
        {65536, 0, 65536, {{1000, 67584}, {30000, 95536}}},
    };
    const std::string bytes = Pattern(200'000);
    WriteWholeFile(dir.File("out.bin"), bytes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sendAhead);
        auto sender = Send(dir.File("out.bin"), c.sendAhead);
        EXPECT_FALSE(sender->AcceptResume(bytes.size() + 1));
        ASSERT_TRUE(sender->AcceptResume(c.position));
        PeerConnection peer(loop);
        peer.Create();
        peer.Connect("127.0.0.1", sender->ListenPort());
        auto expect = [&](size_t received) {
            ASSERT_TRUE(loop.RunUntil([&] { return peer.received.size() >= received; }, kWatchdogMs));
            for (int i = 0; i < 5; ++i) loop.RunOnce(2);
            EXPECT_EQ(peer.received.size(), received);
        };
        expect(c.first);
        EXPECT_FALSE(sender->AcceptResume(0));  // too late once connected
        for (const Step& step : c.steps) {
            const uint32_t wire = htonl(step.ack);
            peer.SendBytes(std::string(reinterpret_cast<const char*>(&wire), 4));
            expect(step.received);
        }
        EXPECT_TRUE(peer.received == bytes.substr(c.position, peer.received.size()));
        sender.reset();
        peer.Close();
    }
}

// A receiver that reads nothing for a while fills the socket in the middle
// of a block; the rest goes out when there is room again.
TEST_F(DccSendFailureTest, ABlockTheSocketCannotTakeWholeIsFinishedLater) {
    const std::string bytes = Pattern(12'000'000);
    WriteWholeFile(dir.File("out.bin"), bytes);
    auto sender = Send(dir.File("out.bin"), 4u << 20);
    PeerConnection peer(loop);
    peer.Create(0, AsyncSocket::kConnect | AsyncSocket::kClose);
    peer.Connect("127.0.0.1", sender->ListenPort());
    ASSERT_TRUE(loop.RunUntil([&] { return sender->GetState() == CDCCWnd::State::Connected; }, kWatchdogMs));
    for (int i = 0; i < 20; ++i) loop.RunOnce(1);
    EXPECT_NE(sender->Lines()[0].text, "Data sent: 4.00 Mb");  // held back by the full socket
    peer.acknowledge = true;
    peer.AsyncSelect(AsyncSocket::kRead | AsyncSocket::kClose);
    ASSERT_TRUE(RunUntilStopped({sender.get()}));
    EXPECT_EQ(Status(*sender), "Completed OK");
    EXPECT_TRUE(peer.received == bytes);
}

TEST_F(DccSendFailureTest, AnOfferNeedsAReadableFile) {
    std::filesystem::create_directory(dir.File("folder"));
    for (const char* name : {"missing", "folder"}) {
        std::string error;
        EXPECT_FALSE(CDCCWnd::StartSend(loop, ui, {"Alice", dir.File(name), false}, settings, error));
        EXPECT_EQ(error, "It wasn't possible to open the given file.");
    }
}

TEST_F(DccSendFailureTest, TheListenerTakesTheFirstFreePortOfTheRange) {
    WriteWholeFile(dir.File("out.bin"), "x");
    PeerListener busy(loop);
    settings.ports = {busy.port, static_cast<uint16_t>(busy.port + 1)};
    auto sender = Send(dir.File("out.bin"));
    ASSERT_TRUE(sender);
    EXPECT_EQ(sender->ListenPort(), busy.port + 1);
    settings.ports = {busy.port, busy.port};
    std::string error;
    EXPECT_FALSE(CDCCWnd::StartSend(loop, ui, {"Alice", dir.File("out.bin"), false}, settings, error));
    EXPECT_EQ(error, "It wasn't possible to create a DCC listening socket.");
}

using DccReceiveFailureTest = DccFixture;

TEST_F(DccReceiveFailureTest, EachWayTheSenderFailsHasItsText) {
    struct Case {
        const char* name;
        size_t sent;  // by the sender before it ends
        bool reset;
        const char* status;
        const char* box;  // the title of the box shown, if any
    } cases[] = {
        {"closes early", 100, false, "Connection closed by other end", nullptr},
        {"resets", 100, true, "Failure reading data", "GetLastError"},
        {"sends more than offered", 1500, false, "Completed OK", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.boxes.clear();
        PeerListener sender(loop);
        DccReceiveRequest request;
        request.path = dir.File("in.bin");
        request.size = 1000;
        request.port = sender.port;
        auto receiver = Receive(request);
        ASSERT_TRUE(loop.RunUntil([&] { return sender.connection.IsOpen(); }, kWatchdogMs));
        sender.connection.SendBytes(Pattern(c.sent));
        // Closing with the acknowledgement unread would reset the connection.
        ASSERT_TRUE(loop.RunUntil([&] { return sender.connection.received.size() >= 4; }, kWatchdogMs));
        if (c.reset) sender.connection.Reset();
        else sender.connection.Close();
        ASSERT_TRUE(RunUntilStopped({receiver.get()}));
        EXPECT_EQ(Status(*receiver), c.status);
        for (int i = 0; i < 3; ++i) loop.RunOnce(0);  // boxes are shown from a task of their own
        if (c.box) {
            ASSERT_EQ(ui.boxes.size(), 1u);
            EXPECT_EQ(ui.boxes[0].title, c.box);
            EXPECT_EQ(ui.boxes[0].text, std::strerror(ECONNRESET));
        } else {
            EXPECT_TRUE(ui.boxes.empty());
        }
        EXPECT_EQ(ReadWholeFile(dir.File("in.bin")).size(), std::min<size_t>(c.sent, 1000));
    }
}

TEST_F(DccReceiveFailureTest, NobodyListeningIsAFailedConnectionAttempt) {
    int port = 0;
    {
        PeerListener gone(loop);
        port = gone.port;
    }
    DccReceiveRequest request;
    request.path = dir.File("in.bin");
    request.size = 1000;
    request.port = static_cast<uint16_t>(port);
    auto receiver = Receive(request);
    ASSERT_TRUE(RunUntilStopped({receiver.get()}));
    EXPECT_EQ(Status(*receiver), "Connection attempt failed");
}

TEST_F(DccReceiveFailureTest, TargetsThatCannotBeWrittenAreRefused) {
    const std::string kCreate =
        "Couldn't create the file. Check that the folder these files are saved to is okay (in Prefs/File Transfer).";
    const std::string kOpen = "Couldn't open the file.";
    WriteWholeFile(dir.File("victim"), "precious");
    ASSERT_EQ(symlink(dir.File("victim").c_str(), dir.File("link").c_str()), 0);
    struct Case {
        std::string name;
        uint64_t position;
        std::string error;
    } cases[] = {
        {"missing/in.bin", 0, kCreate},
        {"missing.bin", 500, kOpen},
        {"link", 0, kCreate},
        {"link", 5, kOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DccReceiveRequest request;
        request.path = dir.File(c.name);
        request.size = 1000;
        request.port = 1;
        request.position = c.position;
        std::string error;
        EXPECT_FALSE(Receive(request, &error));
        EXPECT_EQ(error, c.error);
    }
    EXPECT_EQ(ReadWholeFile(dir.File("victim")), "precious");
}

}  // namespace
}  // namespace parlevox::test
