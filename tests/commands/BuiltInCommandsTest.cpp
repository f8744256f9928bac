// Every built-in command's typical line: the exact bytes it sends and the
// line it writes, typed in the window of #x with "sel" selected.
#include <ctime>

#include "platform/Clock.h"
#include "CommandFixture.h"

namespace parlevox::test {
namespace {

const std::string c0 = "\x03" "20", c1 = "\x03" "21", c5 = "\x03" "25", c11 = "\x03" "31", c14 = "\x03" "34";

struct Case {
    const char* line;
    std::vector<std::string> sent;
    std::vector<std::string> shown;
};

class BuiltInCommandsTest : public CommandFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(BuiltInCommandsTest, SendsItsLineAndEchoes) {
    const Case& c = GetParam();
    Type(c.line);
    EXPECT_EQ(network.sent, c.sent) << c.line;
    EXPECT_EQ(output.lines, c.shown) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Wire, BuiltInCommandsTest,
    ::testing::Values(
        Case {"/msg #c hello  there", {"PRIVMSG #c :hello  there"}, {c0 + "-> \x02#c\x02: hello  there"}},
        Case {"/msg bob hi", {"PRIVMSG bob :hi"}, {c0 + "-> \b" + c5 + "bob" + c0 + "\b: hi"}},
        Case {"/notice #c hi", {"NOTICE #c :hi"}, {c0 + "-> -#c- " + c1 + "hi"}},
        Case {"/notice bob hi", {"NOTICE bob :hi"}, {c0 + "-> -" + c5 + "\bbob\b" + c0 + "- " + c1 + "hi"}},
        Case {"/raw PRIVMSG a :b", {"PRIVMSG a :b"}, {}}, Case {"/quote WHO x", {"WHO x"}, {}},
        Case {"/ctcp #c VERSION", {"PRIVMSG #c :\x01VERSION\x01"}, {c0 + "-> \x02#c\x02: [VERSION] "}},
        Case {"/ctcp bob ACTION waves", {"PRIVMSG bob :\x01" "ACTION waves\x01"}, {c0 + "-> \x02" "bob\x02: [ACTION] waves"}},
        Case {"/ctcpreply bob VERSION Parlevox 1.5", {"NOTICE bob :\x01VERSION Parlevox 1.5\x01"},
              {c0 + "-> \x02" "bob\x02: [VERSION reply] Parlevox 1.5"}},
        Case {"/join #c key", {"JOIN #c key"}, {}}, Case {"/join", {"JOIN #x"}, {}},
        Case {"/part #c bye now", {"PART #c :bye now"}, {}}, Case {"/part", {"PART #x :"}, {}},
        Case {"/mode #c +o bob", {"MODE #c +o bob"}, {}}, Case {"/mode me +i", {"MODE me +i"}, {}},
        Case {"/topic #c new topic", {"TOPIC #c :new topic"}, {}}, Case {"/topic", {"TOPIC #x"}, {}},
        Case {"/quit gone", {"QUIT :gone"}, {}}, Case {"/echo some text", {}, {"some text"}},
        Case {"/ison a b", {"ISON :a b"}, {}}, Case {"/silence +*!*@x", {"SILENCE +*!*@x"}, {}},
        Case {"/whois bob", {"WHOIS bob"}, {}}, Case {"/whowas bob", {"WHOWAS bob"}, {}},
        Case {"/who #c", {"WHO #c"}, {}}, Case {"/names", {"NAMES #x"}, {}}, Case {"/list >10", {"LIST >10"}, {}},
        Case {"/time", {"TIME"}, {}}, Case {"/version irc.x", {"VERSION irc.x"}, {}},
        Case {"/admin irc.x", {"ADMIN irc.x"}, {}}, Case {"/stats u irc.x", {"STATS u irc.x"}, {}},
        Case {"/stats k", {"STATS k"}, {}}, Case {"/motd", {"MOTD"}, {}}, Case {"/lusers", {"LUSERS"}, {}},
        Case {"/links", {"LINKS"}, {}}, Case {"/nick other", {"NICK other"}, {}},
        Case {"/kick #c bob go away", {"KICK #c bob :go away"}, {}}, Case {"/kick # bob", {"KICK #x bob :"}, {}},
        Case {"/ban #c bob", {"MODE #c +b bob!*@*"}, {}}, Case {"/ban #c *!*@h.net", {"MODE #c +b *!*@h.net"}, {}},
        Case {"/ban #c bob@h", {}, {c14 + "! bob@h is not a valid mask."}},
        Case {"/op #c bob", {"MODE #c +o bob"}, {}}, Case {"/deop # $", {"MODE #x -o sel"}, {}},
        Case {"/onotice #c hi ops", {"NOTICE @#c :hi ops"}, {}}, Case {"/away lunch", {"AWAY :lunch"}, {}},
        Case {"/away", {"AWAY"}, {}}, Case {"/trace", {"TRACE"}, {}}, Case {"/globops hi", {"GLOBOPS :hi"}, {}},
        Case {"/locops hi", {"LOCOPS :hi"}, {}}, Case {"/connect a.b 6667", {"CONNECT a.b 6667"}, {}},
        Case {"/squit a.b", {"SQUIT a.b"}, {}}, Case {"/kill bob flooding", {"KILL bob :flooding"}, {}},
        Case {"/kline *@h", {"KLINE *@h"}, {}}, Case {"/oper me secret", {"OPER me :secret"}, {}},
        Case {"/rehash", {"REHASH"}, {}}, Case {"/ns identify pw", {"PRIVMSG NickServ@services.dal.net :identify pw"}, {}},
        Case {"/nickserv info bob", {"PRIVMSG NickServ@services.dal.net :info bob"}, {}},
        Case {"/cs op #c bob", {"PRIVMSG ChanServ@services.dal.net :op #c bob"}, {}},
        Case {"/chanserv info #c", {"PRIVMSG ChanServ@services.dal.net :info #c"}, {}},
        Case {"/ms read 1", {"PRIVMSG MemoServ@services.dal.net :read 1"}, {}},
        Case {"/memoserv list", {"PRIVMSG MemoServ@services.dal.net :list"}, {}},
        Case {"/identify pw", {"IDENTIFY :pw"}, {}}, Case {"/clear", {}, {}}));

// Whose owner is not part of the build: one clear line, nothing sent.
class UnavailableCommandTest : public CommandFixture, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(UnavailableCommandTest, SaysSoAndSendsNothing) {
    Type(GetParam().first);
    EXPECT_TRUE(network.sent.empty());
    EXPECT_EQ(output.lines, std::vector<std::string> {c14 + "! The \x1f" + GetParam().second + "\x1f command is not available yet."});
}

INSTANTIATE_TEST_SUITE_P(
    Owners, UnavailableCommandTest,
    ::testing::Values(std::pair {"/chaninfo #c", "ChanInfo"}, std::pair {"/nickinfo bob", "NickInfo"},
                      std::pair {"/notify -bob", "notify"}, std::pair {"/ignore bob", "ignore"},
                      std::pair {"/dcc SEND bob f.txt", "dcc"}, std::pair {"/dccsend bob", "DCCSend"},
                      std::pair {"/dccview f.jpg", "DCCView"}, std::pair {"/server irc.x 6667", "Server"},
                      std::pair {"/brimconnect bob", "BrimConnect"}, std::pair {"/tile v", "Tile"},
                      std::pair {"/playsound a.wav", "PlaySound"}, std::pair {"/run prog arg", "Run"},
                      std::pair {"/schemeedit #c", "SchemeEdit"}, std::pair {"/scriptreset", "ScriptReset"}));

TEST_F(CommandFixture, IgnoreTakesANickOrACompleteMask) {
    host.ignoreServed = true;
    const std::string c13 = "\x03" "33";
    const struct {
        const char* word;
        const char* added;  // nullptr: refused
    } cases[] = {{"bob", "bob!*@*"}, {"*!~b@*.example.com", "*!~b@*.example.com"}, {"bob@h", nullptr},
                 {"bob!@h", nullptr}, {"!u@h", nullptr}, {"a!u@", nullptr}, {"a!b!c@d", nullptr},
                 {"a@b!c", nullptr}, {"a!b@c@d", nullptr}};
    for (const auto& c : cases) {
        output.lines.clear();
        host.ignores.clear();
        Type(std::string("/ignore ") + c.word);
        EXPECT_TRUE(network.sent.empty());
        if (!c.added) {
            EXPECT_TRUE(host.ignores.empty()) << c.word;
            EXPECT_EQ(output.lines, std::vector<std::string> {c14 + "! " + c.word + " is not a valid mask."});
            continue;
        }
        ASSERT_EQ(host.ignores.size(), 1u) << c.word;
        EXPECT_EQ(host.ignores[0].first.Text(), c.added);
        EXPECT_EQ(host.ignores[0].second, "User-specified /ignore");
        EXPECT_EQ(output.lines,
                  std::vector<std::string> {c13 + "- " + c.added + " added to idiot list (in Prefs window)."});
    }
}

TEST_F(CommandFixture, CtcpPingCarriesTheTimeInSecondsWhateverTheCase) {
    for (const char* line : {"/ctcp bob ping", "/ping bob", "/ctcp #c PiNg"}) {
        network.sent.clear();
        auto before = static_cast<unsigned>(Clock::Now());
        Type(line);
        auto after = static_cast<unsigned>(Clock::Now());
        ASSERT_EQ(network.sent.size(), 1u) << line;
        const std::string& sent = network.sent[0];
        size_t at = sent.find(":\x01PING ");
        ASSERT_NE(at, std::string::npos) << sent;
        ASSERT_TRUE(sent.ends_with('\x01'));
        unsigned seconds = static_cast<unsigned>(std::stoul(sent.substr(at + 7)));
        EXPECT_GE(seconds, before);
        EXPECT_LE(seconds, after);
    }
}

TEST_F(CommandFixture, QueryOpensTheWindowAndEchoesThereWithTheOwnNick) {
    Type("/query bob hi there");
    EXPECT_EQ(network.sent, std::vector<std::string> {"PRIVMSG bob :hi there"});
    EXPECT_EQ(host.queries["bob"].lines, std::vector<std::string> {c11 + "<" + c5 + "\bme\b" + c11 + "> hi there"});
    EXPECT_TRUE(output.lines.empty());
}

TEST_F(CommandFixture, EchoGoesToTheNamedChannelWindowWhenOpen) {
    host.channels["#c"];
    Type("/echo #c hello");
    Type("/echo #other hello");
    EXPECT_EQ(host.channels["#c"].lines, std::vector<std::string> {"hello"});
    EXPECT_EQ(output.lines, std::vector<std::string> {"#other hello"});
}

TEST_F(CommandFixture, IsonIsRefusedWhileTheNotifyListWaits) {
    host.isonBusy = true;
    Type("/ison bob");
    EXPECT_TRUE(network.sent.empty());
    EXPECT_EQ(output.lines, std::vector<std::string> {
                                C(14) + "! Parlevox is currently using ISON for system purposes. " + C(13) +
                                "Please try again later."});
}

TEST_F(CommandFixture, ServicesHostComesFromTheSettings) {
    settings.servicesHost = "services.example.org";
    processor->SetSettings(settings);
    Type("/cs help");
    EXPECT_EQ(network.sent, std::vector<std::string> {"PRIVMSG ChanServ@services.example.org :help"});
}

TEST_F(CommandFixture, ClearEmptiesTheOutputWindow) {
    Type("/clear");
    EXPECT_EQ(output.clears, 1);
}

}  // namespace
}  // namespace parlevox::test
