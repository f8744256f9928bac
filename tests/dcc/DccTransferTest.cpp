// Whole transfers over loopback through the real sockets and files.
#include <sys/stat.h>

#include <vector>

#include "DccTestSupport.h"
#include "dcc/DccTransferSettings.h"

namespace parlevox::test {
namespace {

using State = CDCCWnd::State;

class RecordingSink final : public DccDataSink {
public:
    void Begin(DccSinkSource&, const std::string&, const std::string&, uint64_t s) override {
        size = s;
        ++begun;
    }
    void Data(const uint8_t* bytes, size_t length) override { data.append(reinterpret_cast<const char*>(bytes), length); }
    void End(bool c) override {
        complete = c;
        ++ended;
    }
    std::string data;
    uint64_t size = 0;
    int begun = 0, ended = 0;
    bool complete = false;
};

class DccTransferTest : public DccFixture {
protected:
    // Offers `source` and receives it into `target` from `position`.
    void Transfer(const std::string& source, const std::string& target, uint64_t position, uint32_t sendAhead,
                  std::shared_ptr<DccDataSink> sink = nullptr) {
        auto sender = Send(dir.File(source), sendAhead);
        ASSERT_TRUE(sender);
        EXPECT_EQ(Status(*sender), "Waiting for connection");
        if (position > 0) {
            ASSERT_TRUE(sender->AcceptResume(position));
        }
        DccReceiveRequest request;
        request.path = dir.File(target);
        request.size = sender->Size();
        request.port = sender->ListenPort();
        request.position = position;
        request.action = sink ? dcc_action::kPlugIn : dcc_action::kSave;
        request.sink = sink;
        auto receiver = Receive(request);
        ASSERT_TRUE(receiver);
        EXPECT_EQ(Status(*receiver), "Attempting to connect");
        ASSERT_TRUE(RunUntilStopped({sender.get(), receiver.get()}));
        EXPECT_EQ(Status(*sender), "Completed OK");
        EXPECT_EQ(Status(*receiver), "Completed OK");
        EXPECT_EQ(sender->ProgressValue(), sender->ProgressMaximum());
        EXPECT_EQ(receiver->ProgressValue(), receiver->ProgressMaximum());
    }
};

TEST_F(DccTransferTest, FilesArriveByteForByte) {
    struct Case {
        size_t size;
        uint32_t sendAhead;
    } cases[] = {
        {0, 4096}, {1, 4096}, {4095, 4096}, {4096, 4096}, {4097, 4096}, {10'000'000, 4096},
        {4097, 1u << 20}, {10'000'000, 1u << 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes, send-ahead " << c.sendAhead);
        const std::string bytes = Pattern(c.size, static_cast<uint32_t>(c.size));
        WriteWholeFile(dir.File("out.bin"), bytes);
        // A plug-in sees every block while the file is saved as usual.
        auto sink = std::make_shared<RecordingSink>();
        Transfer("out.bin", "in.bin", 0, c.sendAhead, sink);
        EXPECT_TRUE(ReadWholeFile(dir.File("in.bin")) == bytes);
        EXPECT_TRUE(sink->data == bytes);
        EXPECT_EQ(sink->begun, 1);
        EXPECT_EQ(sink->ended, 1);
        EXPECT_TRUE(sink->complete);
        EXPECT_EQ(sink->size, bytes.size());
    }
}

TEST_F(DccTransferTest, AResumeContinuesTheFileAtItsPosition) {
    constexpr size_t kSize = 10'000;
    const std::string bytes = Pattern(kSize);
    WriteWholeFile(dir.File("out.bin"), bytes);
    for (uint64_t position : {1ull, 500ull, 4096ull, 9999ull, 10000ull}) {
        SCOPED_TRACE(position);
        // The part already here; what the sender skips must not be sent again.
        WriteWholeFile(dir.File("in.bin"), bytes.substr(0, position));
        // A plug-in is handed what the file held first, then the rest.
        auto sink = std::make_shared<RecordingSink>();
        Transfer("out.bin", "in.bin", position, 4096, sink);
        EXPECT_TRUE(ReadWholeFile(dir.File("in.bin")) == bytes);
        EXPECT_TRUE(sink->data == bytes);
        EXPECT_TRUE(sink->complete);
    }
}

// A plug-in's resume reads the part already here first; a file shorter
// than the position cannot be continued.
TEST_F(DccTransferTest, APlugInResumeNeedsThePartItContinues) {
    WriteWholeFile(dir.File("in.bin"), "0123456789");
    auto sink = std::make_shared<RecordingSink>();
    DccReceiveRequest request;
    request.path = dir.File("in.bin");
    request.size = 1000;
    request.port = 5000;
    request.position = 100;
    request.action = dcc_action::kPlugIn;
    request.sink = sink;
    std::string error;
    EXPECT_EQ(Receive(request, &error), nullptr);
    EXPECT_EQ(error, "Couldn't read the file.");
    EXPECT_EQ(sink->begun, 0);
}

// The sender is behind NAT: neither side offers a listener at first; the
// receiver listens and the sender connects to it.
TEST_F(DccTransferTest, APassiveOfferIsSentOverTheReceiversListener) {
    const std::string bytes = Pattern(100'000);
    WriteWholeFile(dir.File("out.bin"), bytes);
    auto sender = Send(dir.File("out.bin"), 4096, true);
    ASSERT_TRUE(sender);
    EXPECT_EQ(sender->ListenPort(), 0);
    DccReceiveRequest request;
    request.path = dir.File("in.bin");
    request.size = bytes.size();
    request.port = 0;
    auto receiver = Receive(request);
    ASSERT_TRUE(receiver);
    ASSERT_NE(receiver->PassiveListenPort(), 0);
    EXPECT_EQ(Status(*receiver), "Waiting for connection");
    ASSERT_TRUE(sender->ConnectPassive(kLoopback, receiver->PassiveListenPort()));
    EXPECT_FALSE(sender->ConnectPassive(kLoopback, receiver->PassiveListenPort()));  // one connection only
    ASSERT_TRUE(RunUntilStopped({sender.get(), receiver.get()}));
    EXPECT_EQ(Status(*sender), "Completed OK");
    EXPECT_EQ(Status(*receiver), "Completed OK");
    EXPECT_TRUE(ReadWholeFile(dir.File("in.bin")) == bytes);
}

// The helper gets the path as one argument, spaces and all: here the shell
// runs the received file, which leaves a mark next to itself.
TEST_F(DccTransferTest, TheHelperOpensTheCompleteFile) {
    const std::string script = "printf ran > \"$0.mark\"\n";
    WriteWholeFile(dir.File("out.sh"), script);
    for (const char* helper : {"/bin/sh", "/nonexistent/helper"}) {
        SCOPED_TRACE(helper);
        auto sender = Send(dir.File("out.sh"));
        DccReceiveRequest request;
        request.path = dir.File("my file.sh");
        request.size = script.size();
        request.port = sender->ListenPort();
        request.action = dcc_action::kSaveAndOpen;
        request.helper = helper;
        auto receiver = Receive(request);
        ASSERT_TRUE(RunUntilStopped({sender.get(), receiver.get()}));
        EXPECT_EQ(Status(*sender), "Completed OK");
        if (std::string(helper) == "/bin/sh") {
            EXPECT_EQ(Status(*receiver), "Completed OK");
            struct stat info {};
            EXPECT_TRUE(loop.RunUntil([&] { return stat(dir.File("my file.sh.mark").c_str(), &info) == 0 && info.st_size == 3; },
                                      kWatchdogMs));
        } else {
            EXPECT_EQ(Status(*receiver), "Failed to load helper");
        }
    }
}

// Closing either window ends the transfer at once; the other side says so.
TEST_F(DccTransferTest, ClosingAWindowEndsItsTransfer) {
    WriteWholeFile(dir.File("out.bin"), Pattern(10'000'000));
    for (bool closeReceiver : {true, false}) {
        SCOPED_TRACE(closeReceiver ? "receiver closed" : "sender closed");
        auto sender = Send(dir.File("out.bin"));
        DccReceiveRequest request;
        request.path = dir.File("in.bin");
        request.size = sender->Size();
        request.port = sender->ListenPort();
        auto receiver = Receive(request);
        ASSERT_TRUE(loop.RunUntil([&] { return receiver->ProgressValue() > 100; }, kWatchdogMs));
        std::unique_ptr<CDCCWnd>& closed = closeReceiver ? receiver : sender;
        int closeRequests = 0;
        closed->onCloseRequested = [&] { ++closeRequests; };
        closed->RequestClose();
        EXPECT_EQ(closeRequests, 1);
        closed.reset();
        CDCCWnd& other = closeReceiver ? *sender : *receiver;
        ASSERT_TRUE(RunUntilStopped({&other}));
        if (closeReceiver) {
            EXPECT_EQ(Status(other), "Connection closed before file transfer complete");
        } else {
            // Acknowledgements still on their way turn the sender's close into a reset.
            const std::string status = Status(other);
            EXPECT_TRUE(status == "Connection closed by other end" || status == "Failure reading data") << status;
        }
    }
}

class CountingView final : public DccProgressView {
public:
    explicit CountingView(int& count) : count_(count) {}
    void Updated(const CDCCWnd&) override { ++count_; }

private:
    int& count_;
};

TEST_F(DccTransferTest, TheWindowShowsItsStageAndUpdatesOnlyWhatChanges) {
    using Lines = std::vector<std::pair<std::string, bool>>;
    auto lines = [](const CDCCWnd& window) {
        Lines result;
        for (const DccProgressLine& line : window.Lines()) result.emplace_back(line.text, line.red);
        return result;
    };
    CDCCWnd send(loop, ui, "Alice", "/files/song.mp3", 3 << 20, CDCCWnd::Direction::Send);
    int updates = 0;
    send.SetView(std::make_unique<CountingView>(updates));
    EXPECT_EQ(send.Title(), "song.mp3 - Alice");
    EXPECT_EQ(lines(send), (Lines {{"Data sent: 0.0 Kb", false}, {"Data acknowledged: 0.0 Kb", false},
                                  {"Total file size: 3.00 Mb", false}, {"Waiting for connection", false}}));
    send.MarkConnected();
    send.SetProgress(600 << 10, 524288);
    EXPECT_EQ(lines(send)[0].first, "Data sent: 0.58 Mb");
    EXPECT_EQ(lines(send)[3].first, "Connected OK");
    EXPECT_EQ(send.ProgressMaximum(), 3072);
    EXPECT_EQ(send.ProgressValue(), 512);  // the acknowledged bytes
    const int before = updates;
    send.SetProgress((600 << 10) + 10, 524288 + 10);  // nothing shown changes
    EXPECT_EQ(updates, before);
    send.ShowMessage("Error sending data");
    EXPECT_EQ(lines(send)[3], (std::pair<std::string, bool> {"Error sending data", true}));
    EXPECT_EQ(updates, before + 1);

    CDCCWnd receive(loop, ui, "Bob", "/files/a.txt", 1000, CDCCWnd::Direction::Receive);
    EXPECT_EQ(lines(receive), (Lines {{"Data read: 0.0 Kb", false}, {"Total file size: 0.9 Kb", false},
                                     {"Attempting to connect", false}}));
    receive.SetProgress(1000);
    receive.Completed();
    EXPECT_EQ(lines(receive).back(), (std::pair<std::string, bool> {"Completed OK", true}));
    EXPECT_EQ(receive.ProgressValue(), 0);
}

}  // namespace
}  // namespace parlevox::test
