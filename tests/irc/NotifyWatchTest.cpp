// The notify list over a real network window with a fake clock: the ISON
// request's length rule, replies read word by word, the services and the
// identification of registered nicks, the lag and the reset of a
// connection whose reply never comes.
#include "irc/NotifyWatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/ControlBytes.h"
#include "irc/ColourCodes.h"
#include "support/NetworkFixture.h"

namespace parlevox::test {
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos) words.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return words;
}

class NotifyWatchTest : public NetworkFixture {
protected:
    NotifyWatchTest() {
        std::array<int, ColourCodes::kSlots> slots {};
        slots[colour::kJoin] = 3;
        slots[colour::kNick] = 12;
        slots[colour::kInformation] = 7;
        colours = ColourCodes(slots);
        ConnectAndRegister();
        state.connected = true;
        state.servicesNetwork = true;
        status.lines.clear();
    }
    ~NotifyWatchTest() override { watch.reset(); }

    void Make(const std::vector<std::string>& nicks) {
        watch = std::make_unique<CNotifyWatch>(NotifyWatchServices {loop, network->Handle(), state, colours, status},
                                               nicks);
        watch->SetTickSource([this] { return tick; });
        watch->onOnlineChanged = [this](const std::string& nick, bool online) {
            changes.push_back((online ? "+" : "-") + nick);
        };
        watch->onPeopleCameOrWent = [this] { ++sounds; };
    }
    // Polls and returns the request the server received.
    std::string PollRequest() {
        const size_t before = IsonLines();
        watch->Poll();
        EXPECT_TRUE(RunUntil([&] { return IsonLines() > before; }));
        return IsonLines() > before ? server->Lines().back() : std::string();
    }
    size_t IsonLines() const {
        return std::count_if(server->Lines().begin(), server->Lines().end(),
                             [](const std::string& line) { return line.starts_with("ISON :"); });
    }
    std::vector<std::string> StatusText() const {
        std::vector<std::string> out;
        for (const auto& line : status.lines) out.push_back(StripControlCodes(line));
        return out;
    }
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& line : server->Lines())
            if (line.starts_with(prefix)) out.push_back(line);
        return out;
    }
    std::vector<uint32_t> ServicesEvents() const {
        std::vector<uint32_t> out;
        for (uint32_t type : listener.types)
            if (type == kServicesUp || type == kServicesDown) out.push_back(type);
        return out;
    }

    ColourCodes colours;
    uint64_t tick = 5000;
    std::unique_ptr<CNotifyWatch> watch;
    std::vector<std::string> changes;
    int sounds = 0;
};

TEST_F(NotifyWatchTest, TheRequestCarriesWhatFits511CharactersAndNamesTheRestAfterEachReply) {
    struct Case {
        const char* description;
        std::vector<std::string> nicks;
    };
    std::vector<std::string> hundred;
    for (int i = 0; i < 100; ++i) hundred.push_back("nick" + std::to_string(10000 + i));  // 9 characters
    std::vector<std::string> longFirst = {"ann", std::string(600, 'x'), "bo"};
    // "ISON :NickServ " and 496 characters make exactly 511.
    std::vector<std::string> exact = {std::string(496, 'n'), "z"};
    const Case cases[] = {{"100 nicks of 9", hundred}, {"a nick too long stops the request", longFirst},
                          {"a request of exactly 511 characters", exact}, {"NickServ alone", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        Make(c.nicks);
        const std::string request = PollRequest();
        ASSERT_TRUE(request.starts_with("ISON :"));
        std::vector<std::string> carried = Words(request.substr(6));
        ASSERT_FALSE(carried.empty());
        EXPECT_EQ(carried[0], "NickServ");
        carried.erase(carried.begin());
        ASSERT_LE(carried.size(), c.nicks.size());
        EXPECT_TRUE(std::equal(carried.begin(), carried.end(), c.nicks.begin())) << "from the start, in order";
        EXPECT_LE(request.size(), CNotifyWatch::kMaxRequestLength);
        std::string notCarried;
        for (size_t i = carried.size(); i < c.nicks.size(); ++i) notCarried += c.nicks[i] + ' ';
        if (!notCarried.empty()) {
            EXPECT_GT(request.size() + 1 + c.nicks[carried.size()].size(), CNotifyWatch::kMaxRequestLength)
                << "the next nick would not have fitted";
        }
        for (int reply = 0; reply < 2; ++reply) {
            status.lines.clear();
            if (reply) PollRequest();
            watch->Reply("");
            EXPECT_EQ(StatusText(), notCarried.empty() ? std::vector<std::string> {}
                                                       : std::vector<std::string> {
                                                             "! Not checking nicks (notify list too long): " +
                                                             notCarried});
        }
    }
}

TEST_F(NotifyWatchTest, RepliesAreReadWordByWordWithoutCaseAndOnlyWhileARequestWaits) {
    Make({"bob", "Ada", "eve"});
    std::string thousand;
    for (int i = 0; i < 1000; ++i) thousand += "someone" + std::to_string(i) + ' ';
    struct Step {
        std::string reply;
        bool polled;
        std::vector<std::string> online;
        std::vector<std::string> status;
    };
    const Step steps[] = {
        {"bob", false, {}, {}},  // no request was sent: not the poll's reply
        {"bobby ada evelyn", true, {"Ada"}, {"+ Joined IRC: Ada "}},
        {"BOB", true, {"bob"}, {"+ Joined IRC: bob ", "+ Left IRC: Ada "}},
        {"EVE ada", false, {"bob"}, {}},  // answered already
        {thousand + "eve", true, {"eve"}, {"+ Joined IRC: eve ", "+ Left IRC: bob "}},
        {"", true, {}, {"+ Left IRC: eve "}},
    };
    int expectedSounds = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.reply.substr(0, 40));
        status.lines.clear();
        if (step.polled) PollRequest();
        watch->Reply(step.reply);
        EXPECT_EQ(watch->OnlineNicks(), step.online);
        EXPECT_EQ(StatusText(), step.status);
        if (!step.status.empty()) ++expectedSounds;
    }
    EXPECT_EQ(sounds, expectedSounds);
    EXPECT_EQ(changes, (std::vector<std::string> {"+Ada", "+bob", "-Ada", "-bob", "+eve", "-eve"}));
}

TEST_F(NotifyWatchTest, TheJoinedLineCarriesItsColourSlots) {
    Make({"bob"});
    PollRequest();
    watch->Reply("bob");
    EXPECT_EQ(status.lines, (std::vector<std::string> {"\x03" "3+ Joined IRC: \x03" "12bob "}));
}

TEST_F(NotifyWatchTest, NickServBackAfterAnOutageBringsTheServicesUpAndIdentifiesTheRegisteredNicks) {
    struct Case {
        const char* description;
        RegisteredNicks registered;
        bool servicesNetwork;
        std::vector<std::string> identified;
    };
    const Case cases[] = {
        {"a slot without a password is skipped",
         {{{"ann", "pw1"}, {"bee", ""}, {"cat", "pw 3"}}},
         true,
         {"PRIVMSG NickServ :IDENTIFY ann pw1", "PRIVMSG NickServ :IDENTIFY cat pw 3"}},
        {"the first empty nick ends the slots",
         {{{"ann", "pw1"}, {"", "stray"}, {"cat", "pw3"}}},
         true,
         {"PRIVMSG NickServ :IDENTIFY ann pw1"}},
        {"another network has no services to watch", {{{"ann", "pw1"}, {}, {}}}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        state.servicesNetwork = c.servicesNetwork;
        listener.types.clear();
        const size_t identifiedBefore = LinesStartingWith("PRIVMSG NickServ").size();
        Make({"bob"});
        watch->SetRegisteredNicks(c.registered);
        for (const char* reply : {"NickServ", "", "bob nickserv", "NICKSERV bob"}) {
            PollRequest();
            watch->Reply(reply);
            loop.RunOnce(0);
        }
        PollRequest();  // everything sent before it has arrived
        std::vector<std::string> identified = LinesStartingWith("PRIVMSG NickServ");
        identified.erase(identified.begin(), identified.begin() + static_cast<std::ptrdiff_t>(identifiedBefore));
        std::vector<std::string> twice = c.identified;
        twice.insert(twice.end(), c.identified.begin(), c.identified.end());
        EXPECT_EQ(identified, twice) << "once when the services came, once when they came back";
        const std::vector<uint32_t> events = {kServicesUp, kServicesDown, kServicesUp};
        EXPECT_EQ(ServicesEvents(), c.servicesNetwork ? events : std::vector<uint32_t>());
        EXPECT_EQ(watch->ServicesUp(), c.servicesNetwork);
    }
}

TEST_F(NotifyWatchTest, TheLagIsTheReplysDelayAndALostReplyResetsTheConnectionAfterTwoMinutes) {
    Make({"bob"});
    EXPECT_EQ(watch->ShownLagSeconds(), std::nullopt) << "nothing measured yet";
    PollRequest();
    tick += 4000;
    EXPECT_EQ(watch->CurrentLagMs(), 4000u) << "the waiting request's age";
    tick += 8000;
    watch->Reply("");
    EXPECT_EQ(watch->ShownLagSeconds(), 12);
    EXPECT_TRUE(CNotifyWatch::IsLate(12));
    EXPECT_FALSE(CNotifyWatch::IsLate(9));

    PollRequest();
    tick += 3000;
    EXPECT_EQ(watch->CurrentLagMs(), 12000u) << "the last lag while the new request is younger";
    tick += CNotifyWatch::kResetAfterMs - 3000;
    watch->Poll();
    loop.RunOnce(0);
    EXPECT_EQ(IsonLines(), 2u) << "no second request while one waits";
    EXPECT_TRUE(state.connected) << "exactly two minutes is not yet too long";

    tick += 1;
    watch->Poll();
    ASSERT_TRUE(RunUntil([&] {
        return !server->HasClient() &&
               std::find(listener.types.begin(), listener.types.end(), kDisconnect) != listener.types.end();
    }));
    EXPECT_FALSE(state.connected);
    EXPECT_EQ(watch->ShownLagSeconds(), std::nullopt) << "cleared while not connected";
}

TEST_F(NotifyWatchTest, WithoutAConnectionEverybodyIsOfflineAndTheServicesGoDown) {
    Make({"bob"});
    int cleared = 0;
    watch->onAllOffline = [&] { ++cleared; };
    PollRequest();
    watch->Reply("bob NickServ");
    state.connected = false;
    watch->ConnectionEnded();
    EXPECT_TRUE(watch->OnlineNicks().empty());
    watch->Poll();
    loop.RunOnce(0);
    EXPECT_EQ(ServicesEvents(), (std::vector<uint32_t> {kServicesUp, kServicesDown}));
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(IsonLines(), 1u) << "no request without a connection";
}

TEST_F(NotifyWatchTest, TheNotifyCommandAddsAndRemovesWithoutCase) {
    Make({"bob"});
    struct Step {
        std::string nick;
        bool remove;
        std::string line;
    };
    const Step steps[] = {
        {"ada", false, "- Nickname ada added to notify list."},
        {"BOB", false, "- Nickname BOB is already on notify list."},
        {"nickserv", false, "- Nickname nickserv is already on notify list."},
        {"Bob", true, "- Nickname bob removed from notify list."},
        {"bob", true, "- Nickname bob is not on notify list."},
        {"NickServ", true, "- Nickname NickServ is not on notify list."},
    };
    for (const Step& step : steps)
        EXPECT_EQ(StripControlCodes(step.remove ? watch->Remove(step.nick) : watch->Add(step.nick)), step.line);
    EXPECT_EQ(watch->Nicks(), std::vector<std::string> {"ada"});
    EXPECT_TRUE(watch->Changed());
    EXPECT_EQ(watch->Add("cy"), "\x03" "7- Nickname \x03" "12cy\x03" "7 added to notify list.");
}

TEST_F(NotifyWatchTest, ANickAddedOrRemovedWhileTheRequestWaitsIsReadRight) {
    Make({"ann", "bob", "cy"});
    PollRequest();
    watch->Remove("ann");
    watch->Add("dee");
    watch->Reply("bob cy dee");
    EXPECT_EQ(watch->OnlineNicks(), (std::vector<std::string> {"bob", "cy"})) << "dee waits for the next request";
    EXPECT_EQ(StatusText(), std::vector<std::string> {"+ Joined IRC: bob cy "});
}

}  // namespace
}  // namespace parlevox::test
