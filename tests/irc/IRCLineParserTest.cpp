#include "irc/IRCLineParser.h"

#include <functional>
#include <list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMNotice.h"
#include "irc/IMPrivmsg.h"
#include "irc/IMServer.h"
#include "irc/LineFramer.h"
#include "irc/RecentAddresses.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

template <class T>
bool IsA(const CIRCMessage& message) {
    return dynamic_cast<const T*>(&message) != nullptr;
}

// Every class that parsing can produce, with the id of its node.
struct ClassNode {
    uint32_t id;
    bool (*isA)(const CIRCMessage&);
};

const ClassNode kParsedClasses[] = {
    {kPRIVMSG, IsA<C_imPRIVMSG>},
    {kNormalPM, IsA<C_imNormalPM>},
    {kPrivateMessage, IsA<C_imPrivateMessage>},
    {kChannelMessage, IsA<C_imChannelMessage>},
    {kCTCPMessage, IsA<C_imCTCPMessage>},
    {kPrivateMe, IsA<C_imPrivateMe>},
    {kChannelMe, IsA<C_imChannelMe>},
    {kPrivateCTCP, IsA<C_imPrivateCTCP>},
    {kChannelCTCP, IsA<C_imChannelCTCP>},
    {kDCCOffer, IsA<C_imDCCOffer>},
    {kDCCChat, IsA<C_imDCCChat>},
    {kDCCResume, IsA<C_imDCCResume>},
    {kDCCAccept, IsA<C_imDCCAccept>},
    {kChannelEvent, IsA<C_imChannelEvent>},
    {kChannelJoin, IsA<C_imChannelJoin>},
    {kChannelPart, IsA<C_imChannelPart>},
    {kChannelKick, IsA<C_imChannelKick>},
    {kChannelMode, IsA<C_imChannelMode>},
    {kChannelName, IsA<C_imChannelName>},
    {kChannelTopic, IsA<C_imChannelTopic>},
    {kNotice, IsA<C_imNotice>},
    {kNormalNotice, IsA<C_imNormalNotice>},
    {kPrivateNotice, IsA<C_imPrivateNotice>},
    {kChannelNotice, IsA<C_imChannelNotice>},
    {kCTCPReply, IsA<C_imCTCPReply>},
    {kGlobalEvent, IsA<C_imGlobalEvent>},
    {kNick, IsA<C_imNick>},
    {kQuit, IsA<C_imQuit>},
    {kNickMode, IsA<C_imNickMode>},
    {kInvite, IsA<C_imInvite>},
    {kServerNumeric, IsA<C_imServerNumeric>},
    {kServerNotice, IsA<C_imServerNotice>},
    {kKill, IsA<C_imKill>},
    {kSilence, IsA<C_imSilence>},
    {kWallops, IsA<C_imWallops>},
};

struct ClassCase {
    const char* description;
    friend void PrintTo(const ClassCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
    uint32_t type;
};

const ClassCase kClassCases[] = {
    {"private message", ":a!b@c PRIVMSG me :hello", kPrivateMessage},
    {"channel message #", ":a!b@c PRIVMSG #x :hello", kChannelMessage},
    {"channel message &", ":a!b@c PRIVMSG &x :hello", kChannelMessage},
    {"channel message +", ":a!b@c PRIVMSG +x :hello", kChannelMessage},
    {"command case is ignored", ":a!b@c privmsg #x :hello", kChannelMessage},
    {"private action", ":a!b@c PRIVMSG me :\x01" "ACTION waves\x01", kPrivateMe},
    {"channel action", ":a!b@c PRIVMSG #x :\x01" "ACTION waves\x01", kChannelMe},
    {"private CTCP", ":a!b@c PRIVMSG me :\x01VERSION\x01", kPrivateCTCP},
    {"lower-case action is a plain CTCP", ":a!b@c PRIVMSG me :\x01" "action waves\x01", kPrivateCTCP},
    {"channel CTCP", ":a!b@c PRIVMSG #x :\x01VERSION\x01", kChannelCTCP},
    {"DCC to a channel is a channel CTCP", ":a!b@c PRIVMSG #x :\x01" "DCC SEND f 1 2 3\x01", kChannelCTCP},
    {"DCC SEND", ":a!b@c PRIVMSG me :\x01" "DCC SEND file.txt 3232235777 5000 1024\x01", kDCCOffer},
    {"DCC in lower case", ":a!b@c PRIVMSG me :\x01" "dcc send file.txt 1 2 3\x01", kDCCOffer},
    {"DCC CHAT", ":a!b@c PRIVMSG me :\x01" "DCC CHAT chat 3232235777 5001\x01", kDCCChat},
    {"DCC RESUME", ":a!b@c PRIVMSG me :\x01" "DCC RESUME file.txt 5000 512\x01", kDCCResume},
    {"DCC ACCEPT", ":a!b@c PRIVMSG me :\x01" "DCC ACCEPT file.txt 5000 512\x01", kDCCAccept},
    {"join from the text", ":a!b@c JOIN :#x", kChannelJoin},
    {"join from a parameter", ":a!b@c JOIN #x", kChannelJoin},
    {"part", ":a!b@c PART #x :bye", kChannelPart},
    {"kick", ":a!b@c KICK #x bob :go", kChannelKick},
    {"channel mode", ":a!b@c MODE #x +o bob", kChannelMode},
    {"name", ":a!b@c NAME #x bob", kChannelName},
    {"topic", ":a!b@c TOPIC #x :new topic", kChannelTopic},
    {"private notice", ":a!b@c NOTICE me :psst", kPrivateNotice},
    {"channel notice", ":a!b@c NOTICE #x :all", kChannelNotice},
    {"CTCP reply", ":a!b@c NOTICE me :\x01VERSION Parlevox 1.5\x01", kCTCPReply},
    {"notice from a server", ":irc.example.net NOTICE * :*** Looking up your hostname", kServerNotice},
    {"notice from nick!user without host is a server notice", ":a!b NOTICE me :hi", kServerNotice},
    {"nick", ":a!b@c NICK :newnick", kNick},
    {"quit", ":a!b@c QUIT :bye", kQuit},
    {"user mode", ":me MODE me :+i", kNickMode},
    {"invite", ":a!b@c INVITE me :#x", kInvite},
    {"numeric 001", ":irc.example.net 001 me :Welcome", kServerNumeric},
    {"numeric 999", ":irc.example.net 999 me x", kServerNumeric},
    {"kill", ":oper!o@h KILL me :flooding", kKill},
    {"silence", ":a!b@c SILENCE :+*!*@evil", kSilence},
    {"wallops", ":oper!o@h WALLOPS :maintenance", kWallops},
};

class ClassTest : public testing::TestWithParam<ClassCase> {
protected:
    test::ScriptedUserInterface ui;
};

TEST_P(ClassTest, MostSpecificClassAndMatchingTree) {
    const ClassCase& c = GetParam();
    ParsedLine parsed = ParseIRCLine(c.line, {});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Parsed);
    auto& message = parsed.message;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->eventType, c.type);
    EXPECT_EQ(message->raw, c.line);
    EXPECT_EQ(message->handled, 0);
    // The C++ class hierarchy must follow the event type tree.
    for (const ClassNode& node : kParsedClasses)
        EXPECT_EQ(node.isA(*message), IsEventTypeWithin(c.type, node.id)) << "node 0x" << std::hex << node.id;
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, ClassTest, testing::ValuesIn(kClassCases));

struct SplitCase {
    const char* description;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
    std::string sender, command, text;
    std::vector<std::string> params;
};

std::vector<std::string> Words(int from, int to) {
    std::vector<std::string> words;
    for (int i = from; i <= to; ++i) words.push_back("w" + std::to_string(i));
    return words;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : " ") + w;
    return out;
}

const SplitCase kSplitCases[] = {
    {"first colon after the prefix starts the text", ":someone!user@host PRIVMSG #x :hi: there",
     "someone!user@host", "PRIVMSG", "hi: there", {"#x"}},
    {"colon inside a word starts the text", ":a!b@c PRIVMSG #x:y z", "a!b@c", "PRIVMSG", "y z", {"#x"}},
    {"colon in an IPv6 prefix is not the text", ":n!u@2001:db8::1 PRIVMSG #x :hi", "n!u@2001:db8::1", "PRIVMSG",
     "hi", {"#x"}},
    {"no text", ":a!b@c MODE #x +o bob", "a!b@c", "MODE", "", {"#x", "+o", "bob"}},
    {"double spaces give empty parameters", ":a!b@c MODE #x +o  bob", "a!b@c", "MODE", "", {"#x", "+o", "", "bob"}},
    {"command without parameters", ":a!b@c QUIT :bye", "a!b@c", "QUIT", "bye", {}},
    {"empty text", ":a!b@c PART #x :", "a!b@c", "PART", "", {"#x"}},
    {"bytes 128-255 are kept", ":n\xe9!u@h PRIVMSG #caf\xe9 :\x80\xff", "n\xe9!u@h", "PRIVMSG", "\x80\xff",
     {"#caf\xe9"}},
};

class SplitTest : public testing::TestWithParam<SplitCase> {
protected:
    test::ScriptedUserInterface ui;
};

TEST_P(SplitTest, Fields) {
    const SplitCase& c = GetParam();
    std::string line = c.line;
    auto message = ParseIRCLine(line, ParseOptions{}).message;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->sender, c.sender);
    EXPECT_EQ(message->command, c.command);
    EXPECT_EQ(message->text, c.text);
    for (size_t i = 0; i < CIRCMessage::kParamSlots; ++i)
        EXPECT_EQ(message->params[i], i < c.params.size() ? c.params[i] : "") << "param " << i;
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, SplitTest, testing::ValuesIn(kSplitCases));

struct OverflowCase {
    const char* description;
    friend void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.description; }
    std::string middle;  // the middle parameters, as sent
    std::string slot13;  // what the 14th slot holds
};

const OverflowCase kOverflowCases[] = {
    {"exactly 14 before the text", Joined(Words(1, 14)) + " ", "w14"},
    {"exactly 14 without text", Joined(Words(1, 14)), "w14"},
    {"20 parameters: the rest joins the 14th slot", Joined(Words(1, 20)) + " ", Joined(Words(14, 20))},
    {"the overflow keeps its empty words", Joined(Words(1, 15)) + "  w16", "w14 w15  w16"},
};

class OverflowTest : public testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowTest, MoreThanFourteenParameters) {
    test::ScriptedUserInterface ui;
    const OverflowCase& c = GetParam();
    std::string line = ":irc.example.net 005 " + c.middle + (c.middle.back() == ' ' ? ":are supported" : "");
    auto message = ParseIRCLine(line, ParseOptions{}).message;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->command, "005");
    for (size_t i = 0; i + 1 < CIRCMessage::kMaxMiddleParams; ++i) EXPECT_EQ(message->params[i], "w" + std::to_string(i + 1));
    EXPECT_EQ(message->params[13], c.slot13);
    EXPECT_EQ(message->params[14], "");
    EXPECT_EQ(message->ParamCount(), 14u);
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, OverflowTest, testing::ValuesIn(kOverflowCases));

struct MalformedCase {
    const char* description;
    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
};

const MalformedCase kMalformedCases[] = {
    {"empty line", ""},
    {"no leading colon", "PRIVMSG #x :hi"},
    {"prefix without a space", ":justaprefix"},
    {"prefix colon without a space", ":a:b"},
    {"only a colon", ":"},
    {"no space after the command", ":a!b@c QUIT"},
    {"no space after the command, colon in the prefix", ":a!b@c:d QUIT"},
};

class MalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTest, SaidSoWithoutABox) {
    test::ScriptedUserInterface ui;
    ParsedLine parsed = ParseIRCLine(GetParam().line, {});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Malformed);
    EXPECT_EQ(parsed.message, nullptr);
    EXPECT_TRUE(ui.boxes.empty()) << "a server's line is no fault of the client's";
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, MalformedTest, testing::ValuesIn(kMalformedCases));

TEST(IRCLineParserTest, UnrecognisedCommandsAreSaidSo) {
    test::ScriptedUserInterface ui;
    for (std::string line : {":s 000 me :zero", ":s 1000 me :too big", ":s 0 me x", ":a!b@c FOO bar",
                             ":s 12a me x"}) {
        ParsedLine parsed = ParseIRCLine(line, {});
        EXPECT_EQ(parsed.outcome, ParseOutcome::Unrecognised) << line;
        EXPECT_EQ(parsed.message, nullptr) << line;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(IRCLineParserTest, NumericReply) {
    auto message = ParseIRCLine(":irc.example.net 005 me CHANTYPES=# PREFIX=(ov)@+ :are supported", {}).message;
    auto* numeric = dynamic_cast<C_imServerNumeric*>(message.get());
    ASSERT_NE(numeric, nullptr);
    EXPECT_EQ(numeric->numeric, 5);
    EXPECT_EQ(numeric->sendingServer, "irc.example.net");
    EXPECT_EQ(numeric->ReplyParam(1), "CHANTYPES=#");
    EXPECT_EQ(numeric->ReplyParam(2), "PREFIX=(ov)@+");
    EXPECT_EQ(numeric->ReplyParam(3), "");
    EXPECT_EQ(numeric->text, "are supported");
}

TEST(IRCLineParserTest, ChannelMessageAndAction) {
    auto message = ParseIRCLine(":someone!user@host PRIVMSG #x :hi: there", {}).message;
    auto* channelMessage = dynamic_cast<C_imChannelMessage*>(message.get());
    ASSERT_NE(channelMessage, nullptr);
    EXPECT_EQ(channelMessage->channel, "#x");
    EXPECT_EQ(channelMessage->senderAddress, (AddressRecord{"someone", "user", "host"}));

    message = ParseIRCLine(":a!b@c PRIVMSG #x :\x01" "ACTION waves\x01", {}).message;
    auto* action = dynamic_cast<C_imChannelMe*>(message.get());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->ctcpType, "ACTION");
    EXPECT_EQ(action->ctcpArgument, "waves");
    EXPECT_EQ(action->channel, "#x");
}

struct CTCPCase {
    const char* description;
    friend void PrintTo(const CTCPCase& c, std::ostream* os) { *os << c.description; }
    std::string text;
    std::string type, argument;
};

const CTCPCase kCTCPCases[] = {
    {"type and argument", "\x01PING 12345\x01", "PING", "12345"},
    {"type only", "\x01VERSION\x01", "VERSION", ""},
    {"argument keeps its spaces", "\x01" "ACTION  waves  twice\x01", "ACTION", " waves  twice"},
    {"the last byte is dropped even without a closing delimiter", "\x01VERSION", "VERSIO", ""},
    {"a lone delimiter", "\x01", "", ""},
    {"two delimiters", "\x01\x01", "", ""},
};

class CTCPTest : public testing::TestWithParam<CTCPCase> {};

TEST_P(CTCPTest, RequestAndReplySplitAlike) {
    test::ScriptedUserInterface ui;
    const CTCPCase& c = GetParam();
    auto request = ParseIRCLine(":a!b@c PRIVMSG #x :" + c.text, {}).message;
    auto* ctcp = dynamic_cast<C_imCTCPMessage*>(request.get());
    ASSERT_NE(ctcp, nullptr);
    EXPECT_EQ(ctcp->ctcpType, c.type);
    EXPECT_EQ(ctcp->ctcpArgument, c.argument);
    auto reply = ParseIRCLine(":a!b@c NOTICE me :" + c.text, {}).message;
    auto* ctcpReply = dynamic_cast<C_imCTCPReply*>(reply.get());
    ASSERT_NE(ctcpReply, nullptr);
    EXPECT_EQ(ctcpReply->ctcpType, c.type);
    EXPECT_EQ(ctcpReply->ctcpArgument, c.argument);
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, CTCPTest, testing::ValuesIn(kCTCPCases));

TEST(IRCLineParserTest, DCCOfUnknownKindIsSaidToBePartlyRecognisedAndStillDelivered) {
    test::ScriptedUserInterface ui;
    ParsedLine parsed = ParseIRCLine(":a!b@c PRIVMSG me :\x01" "DCC FOO bar\x01", {});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Partly);
    ASSERT_NE(parsed.message, nullptr);
    EXPECT_EQ(parsed.message->eventType, kCTCPMessage);
    EXPECT_TRUE(ui.boxes.empty()) << "a peer's request is no fault of the client's";
}

struct TargetCase {
    const char* description;
    friend void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.description; }
    std::string line;
    std::function<std::string(const CIRCMessage&)> field;
    std::string expected;
};

template <class T, class F>
std::function<std::string(const CIRCMessage&)> Field(F T::*member) {
    return [member](const CIRCMessage& m) {
        auto* typed = dynamic_cast<const T*>(&m);
        return typed ? std::string(typed->*member) : std::string("<wrong class>");
    };
}

std::function<std::string(const CIRCMessage&)> ModeParams(bool channel) {
    return [channel](const CIRCMessage& m) {
        const std::vector<std::string>* params = nullptr;
        if (channel) {
            if (auto* mode = dynamic_cast<const C_imChannelMode*>(&m)) params = &mode->modeParams;
        } else if (auto* mode = dynamic_cast<const C_imNickMode*>(&m)) {
            params = &mode->modeParams;
        }
        return params ? Joined(*params) : std::string("<wrong class>");
    };
}

const TargetCase kTargetCases[] = {
    {"join channel from the text", ":a!b@c JOIN :#x", Field(&C_imChannelEvent::channel), "#x"},
    {"join channel from params", ":a!b@c JOIN #y", Field(&C_imChannelEvent::channel), "#y"},
    {"kick target", ":a!b@c KICK #x bob :go away", Field(&C_imChannelKick::targetNick), "bob"},
    {"kick reason", ":a!b@c KICK #x bob :go away", Field(&CIRCMessage::text), "go away"},
    {"name target", ":a!b@c NAME #x bob", Field(&C_imChannelName::targetNick), "bob"},
    {"nick from the text", ":a!b@c NICK :newnick", Field(&C_imNick::targetNick), "newnick"},
    {"nick from params", ":a!b@c NICK newnick", Field(&C_imNick::targetNick), "newnick"},
    {"channel mode flags", ":a!b@c MODE #x +ov bob carol", Field(&C_imChannelMode::modeFlags), "+ov"},
    {"channel mode params", ":a!b@c MODE #x +ov bob carol", ModeParams(true), "bob carol"},
    {"mode param in the text", ":srv MODE #x +o :bob", ModeParams(true), "bob"},
    {"user mode flags from the text", ":me MODE me :+iw", Field(&C_imNickMode::modeFlags), "+iw"},
    {"user mode without params", ":me MODE me :+iw", ModeParams(false), ""},
    {"invite channel from the text", ":a!b@c INVITE me :#x", Field(&C_imInvite::channel), "#x"},
    {"invite channel from params", ":a!b@c INVITE me #x", Field(&C_imInvite::channel), "#x"},
    {"killer", ":oper!o@h KILL me :flooding", Field(&C_imKill::killer), "oper!o@h"},
    {"private notice text", ":a!b@c NOTICE me :psst", Field(&CIRCMessage::text), "psst"},
    {"channel notice channel", ":a!b@c NOTICE #x :all", Field(&C_imChannelNotice::channel), "#x"},
    {"channel CTCP channel", ":a!b@c PRIVMSG +x :\x01PING 1\x01", Field(&C_imChannelCTCP::channel), "+x"},
};

class TargetTest : public testing::TestWithParam<TargetCase> {};

TEST_P(TargetTest, Field) {
    test::ScriptedUserInterface ui;
    const TargetCase& c = GetParam();
    auto message = ParseIRCLine(c.line, {}).message;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(c.field(*message), c.expected);
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, TargetTest, testing::ValuesIn(kTargetCases));

struct ColourCase {
    const char* description;
    friend void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.description; }
    std::string in, out;
};

const ColourCase kColourCases[] = {
    {"plain text", "plain", "plain"},
    {"foreground", "\x03" "4red", "red"},
    {"foreground and background", "\x03" "04,12x", "x"},
    {"all digits go, not only two", "\x03" "123456x", "x"},
    {"comma without a foreground", "\x03" ",5x", "x"},
    {"comma without a background", "\x03" "4,x", "x"},
    {"bare colour byte", "a\x03" "b", "ab"},
    {"at the end", "a\x03", "a"},
    {"several", "\x03" "3g\x03" "4r\x03", "gr"},
    {"other control bytes stay", "\x02" "b\x03" "5\x1f", "\x02" "b\x1f"},
    {"a second comma stays", "\x03" "1,2,3", ",3"},
};

class ColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourTest, StripColourCodes) {
    std::string text = GetParam().in;
    StripColourCodes(text);
    EXPECT_EQ(text, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(IRCLineParser, ColourTest, testing::ValuesIn(kColourCases));

TEST(IRCLineParserTest, ColoursAreStrippedFromTheTextOnlyWhenAsked) {
    std::string line = ":a!b@c PRIVMSG #x\x03" "4 :\x03" "4,1red";
    ParseOptions strip;
    strip.stripColours = true;
    auto stripped = ParseIRCLine(line, strip).message;
    ASSERT_NE(stripped, nullptr);
    EXPECT_EQ(stripped->text, "red");
    EXPECT_EQ(stripped->params[0], "#x\x03" "4");
    EXPECT_EQ(stripped->raw, line);
    auto kept = ParseIRCLine(line, ParseOptions{}).message;
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->text, "\x03" "4,1red");
}

TEST(IRCLineParserTest, TheSenderIsGivenOnceThePrefixSplits) {
    struct Case {
        const char* line;
        const char* sender;
    } cases[] = {
        {":a!b@c PRIVMSG #x :1", "a!b@c"}, {":irc.example.net 001 me :hi", "irc.example.net"},
        {":g!h@i FOO x", "g!h@i"}, {":nospace", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIRCLine(c.line, {}).sender, c.sender) << c.line;
}

TEST(IRCLineParserTest, FramedLineWithNulParses) {
    LineFramer framer;
    struct ParsingSink : LineFramer::Sink {
        void OnLine(std::string_view line) override { messages.push_back(ParseIRCLine(line, {}).message); }
        void OnOverlongLine() override {}
        std::vector<std::unique_ptr<CIRCMessage>> messages;
    } sink;
    std::string bytes = ":a!b@c PRIVMSG #x :h\0i\r\n"s;
    std::copy(bytes.begin(), bytes.end(), framer.FreeSpace());
    framer.Commit(bytes.size(), sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    ASSERT_NE(sink.messages[0], nullptr);
    EXPECT_EQ(sink.messages[0]->text, "hi");
}

}  // namespace
}  // namespace parlevox

namespace parlevox {
namespace {

// The words of the four DCC requests: what a peer may send and what a
// hostile one does.
struct DccWordsCase {
    const char* text;  // between the 0x01 bytes
    bool valid;
    const char* name;
    uint64_t number;  // the size of an offer, the position of a resume or accept, the port of a chat
    const char* token;
};

const DccWordsCase kDccWords[] = {
    {"DCC SEND ../../autoexec.bat 3232235777 5000 10", true, "../../autoexec.bat", 10, ""},
    {"DCC send f 1 5000", true, "f", 0, ""},
    {"DCC SEND \"a b.txt\" 1 5000 7", true, "a b.txt", 7, ""},
    {"DCC SEND nat 1 0 7 42", true, "nat", 7, "42"},
    {"DCC SEND f 1 5000 9223372036854775807", true, "f", 9223372036854775807ull, ""},
    {"DCC SEND f 1 5000 9223372036854775808", false, "f", 0, ""},
    {"DCC SEND f 1 5000 -1", false, "f", 0, ""},
    {"DCC SEND f 1 5000 0x10", false, "f", 0, ""},
    {"DCC SEND f 1 65536 1", false, "f", 0, ""},
    {"DCC SEND f 4294967296 5000 1", false, "f", 0, ""},
    {"DCC SEND f  5000 1", false, "f", 0, ""},
    {"DCC SEND f 1", false, "", 0, ""},
    {"DCC RESUME f 5000 500", true, "f", 500, ""},
    {"DCC RESUME f 0 500 9", true, "f", 500, "9"},
    {"DCC ACCEPT f 5000 9223372036854775808", false, "f", 0, ""},
    {"DCC CHAT chat 2130706433 5000", true, "", 5000, ""},
    {"DCC CHAT CHAT 2130706433 23", true, "", 23, ""},
    {"DCC CHAT talk 2130706433 5000", false, "", 0, ""},
};

TEST(DccRequestWordsTest, ReadStrictly) {
    for (const DccWordsCase& c : kDccWords) {
        SCOPED_TRACE(c.text);
        ParsedLine parsed = ParseIRCLine(":bob!b@h PRIVMSG me :\x01"s + c.text + "\x01", ParseOptions {});
        ASSERT_TRUE(parsed.message);
        if (auto* offer = dynamic_cast<C_imDCCOffer*>(parsed.message.get())) {
            EXPECT_EQ(offer->valid, c.valid);
            EXPECT_EQ(offer->fileName, c.name);
            if (c.valid) {
                EXPECT_EQ(offer->fileSize, c.number);
            }
            EXPECT_EQ(offer->token, c.token);
        } else if (auto* resume = dynamic_cast<C_imDCCResume*>(parsed.message.get())) {
            EXPECT_EQ(resume->valid, c.valid);
            if (c.valid) {
                EXPECT_EQ(resume->position, c.number);
            }
            EXPECT_EQ(resume->token, c.token);
        } else if (auto* accept = dynamic_cast<C_imDCCAccept*>(parsed.message.get())) {
            EXPECT_EQ(accept->valid, c.valid);
        } else if (auto* chat = dynamic_cast<C_imDCCChat*>(parsed.message.get())) {
            EXPECT_EQ(chat->valid, c.valid);
            if (c.valid) {
                EXPECT_EQ(static_cast<uint64_t>(chat->port), c.number);
            }
        } else {
            ADD_FAILURE() << "not a DCC request";
        }
    }
    // To a channel it is a channel CTCP, never an offer.
    ParsedLine channel = ParseIRCLine(":bob!b@h PRIVMSG #x :\x01" "DCC SEND f 1 5000 1\x01", ParseOptions {});
    EXPECT_FALSE(dynamic_cast<C_imDCCOffer*>(channel.message.get()));
}

}  // namespace
}  // namespace parlevox
