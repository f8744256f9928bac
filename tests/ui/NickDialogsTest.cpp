// The nickname dialogs against a real network window and a scripted
// NickServ: the nick change check, registering one of the three nicknames,
// and the nick information dialog's NickServ page. NickServ's answers come
// only from its mask; a look-alike, or information about another nick, is
// not taken, and answers that never come leave nothing waiting.
#include <gtest/gtest.h>

#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "irc/IMNetSystem.h"
#include "irc/NetworkMessages.h"
#include "settings/OptionsRecord.h"
#include "support/NetworkFixture.h"
#include "ui/NickChangeDialog.h"
#include "ui/NickDialogsTexts.h"
#include "ui/NickInfoNickServ.h"
#include "ui/NickRegistration.h"

namespace parlevox::test {
namespace {

using namespace nickdialogs_text;

const std::string kNickServ = ":NickServ!service@dal.net NOTICE tester :";
const std::string kLookAlike = ":NickServ!service@dal.net.evil.example NOTICE tester :";

class RecordingCommands : public CommandLineRunner, public CommandOutput {
public:
    void Run(std::string_view line, const std::string&, const std::string&, CommandOutput&) override {
        lines.emplace_back(line);
    }
    std::string& CaptureText() override { return capture; }
    void AddLine(std::string_view) override {}
    void Clear() override {}
    std::vector<std::string> lines;
    std::string capture;
};

class NickDialogsTest : public NetworkFixture {
protected:
    NickDialogsTest() {
        ConnectAndRegister();
        state.connected = true;
        state.currentNick = "tester";
        options.nicknames = {{{"tester", "secret77"}, {"wanted", ""}, {"Third", ""}}};
    }
    bool Sent(const std::string& line) { return RunUntil([&] { return server->HasLine(line); }); }
    // Lets what was sent arrive, then counts it.
    size_t Count(const std::string& line) {
        loop.RunUntil([] { return false; }, 50);
        return static_cast<size_t>(std::count(server->Lines().begin(), server->Lines().end(), line));
    }
    size_t NoticesShown() const { return std::count(listener.types.begin(), listener.types.end(), kPrivateNotice); }
    void Dispatch(std::unique_ptr<CIRCMessage> message) {
        loop.PostMessage(network->Handle(),
                         WindowMessage(netmsg::kDispatchEvent, std::make_unique<EventPayload>(std::move(message))));
        loop.RunOnce(0);
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : ui.boxes) texts.push_back(box.title + ": " + box.text);
        return texts;
    }

    OptionsRecord options;
    int saves = 0;
    NickServServices services {loop, network->Handle(), state, ui, options, [this] { ++saves; }};
    RecordingCommands commands;
};

TEST_F(NickDialogsTest, TheNickChangeCheckAllowsOnlyTheSeventyCharacters) {
    struct Case {
        std::string nick;
        const char* problem;
    } cases[] = {
        {"", kEmptyNickname},
        {"a|b", kBadNicknameCharacters},
        {"bob smith", kBadNicknameCharacters},
        {std::string("bo\0b", 4), kBadNicknameCharacters},
        {"bob\xe9", kBadNicknameCharacters},
        {"[Bob]_", nullptr},
        {"{z`-9}", nullptr},
    };
    for (const Case& c : cases) {
        std::vector<std::string> chosen;
        CNickChangeDialog dialog(ui, [&](const std::string& nick) { chosen.push_back(nick); });
        ui.boxes.clear();
        EXPECT_EQ(dialog.Ok(c.nick), c.problem == nullptr) << c.nick;
        if (c.problem) {
            ASSERT_EQ(ui.boxes.size(), 1u) << c.nick;
            EXPECT_EQ(ui.boxes[0].title, kNicknameError);
            EXPECT_EQ(ui.boxes[0].text, c.problem);
            EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Stop);
            EXPECT_TRUE(chosen.empty());
        } else {
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(chosen, std::vector<std::string> {c.nick});
        }
    }
}

TEST_F(NickDialogsTest, RegistrationPasswordsNeedSevenCharactersAndNoSpace) {
    struct Case {
        std::string password;
        const char* problem;
    } cases[] = {
        {"has space", kPasswordSpace}, {"a b", kPasswordSpace}, {"sixsix", kPasswordShort},
        {"", kPasswordShort},          {"seven77", nullptr},
    };
    for (const Case& c : cases) {
        CNickRegistration registration(services, commands, commands);
        ui.boxes.clear();
        commands.lines.clear();
        EXPECT_EQ(registration.PasswordChosen(1, c.password), c.problem == nullptr) << c.password;
        if (c.problem) {
            EXPECT_EQ(BoxTexts(), std::vector<std::string> {std::string(kInvalidPassword) + ": " + c.problem});
            EXPECT_TRUE(options.nicknames[1].password.empty());
            EXPECT_TRUE(commands.lines.empty());
        } else {
            EXPECT_EQ(options.nicknames[1].password, c.password);
            EXPECT_EQ(saves, 1);
            EXPECT_EQ(commands.lines, std::vector<std::string> {"/nick wanted"});
        }
    }
}

// Each script: the lines the server sends after "/nick wanted", the boxes
// that follow, and whether the registration went to NickServ.
TEST_F(NickDialogsTest, RegistrationFollowsTheServerAndNickServ) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> boxes;
        bool sentToNickServ;
    };
    const std::string ok = std::string(kRegisteredOk) + ": " + kRegisteredOkText;
    const std::string problem = std::string(kProblemRegistering) + ": ";
    const std::string changed = ":tester!u@h NICK :wanted";
    const Case cases[] = {
        {"in use", {":srv 433 tester wanted :Nickname is already in use"}, {problem + kNickInUse}, false},
        {"in use, another nick first",
         {":srv 433 tester typed :in use", ":srv 433 tester wanted :in use"}, {problem + kNickInUse}, false},
        {"someone else takes it", {":bob!b@h NICK :wanted"}, {}, false},
        {"registered",
         {changed, kNickServ + "Your nickname \x02wanted\x02 is now registered", kNickServ + "Next database sync is in 5 minutes"},
         {ok}, true},
        {"owned", {changed, kNickServ + "Nickname wanted is already registered!"}, {problem + kAlreadyOwned}, true},
        {"not understood", {changed, kNickServ + "Something new"}, {problem + kNotUnderstood}, true},
        {"look-alike", {changed, kLookAlike + "Nickname wanted is already registered!"}, {}, true},
    };
    const std::string request = "PRIVMSG NickServ@services.dal.net :register seven77";
    for (const Case& c : cases) {
        ui.boxes.clear();
        const size_t before = Count(request);
        CNickRegistration registration(services, commands, commands);
        options.nicknames[1].password = "seven77";
        ASSERT_TRUE(registration.Start(1));
        EXPECT_FALSE(registration.ControlsEnabled());
        for (const std::string& line : c.lines) Post(line);
        EXPECT_EQ(BoxTexts(), c.boxes) << c.name;
        EXPECT_EQ(Count(request) - before, c.sentToNickServ ? 1u : 0u) << c.name;
        EXPECT_EQ(registration.Running(), c.boxes.empty()) << c.name;
    }
}

TEST_F(NickDialogsTest, ARegistrationNobodyAnswersEndsInABoxAndServicesGateTheControls) {
    CNickRegistration registration(services, commands, commands);
    Dispatch(std::make_unique<C_imServicesDown>());
    EXPECT_FALSE(registration.ControlsEnabled());
    Dispatch(std::make_unique<C_imServicesUp>());
    EXPECT_TRUE(registration.ControlsEnabled());

    options.nicknames[0].password = "secret77";
    ASSERT_TRUE(registration.Start(0));  // the nick in use: straight to NickServ
    ASSERT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :register secret77"));
    EXPECT_TRUE(commands.lines.empty());
    EXPECT_FALSE(registration.Start(1)) << "a second registration while one runs";
    registration.OnTimer(CNickRegistration::kTimeoutTimer);
    EXPECT_FALSE(registration.Running());
    EXPECT_EQ(BoxTexts(), std::vector<std::string> {std::string(kProblemRegistering) + ": " + kRegistrationSlow});
    Post(kNickServ + "Nickname tester is now registered");
    EXPECT_EQ(ui.boxes.size(), 1u) << "an answer after the time-out";
    EXPECT_EQ(NoticesShown(), 1u);
}

class NickServPageTest : public NickDialogsTest {
protected:
    std::unique_ptr<CNickInfoNickServ> Open(const std::string& nick) {
        auto page = std::make_unique<CNickInfoNickServ>(services, nick);
        page->Open();
        EXPECT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :info " + nick));
        return page;
    }
};

TEST_F(NickServPageTest, TheInformationAnswerFillsTheFieldsAndOpensTheOwnersSettings) {
    auto page = Open("tester");
    EXPECT_EQ(page->Title(), "tester Nickname Information");
    const std::vector<std::string> answer = {
        "*** \x02Info about tester\x02 ***",
        "      tester is [Cats] Tester Testington",
        "      Last seen address: ~t@host.example",
        "      Last seen time: Mon Dec  7 2026",
        "      (Currently on IRC)",
        "      Memos forward to :  \x02" "friend\x02 (fwd)",
        "*** \x02" "End of Info\x02 ***",
    };
    for (const std::string& line : answer) Post(kNickServ + line);
    Post(kNickServ + "tester is the wrong description");
    EXPECT_EQ(page->Description(), "Tester Testington");
    EXPECT_EQ(page->Address(), "~t@host.example");
    EXPECT_TRUE(page->Forwarding());
    EXPECT_EQ(page->ForwardNick(), "friend");
    EXPECT_EQ(page->Kill(), CNickInfoNickServ::KillEnforce::kOff);
    EXPECT_FALSE(page->Waiting());
    EXPECT_TRUE(page->SettingsUsable());
    EXPECT_EQ(NoticesShown(), 6u) << "the description and the end are the page's alone, the rest is shown";

    page->SetKill(true);
    page->SetForward("friend");
    page->SetUrl("https://example.org/");
    EXPECT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :set kill on"));
    EXPECT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :set forward friend"));
    EXPECT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :set url https://example.org/"));

    page->SetPassword("newpass9");
    ASSERT_TRUE(Sent("PRIVMSG NickServ@services.dal.net :set passwd newpass9"));
    Post(kLookAlike + "Password changed.");
    EXPECT_EQ(options.nicknames[0].password, "secret77");
    Post(kNickServ + "Password changed.");
    EXPECT_EQ(options.nicknames[0].password, "newpass9");
    EXPECT_EQ(saves, 1);

    page->SetPassword("another9");
    Post(kNickServ + "Access denied.");
    EXPECT_EQ(options.nicknames[0].password, "newpass9");
    EXPECT_EQ(BoxTexts(), std::vector<std::string> {std::string(kProblemChangingPassword) + ": " + kPasswordNotChanged});
}

// Which nicks get the settings: a nick of the three, with a password, in use.
TEST_F(NickServPageTest, SettingsAreTheOwnersAloneAndOtherNicksAnswersAreIgnored) {
    struct Case {
        std::string nick;
        std::vector<std::string> answer;
        bool usable;
        std::string description;
    } cases[] = {
        {"tester", {"tester is me", "nick kill enforce is on", "End of Info"}, true, "me"},
        {"Third", {"Third is not mine now", "End of Info"}, false, "not mine now"},  // no password
        {"stranger", {"stranger is someone", "End of Info"}, false, "someone"},
        {"ghost", {"Nick ghost is not registered."}, false, kNickNotRegistered},
        {"ghost", {"Nick carol is not registered.", "ghost is here", "End of Info"}, false, "here"},
        {"tester", {"*** Info about carol ***", "carol is Carol", "End of Info", "tester is me", "End of Info"},
         true, "me"},
    };
    for (const Case& c : cases) {
        auto page = Open(c.nick);
        for (const std::string& line : c.answer) Post(kNickServ + line);
        EXPECT_EQ(page->SettingsUsable(), c.usable) << c.nick;
        EXPECT_EQ(page->Description(), c.description) << c.nick;
        EXPECT_FALSE(page->Waiting()) << c.nick;
    }
    auto unanswered = Open("tester");
    Post(kLookAlike + "tester is an impostor");
    Post(kLookAlike + "End of Info");
    EXPECT_TRUE(unanswered->Description().empty());
    EXPECT_TRUE(unanswered->Waiting());
    EXPECT_FALSE(unanswered->SettingsUsable());
    unanswered->SetPassword("newpass9");
    unanswered->Close();
    EXPECT_FALSE(unanswered->Waiting());
    EXPECT_FALSE(server->HasLine("PRIVMSG NickServ@services.dal.net :set passwd newpass9"));
}

}  // namespace
}  // namespace parlevox::test
