// What each message class publishes as system variables for the script
// reactions, and the text it reads back from them.
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNetSystem.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IMServer.h"
#include "irc/IRCLineParser.h"
#include "irc/SystemVariableSink.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using Vars = std::map<std::string, std::string>;

// Integers are kept as "i:<value>" so that a string published under an
// integer's name (or the reverse) shows up as a difference.
struct MapSink : SystemVariableSink {
    void SetString(std::string_view name, std::string_view value) override {
        order.emplace_back(name);
        vars[std::string(name)] = std::string(value);
    }
    void SetInt(std::string_view name, int value) override {
        order.emplace_back(name);
        vars[std::string(name)] = "i:" + std::to_string(value);
    }
    std::optional<std::string> GetString(std::string_view name) override {
        auto found = vars.find(std::string(name));
        if (found == vars.end()) return std::nullopt;
        return found->second;
    }

    Vars vars;
    std::vector<std::string> order;
};

Vars With(Vars base, const Vars& more) {
    for (const auto& [name, value] : more) base[name] = value;
    return base;
}

Vars Base(const std::string& raw) {
    return {{"sSysRawMessage", raw}, {"iSysHandled", "i:0"}};
}

Vars Sender(const std::string& raw) {
    return With(Base(raw), {{"sSysSenderNick", "a"}, {"sSysSenderUsername", "b"}, {"sSysSenderHostname", "c.d"}});
}

Vars Params(const std::vector<std::string>& values) {
    Vars vars;
    for (size_t i = 1; i <= 14; ++i)
        vars["sSysParam" + std::to_string(i)] = i <= values.size() ? values[i - 1] : "";
    return vars;
}

struct PublishCase {
    const char* description;
    friend void PrintTo(const PublishCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
    Vars expected;  // everything published, exactly
};

const std::string kLinePM = ":a!b@c.d PRIVMSG me :hello";
const std::string kLineChanPM = ":a!b@c.d PRIVMSG #x :hello";
const std::string kLineMe = ":a!b@c.d PRIVMSG #x :\x01" "ACTION waves\x01";
const std::string kLineDCC = ":a!b@c.d PRIVMSG me :\x01" "DCC SEND f.txt 1 2 3\x01";
const std::string kLineResume = ":a!b@c.d PRIVMSG me :\x01" "DCC RESUME f.txt 2 3\x01";
const std::string kLineJoin = ":a!b@c.d JOIN :#x";
const std::string kLineKick = ":a!b@c.d KICK #x bob :go";
const std::string kLineMode = ":a!b@c.d MODE #x +ov bob carol";
const std::string kLineNumeric = ":irc.example.net 005 me A=1 B=2 :are supported";
const std::string kLineNick = ":a!b@c.d NICK :new";
const std::string kLineNickMode = ":a!b@c.d MODE a :+i";
const std::string kLineKill = ":oper!o@h KILL me :flood";
const std::string kLineWallops = ":a!b@c.d WALLOPS :hey";
const std::string kLineServerNotice = ":irc.example.net NOTICE * :hi";
const std::string kLineCTCPReply = ":a!b@c.d NOTICE me :\x01VERSION v1\x01";
const std::string kLineChanNotice = ":a!b@c.d NOTICE #x :all";
const std::string kLineInvite = ":a!b@c.d INVITE me :#x";
const std::string kLineSilence = ":irc.example.net SILENCE :+*!*@evil";

const PublishCase kPublishCases[] = {
    {"private message", kLinePM, With(Sender(kLinePM), {{"sSysText", "hello"}})},
    {"channel message", kLineChanPM, With(Sender(kLineChanPM), {{"sSysText", "hello"}, {"sSysChannel", "#x"}})},
    {"channel action", kLineMe, With(Sender(kLineMe), {{"sSysText", "waves"}, {"sSysType", "ACTION"}, {"sSysChannel", "#x"}})},
    {"DCC offer", kLineDCC,
     With(Sender(kLineDCC), {{"sSysText", "SEND f.txt 1 2 3"}, {"sSysType", "DCC"}, {"sSysDCCIP", "1"},
                         {"iSysDCCPort", "i:2"}, {"sSysDCCFilename", "f.txt"}, {"iSysDCCFilesize", "i:3"}})},
    {"DCC resume", kLineResume,
     With(Sender(kLineResume), {{"sSysText", "RESUME f.txt 2 3"}, {"sSysType", "DCC"}, {"iSysDCCPort", "i:2"},
                            {"sSysDCCFilename", "f.txt"}, {"iSysDCCPosition", "i:3"}})},
    {"join", kLineJoin, With(Sender(kLineJoin), {{"sSysChannel", "#x"}})},
    {"kick", kLineKick, With(Sender(kLineKick), {{"sSysChannel", "#x"}, {"sSysTargetNick", "bob"}, {"sSysText", "go"}})},
    {"channel mode", kLineMode,
     With(With(Sender(kLineMode), Params({"bob", "carol"})), {{"sSysChannel", "#x"}, {"sSysFlags", "+ov"}})},
    {"user mode", kLineNickMode, With(With(Sender(kLineNickMode), Params({})), {{"sSysFlags", "+i"}})},
    {"numeric", kLineNumeric,
     With(With(Base(kLineNumeric), Params({"A=1", "B=2"})),
          {{"iSysNumeric", "i:5"}, {"sSysText", "are supported"}, {"sSysSendingServer", "irc.example.net"}})},
    {"nick", kLineNick, With(Sender(kLineNick), {{"sSysTargetNick", "new"}})},
    {"kill", kLineKill, With(Base(kLineKill), {{"sSysText", "flood"}, {"sSysKiller", "oper!o@h"}})},
    {"wallops", kLineWallops, With(Sender(kLineWallops), {{"sSysText", "hey"}})},
    {"server notice", kLineServerNotice, With(Base(kLineServerNotice), {{"sSysText", "hi"}})},
    {"CTCP reply", kLineCTCPReply, With(Sender(kLineCTCPReply), {{"sSysText", "v1"}, {"sSysType", "VERSION"}})},
    {"channel notice", kLineChanNotice, With(Sender(kLineChanNotice), {{"sSysText", "all"}, {"sSysChannel", "#x"}})},
    {"invite", kLineInvite, With(Sender(kLineInvite), {{"sSysChannel", "#x"}})},
    {"silence", kLineSilence, With(Base(kLineSilence), {{"sSysText", "+*!*@evil"}})},
};

class PublishTest : public testing::TestWithParam<PublishCase> {};

TEST_P(PublishTest, PublishesExactlyItsFields) {
    test::ScriptedUserInterface ui;
    const PublishCase& c = GetParam();
    auto message = ParseIRCLine(c.line, {}).message;
    ASSERT_NE(message, nullptr);
    MapSink sink;
    message->SetSystemVariables(sink);
    EXPECT_EQ(sink.vars, c.expected);
    EXPECT_EQ(sink.order.size(), sink.vars.size()) << "a variable was published twice";
}

INSTANTIATE_TEST_SUITE_P(MessageVariables, PublishTest, testing::ValuesIn(kPublishCases));

TEST(MessageVariablesTest, OwnFieldsFirstThenTheParentsDownToTheBase) {
    auto message = ParseIRCLine(kLineChanPM, {}).message;
    ASSERT_NE(message, nullptr);
    message->handled = 1;
    MapSink sink;
    message->SetSystemVariables(sink);
    EXPECT_EQ(sink.order, (std::vector<std::string>{"sSysChannel", "sSysText", "sSysSenderNick", "sSysSenderUsername",
                                                    "sSysSenderHostname", "sSysRawMessage", "iSysHandled"}));
    EXPECT_EQ(sink.vars["iSysHandled"], "i:1");
}

struct MadeCase {
    const char* description;
    friend void PrintTo(const MadeCase& c, std::ostream* os) { *os << c.description; }
    std::shared_ptr<CIRCMessage> message;
    uint32_t type;
    Vars expected;
};

const MadeCase kMadeCases[] = {
    {"connect", std::make_shared<C_imConnect>(1), kConnect, With(Base(""), {{"iSysReason", "i:1"}})},
    {"disconnect", std::make_shared<C_imDisconnect>(2), kDisconnect, With(Base(""), {{"iSysReason", "i:2"}})},
    {"services down", std::make_shared<C_imServicesDown>(), kServicesDown, Base("")},
    {"services up", std::make_shared<C_imServicesUp>(), kServicesUp, Base("")},
    {"error line", std::make_shared<C_imError>("Closing Link"), kError,
     With(Base(""), {{"sSysText", "Closing Link"}})},
    {"notice line", std::make_shared<C_imServerNotice>("*** hi"), kServerNotice,
     With(Base(""), {{"sSysText", "*** hi"}})},
};

class MadeTest : public testing::TestWithParam<MadeCase> {};

TEST_P(MadeTest, EventsTheClientMakes) {
    const MadeCase& c = GetParam();
    EXPECT_EQ(c.message->eventType, c.type);
    MapSink sink;
    c.message->SetSystemVariables(sink);
    EXPECT_EQ(sink.vars, c.expected);
}

INSTANTIATE_TEST_SUITE_P(MessageVariables, MadeTest, testing::ValuesIn(kMadeCases));

struct ReadBackCase {
    const char* description;
    friend void PrintTo(const ReadBackCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
    bool readsBack;
};

// What a later handler shows: the CTCP argument for CTCP requests, else the
// text.
std::string ShownText(const CIRCMessage& message) {
    if (auto* ctcp = dynamic_cast<const C_imCTCPMessage*>(&message)) return ctcp->ctcpArgument;
    if (auto* reply = dynamic_cast<const C_imCTCPReply*>(&message)) return reply->ctcpArgument;
    return message.text;
}

const ReadBackCase kReadBackCases[] = {
    {"private message", kLinePM, true},
    {"channel message", kLineChanPM, true},
    {"channel action", kLineMe, true},
    {"private CTCP", ":a!b@c.d PRIVMSG me :\x01PING 1\x01", true},
    {"DCC offer", kLineDCC, true},
    {"channel notice", kLineChanNotice, true},
    {"private notice", ":a!b@c.d NOTICE me :psst", true},
    {"CTCP reply", kLineCTCPReply, false},
    {"part", ":a!b@c.d PART #x :bye", false},
    {"quit", ":a!b@c.d QUIT :bye", false},
    {"numeric", kLineNumeric, false},
    {"server notice", kLineServerNotice, false},
};

class ReadBackTest : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBackTest, ReactionCanRewriteTheText) {
    const ReadBackCase& c = GetParam();
    auto message = ParseIRCLine(c.line, {}).message;
    ASSERT_NE(message, nullptr);
    std::string before = ShownText(*message);
    MapSink sink;
    message->SetSystemVariables(sink);
    sink.vars["sSysText"] = "rewritten";
    message->ReadBackSystemVariables(sink);
    EXPECT_EQ(ShownText(*message), c.readsBack ? "rewritten" : before);
}

INSTANTIATE_TEST_SUITE_P(MessageVariables, ReadBackTest, testing::ValuesIn(kReadBackCases));

TEST(MessageVariablesTest, ReadBackWithoutTheVariableKeepsTheText) {
    auto message = ParseIRCLine(kLinePM, {}).message;
    ASSERT_NE(message, nullptr);
    MapSink empty;
    message->ReadBackSystemVariables(empty);
    EXPECT_EQ(message->text, "hello");
}

}  // namespace
}  // namespace parlevox
