// The processor: contexts, expansion, splitting, lookup order, the two
// error lines, script calls, hostile sizes, the capture text and the
// answers that arrive later.
#include <fstream>

#include "CommandFixture.h"
#include "commands/CommandSource.h"
#include "commands/CommandWords.h"
#include "support/TempDir.h"

namespace parlevox::test {
namespace {

using Lines = std::vector<std::string>;

struct EdgeCase {
    const char* line;
    Lines sent;
};

class ProcessorEdgeTest : public CommandFixture, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(ProcessorEdgeTest, Sends) {
    variables.values["sVal"] = "v";
    Type(GetParam().line);
    EXPECT_EQ(network.sent, GetParam().sent) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProcessorEdgeTest,
    ::testing::Values(EdgeCase {"/msg #x hello", {"PRIVMSG #x :hello"}}, EdgeCase {"/msg bob hello", {"PRIVMSG bob :hello"}},
                      EdgeCase {"/join", {"JOIN #x"}}, EdgeCase {"/join #", {"JOIN #x"}},
                      EdgeCase {"/JOIN #y", {"JOIN #y"}}, EdgeCase {"/msg %sC% hi", {"PRIVMSG #x :hi"}},
                      EdgeCase {"/msg #x 100%%", {"PRIVMSG #x :100%"}}, EdgeCase {"/msg #x 5%x and %", {"PRIVMSG #x :5%x and %"}},
                      EdgeCase {"/msg #x %sNone% %sVal%%%", {"PRIVMSG #x :%sNone% v%"}},
                      EdgeCase {"/msg #x %sVal", {"PRIVMSG #x :%sVal"}}, EdgeCase {"/msg #x %", {"PRIVMSG #x :%"}},
                      EdgeCase {"/ctcp bob version", {"PRIVMSG bob :\x01version\x01"}},
                      EdgeCase {"/ban #x bob", {"MODE #x +b bob!*@*"}},
                      EdgeCase {"/msg #x   spaced   out  ", {"PRIVMSG #x :  spaced   out"}},
                      EdgeCase {"/whois $", {"WHOIS $"}}, EdgeCase {"/whowas $", {"WHOWAS sel"}}));

TEST_F(CommandFixture, SetsTheContextVariablesBeforeEveryLine) {
    Type("/echo x", "#chan", "bob");
    EXPECT_EQ(variables.values["sC"], "#chan");
    EXPECT_EQ(variables.values["sN"], "bob");
}

TEST_F(CommandFixture, ErrorLinesNameTheCommandAndGiveTheLastClassesHelp) {
    Type("/nosuch a b");
    Type("/part bye");
    Type("/msg #c");  // the nick class refuses too: the help is the nick form
    Type("");
    EXPECT_TRUE(network.sent.size() == 1 && network.sent[0] == "PRIVMSG #c :");
    EXPECT_EQ(output.lines, (Lines {C(14) + "! Couldn't find a \x1fnosuch\x1f command.",
                                    C(14) + "! Command \x1fpart\x1f received incorrect parameters " + C(13) +
                                        "- /part <channel> [message]",
                                    C(0) + "-> \x02#c\x02: ",
                                    C(14) + "! Couldn't find a \x1f\x1f command."}));
}

TEST_F(CommandFixture, AChannelParameterTakesOnlyAChannelContext) {
    Type("/part", "bob", "");  // a query window: its context is a nick
    Type("/deop # $", "#x", "");
    EXPECT_TRUE(network.sent.empty());
    ASSERT_EQ(output.lines.size(), 2u);
    EXPECT_NE(output.lines[0].find("\x1fpart\x1f received incorrect parameters"), std::string::npos);
    EXPECT_NE(output.lines[1].find("\x1f" "deop\x1f received incorrect parameters"), std::string::npos);
}

TEST_F(CommandFixture, ScriptLinesAreNotExpandedAndHaveNoNickContext) {
    variables.values["sVal"] = "v";
    Type("/msg #x %sVal% 100%%", "#x", "!script");
    Type("/whowas $", "#x", "!script");
    EXPECT_EQ(variables.values["sN"], "!script");
    EXPECT_EQ(network.sent, Lines {"PRIVMSG #x :%sVal% 100%%"});
    ASSERT_EQ(output.lines.size(), 2u);
    EXPECT_NE(output.lines[1].find("whowas"), std::string::npos);
}

TEST_F(CommandFixture, LinesPast128WordsKeepTheRestInTheLastWord) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "w" + std::to_string(i) + (i % 7 ? " " : "  ");
    while (text.ends_with(' ')) text.pop_back();
    Type("/msg #c " + text);
    EXPECT_EQ(network.sent, Lines {"PRIVMSG #c :" + text});

    WordList words;
    const std::string line = "/oper " + text;
    words.Split(line);
    EXPECT_EQ(words.Count(), kMaxCommandWords);
    EXPECT_TRUE(words[kMaxCommandWords - 1].ends_with("w299"));
}

TEST_F(CommandFixture, EmptyTinyAndHugeLinesNeverCrash) {
    const std::string huge(100000, 'a');
    for (std::string line : {std::string(), std::string("/"), std::string("a"), std::string(" "), std::string("%"),
                             "/" + huge, "/msg #c " + huge, "/" + std::string(100000, ' '), std::string(100000, '%'),
                             "/ban #c " + huge + "@", "/play #c 1 " + huge, "/stats " + huge}) {
        Type(line);
    }
    ASSERT_EQ(network.sent.size(), 2u);
    EXPECT_TRUE(network.sent[0] == "PRIVMSG #c :" + huge);
    EXPECT_TRUE(network.sent[1] == "STATS " + huge);
    EXPECT_EQ(output.lines.size(), 11u);  // a line for every refusal, one echo
}

TEST_F(CommandFixture, LargeVariablesExpandUntilTheLineWouldPassTheCap) {
    variables.values["sBig"] = std::string(100 * 1024, 'b');
    Type("/msg #c %sBig%");
    EXPECT_EQ(network.sent, Lines {"PRIVMSG #c :" + variables.values["sBig"]});
    network.sent.clear();
    output.lines.clear();
    std::string many = "/msg #c";
    for (int i = 0; i < 20; ++i) many += " %sBig%";
    Type(many);
    EXPECT_TRUE(network.sent.empty());
    EXPECT_EQ(output.lines, Lines {C(14) + "! The line is too long once its variables are filled in (more than " +
                                   std::to_string(kMaxExpandedLine) + " characters); nothing was run."});
}

TEST_F(CommandFixture, ArmedCaptureTakesTheSentTextInsteadOfTheEcho) {
    processor->CaptureText() = "!";
    Type("/msg #x hello");
    EXPECT_EQ(processor->CaptureText(), "hello");
    processor->CaptureText() = "!";
    Type("/ctcp #x ACTION waves");
    EXPECT_EQ(processor->CaptureText(), "\x01" "ACTION waves\x01");
    EXPECT_TRUE(output.lines.empty());
}

class TakingSource final : public CommandSource {
public:
    bool Has(std::string_view name) const override { return name == "msg" || name == "mine"; }
    bool TryRun(std::string_view name, std::span<const std::string_view> words, const CommandCall&) override {
        if (!Has(name)) return false;
        taken.emplace_back(std::string(name) + "|" + std::string(JoinedRest(words)));
        return true;
    }
    Lines taken;
};

TEST_F(CommandFixture, SourcesComeBeforeTheBuiltInsAndCountForExists) {
    TakingSource source;
    EXPECT_FALSE(processor->Exists("mine"));
    processor->AddSource(source);
    Type("/msg #x  two  words");
    Type("/join #y");
    EXPECT_EQ(source.taken, Lines {"msg|#x  two  words"});
    EXPECT_EQ(network.sent, Lines {"JOIN #y"});
    EXPECT_TRUE(processor->Exists("mine"));
    EXPECT_TRUE(processor->Exists("ChanServ"));
    EXPECT_FALSE(processor->Exists("chanserve"));
    processor->RemoveSource(source);
}

TEST_F(CommandFixture, ScriptCallsMatchTypedValues) {
    using A = CommandArgument;
    using R = CommandProcessor::CallResult;
    std::vector<A> toChannel {A::Text("#c"), A::Text("hi")}, toNick {A::Text("bob"), A::Text("hi")};
    std::vector<A> badCount {A::Text("#c"), A::Text("bob"), A::Text("f")}, hashNick {A::Text("#c")};
    EXPECT_EQ(processor->Call("msg", toChannel, "#x", output), R::Done);
    EXPECT_EQ(processor->Call("MSG", toNick, "#x", output), R::Done);
    EXPECT_EQ(processor->Call("play", badCount, "#x", output), R::IncorrectParameters);
    EXPECT_EQ(processor->Call("whowas", hashNick, "#x", output), R::IncorrectParameters);
    EXPECT_EQ(processor->Call("Names", {}, "#x", output), R::Done);
    EXPECT_EQ(processor->Call("nothing", {}, "#x", output), R::NotFound);
    EXPECT_EQ(network.sent, (Lines {"PRIVMSG #c :hi", "PRIVMSG bob :hi", "NAMES #x"}));
}

TEST_F(CommandFixture, PlaySendsOneLinePerIntervalAndOneFileAtATime) {
    TempDir dir;
    std::ofstream(dir.File("song.txt")) << "first\r\n\nsecond";
    Type("/play #c 1 " + dir.File("none.txt"));
    Type("/play #c 1 " + dir.File("song.txt"));
    Type("/play #c 0 " + dir.File("song.txt"));
    EXPECT_EQ(network.sent, Lines {"PRIVMSG #c :first"});
    ASSERT_TRUE(loop.RunUntil([&] { return network.sent.size() == 2; }, 3000));
    EXPECT_EQ(network.sent[1], "PRIVMSG #c :second");
    EXPECT_EQ(output.lines, (Lines {C(14) + "! Couldn't find that file - ensure you specify the full path.",
                                    C(0) + "-> \x02#c\x02: first", C(14) + "! A file is already playing.",
                                    C(0) + "-> \x02#c\x02: second"}));
}

TEST_F(CommandFixture, DnsAnswersInTheOutputWhileItIsThere) {
    Type("/dns localhost");
    Type("/dns 300.1.1.1");
    ASSERT_TRUE(loop.RunUntil([&] { return output.lines.size() == 2; }, 5000));
    EXPECT_EQ(output.lines, (Lines {C(14) + "! Not a valid IP address.", C(13) + "- localhost resolves to \x02" "127.0.0.1"}));

    auto gone = std::make_unique<RecordingOutput>();
    processor->Run("/dns localhost", "", "", *gone);
    gone.reset();  // the answer must not write into it
    Type("/dns localhost");
    ASSERT_TRUE(loop.RunUntil([&] { return output.lines.size() == 3; }, 5000));
}

TEST_F(CommandFixture, TelnetFeedsAChatOfferForTheResolvedAddress) {
    Type("/telnet 127.0.0.1 2323");
    Type("/telnet 127.0.0.1 99999");
    ASSERT_TRUE(loop.RunUntil([&] { return !network.fed.empty(); }, 5000));
    EXPECT_EQ(network.fed, Lines {":127.0.0.1!2323@Telnet PRIVMSG telnet :\x01" "DCC CHAT CHAT 2130706433 2323\x01"});
    EXPECT_EQ(output.lines, Lines {C(14) + "! 99999 is not a valid port number (1 to 65535)."});
}

}  // namespace
}  // namespace parlevox::test
