#include "display/ChanWnd.h"

#include <dirent.h>
#include <sys/stat.h>

#include "display/ChatWindowFixture.h"
#include "irc/IMNetSystem.h"
#include "platform/Clock.h"
#include "platform/SafeFile.h"

namespace parlevox::test {
namespace {

class FakeMembers : public ChannelMembers {
public:
    bool Contains(std::string_view nick) const override { return nicks.count(ToLower(nick)) > 0; }
    void RemoveMember(std::string_view nick) override {
        ASSERT_TRUE(nicks.erase(ToLower(nick))) << "removed a nick that is not there";
    }
    std::set<std::string> nicks{"me", "bob", "rob"};
};

class ChanWndTest : public ChatWindowFixture {
protected:
    CChanWnd& Open(const std::string& channel = "#c") {
        window = std::make_unique<CChanWnd>(Services(), channel, members, view);
        return *window;
    }
    ~ChanWndTest() override { window.reset(); }

    FakeMembers members;
    std::unique_ptr<CChanWnd> window;
};

TEST_F(ChanWndTest, ChannelEventsShowTheirLinesAndAreMarkedShown) {
    Open("#c");
    const struct {
        const char* line;
        std::string shown;
    } cases[] = {
        {":bob!b@h JOIN :#C", C(2) + "# Joins: " + C(5) + "\bbob\b" + C(0) + " (b@h)"},
        {":bob!b@h PART #c :later", C(3) + "# Parts: " + C(5) + "\bbob\b" + C(0) + " (b@h) (later)"},
        {":op!o@h MODE #c +o bob", C(8) + "# " + C(5) + "\bop\b" + C(8) + " changes mode: +o bob"},
        {":op!o@h TOPIC #c :news", C(7) + "# " + C(5) + "\bop\b" + C(7) + " sets topic to: " + C(0) + "news"},
        {":bob!b@h PRIVMSG #c :hi", C(0) + "<" + C(5) + "\bbob\b" + C(0) + "> hi"},
        {":bob!b@h NOTICE #c :note", C(0) + "-" + C(5) + "\bbob\b" + C(0) + "(#)- " + C(1) + "note"},
        {":bob!b@h PRIVMSG #c :\x01" "ACTION waves\x01", C(0) + "* " + C(5) + "\bbob\b" + C(0) + " waves"},
        {":op!o@h KICK #c rob :op", C(4) + "# Kicked: " + C(5) + "\brob\b" + C(0) + " (by " + C(5) + "\bop\b" + C(0) + ")"},
        {":srv 332 Me #c :old news", C(7) + "# Channel topic: " + C(0) + "old news"},
        {":srv 333 Me #c ann 0", C(13) + "- Topic set by " + C(5) + "\bann\b" + C(13) + " at " +
                                     Clock::FormatLocal("%H:%M on %A %d %B %Y", 0)},
        {":srv 329 Me #c x", C(13) + "- Channel #c opened at " + Clock::FormatLocal("%H:%M on %A %d %B %Y", 0)},
        {":bob!b@h NICK :bobby", C(6) + "# " + C(5) + "\bbob\b" + C(6) + " changes nick to " + C(5) + "\bbobby"},
    };
    for (const auto& c : cases) {
        network.Receive(c.line);
        EXPECT_EQ(view.Last(), c.shown) << c.line;
        ASSERT_FALSE(recorder.handled.empty());
        EXPECT_EQ(recorder.handled.back(), 1) << c.line;
    }
    EXPECT_EQ(window->Topic(), "old news");
    EXPECT_EQ(view.captions, (std::vector<std::string>{"#c - news", "#c - old news"}));
    EXPECT_EQ(view.topics, (std::vector<std::string>{"news", "old news"}));
    EXPECT_EQ(view.closeRequests, 0);
    EXPECT_TRUE(ui.boxes.empty());

    // Other channels, other numerics, CTCP other than SOUND and nick changes
    // of strangers pass by unshown.
    const size_t shown = view.lines.size();
    for (const char* line : {":bob!b@h PRIVMSG #d :hi", ":srv 331 Me #c :x", ":bob!b@h PRIVMSG #c :\x01VERSION\x01",
                             ":zed!z@h NICK :zed2", ":srv NAME #c x"})
        network.Receive(line);
    EXPECT_EQ(view.lines.size(), shown);
}

TEST_F(ChanWndTest, QuitsOfMembersShowAndLeaveTheListSplitsAreGathered) {
    Open();
    network.Receive(":zed!z@h QUIT :bye");
    EXPECT_TRUE(view.lines.empty()) << "not a member";
    network.Receive(":bob!b@h QUIT :bye");
    EXPECT_EQ(view.Last(), C(4) + "# Quits: " + C(5) + "\bbob\b" + C(0) + " (bye)");
    EXPECT_FALSE(members.Contains("bob"));
    network.Receive(":rob!r@h QUIT :irc.a.net irc.b.net");
    EXPECT_EQ(view.Last(), C(9) + "! Split between servers");
    EXPECT_FALSE(members.Contains("rob"));
    EXPECT_EQ(recorder.handled.back(), 1);
    EXPECT_EQ(loop.PendingTimerCount(), 1u) << "the 3 s timer";
}

TEST_F(ChanWndTest, PartingOrBeingKickedClosesTheWindowAndReconnectingRejoins) {
    Open("#c");
    network.Receive(":Op!o@h KICK #c Me :flooding");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Kicked out of channel");
    EXPECT_EQ(ui.boxes[0].text,
              "You have been kicked out of channel #c by Op. (flooding)\n\nUnless you have also been banned, you can "
              "re-join the channel using the Join window or /join command in the normal way.");
    EXPECT_EQ(view.closeRequests, 1);
    network.Receive(":me!m@h PART #c");
    EXPECT_EQ(view.closeRequests, 2);

    network.Dispatch(std::make_unique<C_imDisconnect>(0));
    EXPECT_EQ(view.Last(), C(13) + "- Disconnected from server");
    network.Dispatch(std::make_unique<C_imConnect>(0));
    EXPECT_EQ(network.sent, std::vector<std::string>{"JOIN #c"});
    EXPECT_EQ(view.inputs, (std::vector<bool>{false, true}));
}

TEST_F(ChanWndTest, TypedLinesGoThroughTheCommandsAndShowAsOwnEvents) {
    muck = true;
    Open("#c");
    const struct {
        const char* typed;
        const char* run;  // empty: nothing runs
        std::string shown;
    } cases[] = {
        {"hello", "/msg #c hello", C(11) + "<" + C(5) + "\bMe\b" + C(11) + "> hello"},
        {"/me waves", "/ctcp #c ACTION waves", C(11) + "* " + C(5) + "\bMe\b" + C(11) + " waves"},
        {"/ME's off", "/ctcp #c ACTION 's off", C(11) + "* " + C(5) + "\bMe\b" + C(11) + "'s off"},
        {":bows", "/ctcp #c ACTION bows", C(11) + "* " + C(5) + "\bMe\b" + C(11) + " bows"},
        {"\"says", "/msg #c says", C(11) + "<" + C(5) + "\bMe\b" + C(11) + "> says"},
        {"/sound nope.wav hi", "", C(13) + "- You don't have \x02nope.wav\x02 [or sound is off]."},
        {"/join #d", "/join #d", ""},
    };
    for (const auto& c : cases) {
        view.lines.clear();
        runner.runs.clear();
        window->Type(c.typed);
        if (*c.run) {
            ASSERT_EQ(runner.runs.size(), 1u) << c.typed;
            EXPECT_EQ(runner.runs[0].line, c.run);
            EXPECT_EQ(runner.runs[0].channel, "#c");
        } else {
            EXPECT_TRUE(runner.runs.empty()) << c.typed;
        }
        EXPECT_EQ(view.Last(), c.shown) << c.typed;
        EXPECT_EQ(runner.capture, "") << "the capture is disarmed";
    }
    // A line the commands did not send is not shown as said.
    runner.sends = false;
    view.lines.clear();
    window->Type("lost");
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(runner.capture, "");
}

TEST_F(ChanWndTest, OwnSoundRequestsAreSentWhenTheFileIsHereAndPlayed) {
    SafeFile::CreateFolders(dir.File("sounds"));
    WriteWholeFile(dir.File("sounds/ding.wav"), "RIFF");
    Open("#c");
    window->Type("/sound ding.wav rings");
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].line, "/ctcp #c SOUND ding.wav rings");
    EXPECT_EQ(view.Last(), C(11) + "* " + C(5) + "\bMe\b" + C(11) + " rings");
    EXPECT_EQ(audio.played.size(), 1u);
}

TEST_F(ChanWndTest, PeerSoundRequestsNamingPathsPlayNothingAndSaySo) {
    Open("#c");
    network.Receive(":bob!b@h PRIVMSG #c :\x01SOUND ../../../dev/zero\x01");
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.lines[0], C(0) + "- " + C(5) + "\bbob\b" + C(0) + " plays ../../../dev/zero");
    EXPECT_EQ(view.lines[1], C(14) + "- Sound \x02../../../dev/zero\x02 not played: only .wav and .mid files are played.");
    EXPECT_TRUE(audio.played.empty());
}

TEST_F(ChanWndTest, TheLogHoldsStartShownLinesAndEndInPlainText) {
    Open("#a/b");
    window->StartLog();
    ASSERT_TRUE(window->Logging());
    network.Receive(":bob!b@h PRIVMSG #a/b :" + std::string(600, 'x'));
    window->StopLog();
    EXPECT_FALSE(window->Logging());
    const std::string log = ReadWholeFile(dir.File("logs/#ab.log"));
    const std::string start = "- [Log start:", end = "- [Log end:";
    ASSERT_EQ(log.compare(0, start.size(), start), 0) << log.substr(0, 40);
    const size_t said = log.find("\r\n<bob> ");
    ASSERT_NE(said, std::string::npos);
    EXPECT_EQ(log.substr(said + 2, 513), "<bob> " + std::string(505, 'x') + "\r\n");
    EXPECT_EQ(log.compare(said + 2 + 513, end.size(), end), 0);
    EXPECT_EQ(log.substr(log.size() - 3), "]\r\n");
    EXPECT_EQ(view.lines.front().compare(0, start.size(), start), 0) << "the start is shown too";
}

TEST_F(ChanWndTest, LogsOfHostileChannelNamesStayInTheLogsFolder) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
    for (const std::string& channel : {every, std::string(":\\/+<>*?"), std::string("..")}) {
        Open(channel).StartLog();
        EXPECT_TRUE(window->Logging()) << view.Last();
        window->Type("text");
        window.reset();
    }
    std::vector<std::string> entries;
    DIR* folder = ::opendir(dir.Path().c_str());
    while (dirent* entry = ::readdir(folder))
        if (entry->d_name[0] != '.') entries.push_back(entry->d_name);
    ::closedir(folder);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"logs"}));
    EXPECT_NE(ReadWholeFile(dir.File("logs/unnamed channel.log")).find("- [Log end:"), std::string::npos);
}

TEST_F(ChanWndTest, ALogThatCannotBeOpenedIsReportedAndLoggingStaysOff) {
    SafeFile::CreateFolders(dir.File("logs/#c.log"));
    Open("#c").StartLog();
    EXPECT_FALSE(window->Logging());
    EXPECT_EQ(view.Last(), C(14) + "- The log file " + dir.Path() + "/logs/#c.log couldn't be opened.");
}

TEST_F(ChanWndTest, SavingContentsWritesTheWholeStoredText) {
    Open("#c").Pane().Resize(1000, 400);  // unsized, every character would be a display line
    for (int i = 0; i < 200; ++i) window->AddLine(C(0) + "line " + std::to_string(i) + std::string(80, '.'));
    const std::string stored = window->Pane().Model().Rings().AllText();
    ui.saveAnswers.push_back(dir.File("saved.txt"));
    window->SaveContents();
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Save Window Contents As");
    EXPECT_EQ(ui.saveDialogs[0].filter, "Text files (*.txt)|*.txt||");
    EXPECT_EQ(ui.saveDialogs[0].extension, "txt");
    EXPECT_EQ(ui.saveDialogs[0].proposedPath, dir.Path() + "/logs/#c");
    const std::string saved = ReadWholeFile(dir.File("saved.txt"));
    EXPECT_TRUE(saved == stored) << saved.size() << " bytes saved of " << stored.size();
    EXPECT_EQ(saved.compare(0, 8, "line 0.."), 0);
    EXPECT_EQ(saved.substr(saved.size() - 12), "..........\r\n");
    EXPECT_EQ(view.Last(), "- Window contents saved.");
    window->SaveContents();  // cancelled: nothing more
    EXPECT_EQ(view.Last(), "- Window contents saved.");
}

}  // namespace
}  // namespace parlevox::test
