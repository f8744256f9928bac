#include "dcc/DCCControl.h"

#include <filesystem>
#include <fstream>

#include "dcc/DCCChatWnd.h"
#include "display/ChatWindowFixture.h"
#include "irc/IMPrivmsg.h"
#include "irc/IRCLineParser.h"

namespace parlevox::test {
namespace {

class NoViews final : public DccViews {
public:
    std::unique_ptr<DccProgressView> MakeProgressView(CDCCWnd&) override { return nullptr; }
    std::unique_ptr<DccQueryView> MakeQueryView(CDCCQueryWnd&) override { return nullptr; }
};

class Chats final : public DccChatWindows {
public:
    explicit Chats(std::function<ChatWindowServices()> services) : services_(std::move(services)) {}
    CDCCChatWnd& OpenDccChat(const std::string& peer, uint16_t telnetPort) override {
        views.push_back(std::make_unique<RecordingChatView>());
        windows.push_back(std::make_unique<CDCCChatWnd>(services_(), peer, telnetPort, *views.back()));
        return *windows.back();
    }
    std::vector<std::unique_ptr<RecordingChatView>> views;
    std::vector<std::unique_ptr<CDCCChatWnd>> windows;

private:
    std::function<ChatWindowServices()> services_;
};

std::string Request(const std::string& sender, const std::string& text) {
    return ":" + sender + " PRIVMSG Me :\x01" + text + "\x01";
}

class DccControlTest : public ChatWindowFixture {
protected:
    DccControlTest() {
        // Listeners bind to our end of the server link; peers are told
        // the address the person set (behind NAT).
        state.localAddress = "127.0.0.1";
        options.ownAddress = "192.168.1.1";
        options.automaticMode = 2;
        DccControlServices services {loop, network.Handle(), state, ui, nullptr, dir.Path() + "/", views, chats, {}, {},
                                     {}, {}};
        services.addIgnore = [this](const AddressRecord& sender, const std::string& reason) {
            ignored.push_back(sender.Text() + " " + reason);
        };
        services.isFriend = [this](const AddressRecord& sender) { return sender.nick == "friend"; };
        services.showOfferHint = [this] { ++hints; };
        control = std::make_unique<CDCCControl>(services, options);
    }
    ~DccControlTest() override {
        control.reset();
        chats.windows.clear();
        loop.RunUntil([] { return false; }, 30);
    }

    void Hand(const std::string& line) {
        ParsedLine parsed = ParseIRCLine(line, ParseOptions {});
        ASSERT_TRUE(parsed.message) << line;
        EXPECT_TRUE(control->HandRequest(*parsed.message));
    }
    void Offer(const std::string& words, const std::string& sender = "bob!b@h") {
        Hand(Request(sender, "DCC SEND " + words));
    }
    // Every regular file under the program folder, relative to it.
    std::vector<std::string> FilesWritten() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
            if (entry.is_regular_file() || entry.is_symlink())
                files.push_back(std::filesystem::relative(entry.path(), dir.Path()).string());
        return files;
    }
    void WriteFile(const std::string& relative, size_t size) {
        std::filesystem::create_directories(std::filesystem::path(dir.File(relative)).parent_path());
        std::ofstream(dir.File(relative), std::ios::binary) << std::string(size, 'x');
    }

    DccOptions options;
    NoViews views;
    Chats chats {[this] { return Services(); }};
    std::vector<std::string> ignored;
    int hints = 0;
    std::unique_ptr<CDCCControl> control;
};

struct HostileOffer {
    const char* words;
    const char* ignoreReason;  // null: no ignore entry
    const char* received;      // the file a receive was started for, or null
};

// What strangers send: never a file outside the download folder, a hostile
// sender marked, everything malformed dropped without a trace.
const HostileOffer kHostileOffers[] = {
    {"../../.bashrc 2130706433 5000 10", nullptr, nullptr},
    {"/etc/passwd 2130706433 5000 10", nullptr, "dcc/passwd"},
    {"a\\b 2130706433 5000 10", nullptr, "dcc/b"},
    {"../../autoexec.bat 3232235777 5000 10", nullptr, "dcc/autoexec.bat"},
    {".. 2130706433 5000 10", nullptr, nullptr},
    {". 2130706433 5000 10", nullptr, nullptr},
    {".profile 2130706433 5000 10", nullptr, nullptr},
    {" 2130706433 5000 10", nullptr, nullptr},
    {"x\x02y 2130706433 5000 10", nullptr, nullptr},
    {"con 2130706433 5000 10", "Sending DCC with DOS-device name", nullptr},
    {"lpt1 2130706433 5000 10", "Sending DCC with DOS-device name", nullptr},
    {"Com3 2130706433 5000 10", "Sending DCC with DOS-device name", nullptr},
    {"lpt3 2130706433 5000 10", nullptr, "dcc/lpt3"},
    {"nul 2130706433 5000 10", nullptr, "dcc/nul"},
    {"con.txt 2130706433 5000 10", nullptr, "dcc/con.txt"},
    {"f 2130706433 5000 9223372036854775808", nullptr, nullptr},
    {"f 2130706433 5000 18446744073709551616", nullptr, nullptr},
    {"f 2130706433 5000 -1", nullptr, nullptr},
    {"f 2130706433 5000 1e9", nullptr, nullptr},
    {"f 2130706433 5000 0x10", nullptr, nullptr},
    {"big 2130706433 5000 9223372036854775807", nullptr, "dcc/big"},
    {"f 2130706433 0 10", "Sending DCC with system port (<1024)", nullptr},
    {"f 2130706433 1023 10", "Sending DCC with system port (<1024)", nullptr},
    {"port1024 2130706433 1024 10", nullptr, "dcc/port1024"},
    {"f 2130706433 65536 10", nullptr, nullptr},
    {"f 2130706433 99999 10", nullptr, nullptr},
    {"f 0 5000 10", nullptr, nullptr},
    {"f 4294967295 5000 10", nullptr, nullptr},
    {"f 4294967296 5000 10", nullptr, nullptr},
    {"f abc 5000 10", nullptr, nullptr},
};

TEST_F(DccControlTest, HostileOffersWriteNothingOutsideTheDownloadFolder) {
    for (const HostileOffer& offer : kHostileOffers) {
        SCOPED_TRACE(offer.words);
        ignored.clear();
        const size_t before = control->Transfers().size();
        Offer(offer.words);
        EXPECT_EQ(ignored, offer.ignoreReason ? std::vector<std::string> {std::string("bob!b@h ") + offer.ignoreReason}
                                              : std::vector<std::string> {});
        ASSERT_EQ(control->Transfers().size(), before + (offer.received ? 1 : 0));
        if (offer.received) {
            EXPECT_EQ(control->Transfers().back()->Path(), dir.File(offer.received));
        }
    }
    const size_t before = control->Transfers().size();
    Offer(std::string(256, 'n') + " 2130706433 5000 10");
    EXPECT_EQ(control->Transfers().size(), before);
    EXPECT_TRUE(control->Queries().empty());
    for (const std::string& file : FilesWritten()) EXPECT_EQ(file.rfind("dcc/", 0), 0u) << file;
}

TEST_F(DccControlTest, ChatOffersFollowTheSenderAndThePort) {
    struct Case {
        const char* sender;
        const char* port;
        bool ignoredForPort, connects;
    } cases[] = {
        {"stranger!s@h", "5000", false, false},
        {"friend!f@h", "5000", false, true},
        {"Me!me@here", "23", false, true},
        {"host.example!23@Telnet", "23", false, true},
        {"stranger!s@h", "23", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sender);
        ignored.clear();
        const size_t before = chats.windows.size();
        Hand(Request(c.sender, std::string("DCC CHAT chat 2130706433 ") + c.port));
        EXPECT_EQ(ignored.size(), c.ignoredForPort ? 1u : 0u);
        if (c.ignoredForPort) {
            EXPECT_EQ(chats.windows.size(), before);
            continue;
        }
        ASSERT_EQ(chats.windows.size(), before + 1);
        EXPECT_EQ(chats.windows.back()->OfferPending(), !c.connects);
    }
    EXPECT_EQ(chats.windows[3]->TelnetPort(), 23);
    EXPECT_EQ(chats.windows[3]->Peer(), "host.example");
}

TEST_F(DccControlTest, ChatOffersOverTheClientLinkAlwaysWaitForThePerson) {
    state.currentNick = "Me";
    for (const char* nick : {"stranger", "friend", "Me"}) {
        auto request = C_imDCCChat::FromClientLink(nick, "2130706433", 0x7F000001, 5000);
        EXPECT_TRUE(control->HandRequest(*request));
        ASSERT_FALSE(chats.windows.empty());
        EXPECT_EQ(chats.windows.back()->Peer(), nick);
        EXPECT_TRUE(chats.windows.back()->OfferPending()) << nick;
    }
    auto systemPort = C_imDCCChat::FromClientLink("Me", "2130706433", 0x7F000001, 23);
    control->HandRequest(*systemPort);
    EXPECT_EQ(ignored, std::vector<std::string> {"Me!x@(BrimConnect) Sending DCC with system port (<1024)"});
}

TEST_F(DccControlTest, AllowAndAutomaticModesDecideBetweenDropAskAndReceive) {
    struct Case {
        int allow, automatic;
        const char* sender;
        size_t queries, transfers;
    } cases[] = {
        {1, 2, "friend!f@h", 0, 0}, {2, 2, "stranger!s@h", 0, 0}, {2, 2, "friend!f@h", 0, 1},
        {0, 0, "friend!f@h", 1, 0}, {0, 1, "friend!f@h", 0, 1},   {0, 1, "stranger!s@h", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.allow << c.automatic << c.sender);
        options.allowMode = c.allow;
        options.automaticMode = c.automatic;
        const size_t queries = control->Queries().size(), transfers = control->Transfers().size();
        Offer("mode.txt 2130706433 5000 10", c.sender);
        EXPECT_EQ(control->Queries().size() - queries, c.queries);
        EXPECT_EQ(control->Transfers().size() - transfers, c.transfers);
        std::filesystem::remove(dir.File("dcc/mode.txt"));
    }
    EXPECT_EQ(hints, 2);
}

TEST_F(DccControlTest, AnExistingPartAsksTheSenderToResume) {
    options.automaticMode = 0;
    WriteFile("dcc/part.bin", 500);
    for (const char* answer : {"ACCEPT", "PING", "ACCEPT-TOO-FAR"}) {
        SCOPED_TRACE(answer);
        network.sent.clear();
        Offer("part.bin 2130706433 5000 1000");
        CDCCQueryWnd& query = *control->Queries().back();
        EXPECT_EQ(query.ButtonLabel(), "Trying resume");
        EXPECT_FALSE(query.ButtonEnabled());
        EXPECT_EQ(network.sent, (std::vector<std::string> {"PRIVMSG bob :\x01" "DCC RESUME part.bin 5000 500\x01",
                                                           "PRIVMSG bob :\x01" "PING dcc-resume-test\x01"}));
        const std::string a(answer);
        if (a == "ACCEPT") network.Receive(Request("bob!b@h", "DCC ACCEPT part.bin 5000 500"));
        if (a == "PING") network.Receive(":bob!b@h NOTICE Me :\x01PING dcc-resume-test\x01");
        if (a == "ACCEPT-TOO-FAR") network.Receive(Request("bob!b@h", "DCC ACCEPT part.bin 5000 501"));
        EXPECT_EQ(query.ButtonLabel(), a == "ACCEPT" ? "Resume" : a == "PING" ? "Overwrite" : "Trying resume");
        EXPECT_EQ(query.Position(), a == "PING" ? 0u : 500u);
    }
    WriteFile("dcc/whole.bin", 1000);
    Offer("whole.bin 2130706433 5000 1000");
    EXPECT_EQ(control->Queries().back()->ButtonLabel(), "Overwrite");
    EXPECT_EQ(control->Queries().back()->Position(), 0u);
}

TEST_F(DccControlTest, OwnOffersCarryTheAddressAsOneNumber) {
    WriteFile("out/my file.txt", 1234);
    std::string problem;
    ASSERT_TRUE(control->SendFile("bob", dir.File("out/my file.txt"), problem)) << problem;
    const uint16_t port = control->Transfers().back()->ListenPort();
    ASSERT_NE(port, 0);
    EXPECT_EQ(network.sent.back(), "PRIVMSG bob :\x01" "DCC SEND \"my file.txt\" 3232235777 " + std::to_string(port) +
                                       " 1234\x01");

    // A resume for the waiting offer is answered; one past the end is not.
    network.sent.clear();
    Hand(Request("bob!b@h", "DCC RESUME file 9 100"));
    Hand(Request("bob!b@h", "DCC RESUME file " + std::to_string(port) + " 1235"));
    EXPECT_TRUE(network.sent.empty());
    Hand(Request("bob!b@h", "DCC RESUME file " + std::to_string(port) + " 100"));
    EXPECT_EQ(network.sent, std::vector<std::string> {"PRIVMSG bob :\x01" "DCC ACCEPT file " + std::to_string(port) +
                                                      " 100\x01"});

    // "/dccview": the file offered to oneself as if the server brought it,
    // received into the download folder.
    const std::optional<std::string> view = control->ViewLine(dir.File("out/my file.txt"), problem);
    ASSERT_TRUE(view);
    const std::string viewPort = std::to_string(control->Transfers().back()->ListenPort());
    EXPECT_EQ(*view, ":DCCView!your@PC PRIVMSG Me :\x01" "DCC SEND \"my file.txt\" 3232235777 " + viewPort + " 1234\x01");
    options.ownAddress = "127.0.0.1";
    Hand(std::string(*view).replace(view->find("3232235777"), 10, "2130706433"));
    CDCCWnd& received = *control->Transfers().back();
    ASSERT_TRUE(loop.RunUntil([&] { return received.GetState() == CDCCWnd::State::Completed; }, 5000));
    EXPECT_EQ(ReadWholeFile(dir.File("dcc/my file.txt")), std::string(1234, 'x'));

    EXPECT_FALSE(control->SendFile("bob", dir.File("missing"), problem));
    EXPECT_FALSE(control->SendFile("bob", dir.File("out"), problem));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].title, "DCC error");
    EXPECT_EQ(ui.boxes[0].text, "Error opening requested file");
}

TEST_F(DccControlTest, PassiveOffersAreAnsweredWithWhereWeListen) {
    Offer("nat.bin 3232235778 0 10 77");
    ASSERT_EQ(control->Transfers().size(), 1u);
    const uint16_t port = control->Transfers().back()->PassiveListenPort();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(ignored.empty());
    EXPECT_EQ(network.sent.back(),
              "PRIVMSG bob :\x01" "DCC SEND nat.bin 3232235777 " + std::to_string(port) + " 10 77\x01");

    options.passive = true;
    WriteFile("out/send.bin", 10);
    std::string problem;
    ASSERT_TRUE(control->SendFile("bob", dir.File("out/send.bin"), problem));
    EXPECT_EQ(network.sent.back(), "PRIVMSG bob :\x01" "DCC SEND send.bin 3232235777 0 10 1\x01");
    // The peer's answer names its listener: no new receive starts.
    Offer("send.bin 2130706433 6000 10 1");
    EXPECT_EQ(control->Transfers().size(), 2u);
}

}  // namespace
}  // namespace parlevox::test
