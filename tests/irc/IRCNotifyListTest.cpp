// Dispatch: registration order, the parent/child merge, filters, the chain
// with windows that go away, asynchronous pass-on and read-back of texts.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "irc/DispatchChain.h"
#include "irc/EventHandlerWindow.h"
#include "irc/EventTypes.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkWnd.h"
#include "platform/PollEventLoop.h"
#include "support/LoopLeftEmpty.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using Log = std::vector<std::string>;

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

class Handler final : public EventHandlerWindow {
public:
    Handler(EventLoop& loop, WindowHandle registry, Log& log, std::string name)
        : EventHandlerWindow(loop, registry), log_(log), name_(std::move(name)) {}
    void OnEvent(CIRCMessage& message, uint32_t) override {
        log_.push_back(name_);
        if (onEvent) onEvent(message);
    }
    std::function<void(CIRCMessage&)> onEvent;

private:
    Log& log_;
    std::string name_;
};

// A window that keeps the event and passes it on later, as a dialog would.
class KeepingWindow final : public MessageTarget {
public:
    using MessageTarget::MessageTarget;
    intptr_t OnMessage(WindowMessage& m) override {
        if (m.id == netmsg::kDeliverEvent) kept.reset(static_cast<EventInFlight*>(m.object.release()));
        return 0;
    }
    std::unique_ptr<EventInFlight> kept;
};

struct MapSink final : SystemVariableSink {
    void SetString(std::string_view name, std::string_view value) override { strings[std::string(name)] = value; }
    void SetInt(std::string_view name, int value) override { ints[std::string(name)] = value; }
    std::optional<std::string> GetString(std::string_view name) override {
        auto it = strings.find(std::string(name));
        if (it == strings.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> strings;
    std::map<std::string, int> ints;
};

class IRCNotifyListTest : public ::testing::Test {
protected:
    std::unique_ptr<CIRCMessage> Parse(const std::string& line) {
        ParseOptions options;
        auto message = ParseIRCLine(line, options).message;
        EXPECT_TRUE(message) << line;
        return message;
    }
    Handler& Add(const std::string& name) {
        handlers.push_back(std::make_unique<Handler>(loop, registryWindow.Handle(), log, name));
        return *handlers.back();
    }
    uint32_t On(Handler& h, uint32_t type, int32_t priority, std::function<void(HandlerRecord&)> edit = {}) {
        HandlerRecord record;
        record.eventType = type;
        record.priority = priority;
        if (edit) edit(record);
        return h.Register(record);
    }
    Log Deliver(const std::string& line) {
        log.clear();
        list.Dispatch(Parse(line));
        return log;
    }

    PollEventLoop loop;
    test::LoopLeftEmpty loopCheck{loop};
    CIRCNotifyList list{loop};
    NoStatus status;
    ConnectionState state;
    CNetworkWnd registryWindow{loop, state, status, list, nullptr};
    test::ScriptedUserInterface ui;
    Log log;
    std::vector<std::unique_ptr<Handler>> handlers;
};

TEST_F(IRCNotifyListTest, HigherPrioritiesFirstAndEqualOnesInRegistrationOrder) {
    std::vector<int32_t> priorities = {5, -3, 5, 100, 0, 5, 40000, -10000, 0, 100};
    for (size_t i = 0; i < priorities.size(); ++i) On(Add("h" + std::to_string(i)), kPRIVMSG, priorities[i]);
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG #x :hi"),
              (Log{"h6", "h3", "h9", "h0", "h2", "h5", "h4", "h8", "h1", "h7"}));
}

TEST_F(IRCNotifyListTest, AtEqualPriorityTheMoreSpecificTypeComesFirst) {
    On(Add("event"), kChannelEvent, 0);
    On(Add("join"), kChannelJoin, 0);
    On(Add("high-event"), kChannelEvent, 1);
    On(Add("part"), kChannelPart, 0);
    EXPECT_EQ(Deliver(":a!b@c JOIN :#x"), (Log{"high-event", "join", "event"}));
}

TEST_F(IRCNotifyListTest, ThreeLevelsMergeDownToTheMessagesOwnNode) {
    On(Add("privmsg"), kPRIVMSG, 10);
    On(Add("normal"), kNormalPM, 10);
    On(Add("channel"), kChannelMessage, 10);
    On(Add("private"), kPrivateMessage, 20);
    On(Add("ctcp"), kCTCPMessage, 30);
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG #x :hi"), (Log{"channel", "normal", "privmsg"}));
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG me :hi"), (Log{"private", "normal", "privmsg"}));
}

TEST_F(IRCNotifyListTest, AMaskOnPrivmsgSeesEveryKindFromMatchingSenders) {
    On(Add("masked"), kPRIVMSG, 0, [](HandlerRecord& r) {
        r.filters = filter::kMask;
        r.mask = {"Bob*", "*", "*.example.com"};
    });
    const char* matching[] = {":bobby!u@h.example.com PRIVMSG me :hi", ":BOB!u@h.example.com PRIVMSG #x :hi",
                              ":bob!u@h.example.com PRIVMSG me :\x01" "ACTION waves\x01",
                              ":bob!u@h.example.com PRIVMSG me :\x01VERSION\x01",
                              ":bob!u@h.example.com PRIVMSG me :\x01" "DCC CHAT chat 1 2\x01"};
    for (const char* line : matching) EXPECT_EQ(Deliver(line), (Log{"masked"})) << line;
    EXPECT_TRUE(Deliver(":alice!u@h.example.com PRIVMSG me :hi").empty());
    EXPECT_TRUE(Deliver(":bob!u@example.org PRIVMSG me :hi").empty());
}

TEST_F(IRCNotifyListTest, ChannelFilterUsesTheCandidateRules) {
    On(Add("x"), kChannelEvent, 0, [](HandlerRecord& r) {
        r.filters = filter::kChannel;
        r.channel = "#X";
    });
    On(Add("global"), kGlobalEvent, 0, [](HandlerRecord& r) {
        r.filters = filter::kChannel;
        r.channel = "@#x";
    });
    EXPECT_EQ(Deliver(":a!b@c JOIN :#x"), (Log{"x"}));
    EXPECT_EQ(Deliver(":a!b@c PART #x :bye"), (Log{"x"}));
    EXPECT_TRUE(Deliver(":a!b@c PART #y :bye").empty());
    EXPECT_TRUE(Deliver(":a!b@c JOIN :#xy").empty());
}

TEST(ChannelCandidateTest, Table) {
    struct Case {
        const char* line;
        const char* candidate;
    } cases[] = {
        {":a!b@c JOIN :#x", "#x"},
        {":a!b@c PART #x :bye", "#x"},
        {":s 353 me = #chan :a b", "#chan"},          // params[0] "me", [1] "=" too short, [2] "#chan"
        {":s 332 me @#ops :topic", "@#ops"},            // the leading "@" stays part of it
        {":s 401 me nobody :No such nick", ""},
        {":s 324 me  #x +nt", ""},                      // an empty parameter ends the search
        {":s 999 me a b #toofar :x", ""},               // only params[0..2] are looked at
        {":s 341 me nick &local", "&local"},
        {":s 341 me nick +modeless", "+modeless"},
        {":s 341 me nick #", ""},                       // one character is passed over
    };
    for (const Case& c : cases) {
        ParseOptions options;
        auto message = ParseIRCLine(c.line, options).message;
        ASSERT_TRUE(message) << c.line;
        EXPECT_EQ(ChannelCandidate(*message), c.candidate) << c.line;
    }
}

TEST_F(IRCNotifyListTest, NumericAndCTCPTypeFilters) {
    On(Add("353"), kServerNumeric, 0, [](HandlerRecord& r) {
        r.filters = filter::kNumeric;
        r.numeric = 353;
    });
    On(Add("ping"), kCTCPMessage, 0, [](HandlerRecord& r) {
        r.filters = filter::kCTCPType;
        r.ctcpType = "ping";
    });
    EXPECT_EQ(Deliver(":s 353 me = #x :a b"), (Log{"353"}));
    EXPECT_TRUE(Deliver(":s 366 me #x :End").empty());
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG me :\x01PING 123\x01"), (Log{"ping"}));
    EXPECT_TRUE(Deliver(":a!b@c PRIVMSG me :\x01VERSION\x01").empty());
    EXPECT_TRUE(Deliver(":a!b@c PRIVMSG me :PING").empty());
}

TEST_F(IRCNotifyListTest, AWindowDestroyedMidChainIsSkipped) {
    Handler& first = Add("first");
    On(first, kPRIVMSG, 3);
    On(Add("doomed"), kPRIVMSG, 2);
    On(Add("last"), kPRIVMSG, 1);
    first.onEvent = [&](CIRCMessage&) { handlers[1].reset(); };  // goes while the chain runs
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG #x :hi"), (Log{"first", "last"}));
}

TEST_F(IRCNotifyListTest, AKeptEventResumesWhenPassedOnAndIsDestroyedAfterTheLast) {
    KeepingWindow keeper(loop);
    HandlerRecord keep;
    keep.window = keeper.Handle();
    keep.eventType = kPRIVMSG;
    keep.priority = 5;
    list.Register(keep);
    On(Add("after"), kPRIVMSG, 1);

    list.Dispatch(Parse(":a!b@c PRIVMSG #x :hi"));
    ASSERT_TRUE(keeper.kept);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(keeper.kept->chain.CurrentHandlerId(), keeper.kept->chain.entries[0].handlerId);
    list.PassOn(std::move(keeper.kept));
    EXPECT_EQ(log, (Log{"after"}));
}

TEST_F(IRCNotifyListTest, RegistrationsDuringAChainDoNotChangeIt) {
    Handler& first = Add("first");
    On(first, kPRIVMSG, 2);
    first.onEvent = [&](CIRCMessage&) { On(Add("late"), kPRIVMSG, 1); };
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG #x :hi"), (Log{"first"}));
    EXPECT_EQ(Deliver(":a!b@c PRIVMSG #x :hi"), (Log{"first", "late"}));
}

TEST_F(IRCNotifyListTest, AReactionChangingTheTextIsSeenByLaterHandlers) {
    Handler& reaction = Add("reaction");
    Handler& window = Add("window");
    On(reaction, kNormalPM, priority::kReactions);
    On(window, kPRIVMSG, priority::kFallback);
    reaction.onEvent = [](CIRCMessage& m) {
        MapSink variables;
        m.SetSystemVariables(variables);
        EXPECT_EQ(variables.strings["sSysText"], "hello");
        EXPECT_EQ(variables.ints["iSysHandled"], 0);
        variables.SetString("sSysText", "HELLO!");
        m.ReadBackSystemVariables(variables);
        m.handled = 1;
    };
    std::string seen;
    int handled = -1;
    window.onEvent = [&](CIRCMessage& m) {
        seen = m.text;
        handled = m.handled;
    };
    Deliver(":a!b@c PRIVMSG #x :hello");
    EXPECT_EQ(seen, "HELLO!");
    EXPECT_EQ(handled, 1);
}

TEST_F(IRCNotifyListTest, RemovalByIdAndByWindow) {
    Handler& a = Add("a");
    Handler& b = Add("b");
    uint32_t aJoin = On(a, kChannelJoin, 0);
    On(a, kChannelEvent, 0);
    On(b, kChannelJoin, 0);
    EXPECT_EQ(list.HandlerCount(), 3u);
    EXPECT_TRUE(list.RemoveById(aJoin));
    EXPECT_FALSE(list.RemoveById(aJoin));
    EXPECT_EQ(Deliver(":x!y@z JOIN :#c"), (Log{"b", "a"}));
    b.RemoveAllHandlers();
    EXPECT_EQ(Deliver(":x!y@z JOIN :#c"), (Log{"a"}));
    handlers.clear();  // windows remove their records when they go
    EXPECT_EQ(list.HandlerCount(), 0u);
}

TEST_F(IRCNotifyListTest, IdsAreUniqueAndTypesThatNameNoNodeAreRefused) {
    Handler& h = Add("h");
    uint32_t first = On(h, kPRIVMSG, 0);
    uint32_t second = On(h, kPRIVMSG, 0);
    EXPECT_NE(first, 0u);
    EXPECT_GT(second, first);
    size_t boxes = ui.boxes.size();
    for (uint32_t bad : {0u, 0xDu, 0x301u, 0x10001u, 0xA0201u, 0x1010101u, 0x2010000u}) {
        EXPECT_EQ(On(h, bad, 0), 0u) << std::hex << bad;
        EXPECT_EQ(ui.boxes.size(), ++boxes) << std::hex << bad;
    }
    EXPECT_EQ(list.HandlerCount(), 2u);
}

TEST_F(IRCNotifyListTest, ATooLongListIsReportedAndCut) {
    Handler& h = Add("h");
    for (int i = 0; i < 600; ++i) On(h, kPRIVMSG, i);
    size_t boxes = ui.boxes.size();
    auto message = Parse(":a!b@c PRIVMSG #x :hi");
    DispatchChain chain = list.BuildChain(*message);
    EXPECT_EQ(ui.boxes.size(), boxes + 1);
    EXPECT_EQ(chain.entries.size(), DispatchChain::kCapacity);
    EXPECT_EQ(chain.entries.front().priority, 599);
}

TEST_F(IRCNotifyListTest, ChainBoundariesAt411And511) {
    struct Case {
        int records;
        bool reported;
        size_t kept;
    } cases[] = {{411, false, 411}, {412, true, 412}, {511, true, 511}, {512, true, 511}};
    for (const Case& c : cases) {
        handlers.clear();
        Handler& h = Add("h");
        for (int i = 0; i < c.records; ++i) On(h, kPRIVMSG, i);
        const size_t boxes = ui.boxes.size();
        auto message = Parse(":a!b@c PRIVMSG #x :hi");
        DispatchChain chain = list.BuildChain(*message);
        EXPECT_EQ(ui.boxes.size() - boxes, c.reported ? 1u : 0u) << c.records;
        ASSERT_EQ(chain.entries.size(), c.kept) << c.records;
        // A cut drops the lowest priorities.
        EXPECT_EQ(chain.entries.back().priority, c.records - static_cast<int>(c.kept)) << c.records;
    }
}

TEST_F(IRCNotifyListTest, TheStandardSetOpensWindowsAndTakesNames) {
    Handler& frame = Add("frame");
    list.RegisterStandardSet(frame.Handle());
    EXPECT_EQ(list.HandlerCount(), 5u);
    for (const char* line : {":a!b@c JOIN :#x", ":a!b@c PRIVMSG me :hi", ":a!b@c PRIVMSG me :\x01" "ACTION hi\x01",
                             ":a!b@c NOTICE me :hi", ":s 353 me = #x :a"})
        EXPECT_EQ(Deliver(line), (Log{"frame"})) << line;
    for (const char* line : {":a!b@c PRIVMSG #x :hi", ":a!b@c PART #x", ":s 366 me #x :End", ":a!b@c NOTICE #x :hi"})
        EXPECT_TRUE(Deliver(line).empty()) << line;
}

TEST(EventTypeTreeTest, ScriptNamesAndNodes) {
    EXPECT_EQ(EventTypeNodes().size(), 42u);
    EXPECT_EQ(EventTypeFromScriptName("channelmessage"), kChannelMessage);
    EXPECT_EQ(EventTypeFromScriptName("DCCACCEPT"), kDCCAccept);
    EXPECT_EQ(EventTypeFromScriptName("Silence"), 0u);   // no script name
    EXPECT_EQ(EventTypeFromScriptName("NickMode"), 0u);
    EXPECT_EQ(EventTypeFromScriptName("nonsense"), 0u);
    for (const EventTypeNode& node : EventTypeNodes()) {
        if (node.parent == 0) continue;
        const EventTypeNode* parent = FindEventTypeNode(node.parent);
        ASSERT_NE(parent, nullptr) << node.name;
        // A child's id extends its parent's by exactly one level.
        uint32_t mask = node.parent > 0xFF ? 0xFFFF : 0xFF;
        EXPECT_EQ(node.id & mask, node.parent) << node.name;
        // A child offers no filter its parent lacks, except the CTCP type.
        EXPECT_EQ(node.filtersOffered & ~parent->filtersOffered & ~filter::kCTCPType & ~filter::kChannel, 0u)
            << node.name;
    }
}

TEST(NetworkWindowDispatchTest, RegistrationMessagesReachTheList) {
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    CIRCNotifyList list(loop);
    NoStatus status;
    ConnectionState state;
    CNetworkWnd network(loop, state, status, list, nullptr);
    Log log;
    {
        Handler h(loop, network.Handle(), log, "h");
        EXPECT_NE(h.Register(kPRIVMSG, 0), 0u);
        loop.SendMessage(network.Handle(), WindowMessage(netmsg::kRegisterStandardHandlers,
                                                         static_cast<intptr_t>(h.Handle())));
        EXPECT_EQ(list.HandlerCount(), 6u);
        loop.PostMessage(network.Handle(),
                         WindowMessage(netmsg::kLineReceived, std::string(":a!b@c PRIVMSG me :hi")));
        loop.RunOnce(0);
        EXPECT_EQ(log, (Log{"h", "h"}));  // PRIVMSG, then the standard PrivateMessage record
    }
    EXPECT_EQ(list.HandlerCount(), 0u);
}

}  // namespace
}  // namespace parlevox
