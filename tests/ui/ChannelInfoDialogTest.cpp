// The channel information dialog over a real network window, with a
// scripted ChanServ and NickServ whose notices follow the services' wording:
// the requests each page sends, the answers it takes (and those it leaves:
// another channel's, a look-alike sender's), the access levels, the founder
// controls and the ban list's "/mode" lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "common/MessageBox.h"
#include "irc/IMNetSystem.h"
#include "irc/NetworkMessages.h"
#include "platform/Clock.h"
#include "support/NetworkFixture.h"
#include "ui/ChannelInfoDialog.h"
#include "ui/ChannelServicesTexts.h"

namespace parlevox::test {
namespace {

using namespace chanserv_text;
using Strings = std::vector<std::string>;

constexpr const char* kChanServ = ":ChanServ!service@dal.net NOTICE tester :";
constexpr const char* kNickServ = ":NickServ!service@dal.net NOTICE tester :";
constexpr const char* kToChanServ = "PRIVMSG ChanServ@services.dal.net :";

class ChannelInfoDialogTest : public NetworkFixture {
protected:
    ChannelInfoDialogTest() {
        ConnectAndRegister();
        state.connected = true;
        state.currentNick = "tester";
        passwords["#chat"] = "secret";
        dialog = std::make_unique<CChannelInfoDialog>(
            ChannelInfoServices {loop, network->Handle(), state, ui,
                                 [this](const std::string& line) { commands.push_back(line); },
                                 [this](const std::string& channel) { return passwords[channel]; },
                                 [this](const std::string& channel, const std::string& password) {
                                     passwords[channel] = password;
                                 }},
            ChannelServicesSettings {}, "#chat");
    }
    ~ChannelInfoDialogTest() override {
        dialog->RequestClose();
        dialog.reset();
        if (now) loop.SetTickSource(&Clock::TickCount);
    }

    // The lines sent to the services since the last call, in order.
    Strings Requests() {
        SendLine("PING :flush" + std::to_string(++flushes));
        EXPECT_TRUE(RunUntil([&] { return server->HasLine("PING :flush" + std::to_string(flushes)); }));
        Strings requests;
        for (size_t i = seen; i < server->Lines().size(); ++i) {
            const std::string& line = server->Lines()[i];
            if (line.rfind("PRIVMSG ", 0) == 0) requests.push_back(line);
        }
        seen = server->Lines().size();
        return requests;
    }
    // Posts a notice; true when it went past the dialog.
    bool Notice(const std::string& from, const std::string& text) {
        listener.texts.clear();
        Post(from + text);
        return !listener.texts.empty();
    }
    bool Cs(const std::string& text) { return Notice(kChanServ, text); }
    void Dispatch(std::unique_ptr<CIRCMessage> event) {
        auto payload = std::make_unique<EventPayload>(std::move(event));
        loop.SendMessage(network->Handle(), WindowMessage(netmsg::kDispatchEvent, std::move(payload)));
    }
    void Open() {
        dialog->Main().Open();
        Requests();
    }
    void BecomeLevel(int level) {
        Cs("ACC #chat tester " + std::to_string(level));
        Cs("End of info on #chat");
    }

    std::map<std::string, std::string> passwords;
    Strings commands;
    std::unique_ptr<CChannelInfoDialog> dialog;
    size_t seen = 0;
    int flushes = 0;
    uint64_t now = 0;
};

TEST_F(ChannelInfoDialogTest, OpeningIdentifiesAsksAndFillsTheFieldsFromTheInfoAnswer) {
    EXPECT_EQ(dialog->Title(), "#chat Channel Information");
    EXPECT_EQ(dialog->AccessText(), "(Please wait)");
    EXPECT_EQ(dialog->Main().Values().registered, "(Please wait)");
    dialog->Main().Open();
    EXPECT_EQ(Requests(), (Strings {std::string(kToChanServ) + "IDENTIFY #chat secret",
                                    std::string(kToChanServ) + "ACC #chat tester",
                                    std::string(kToChanServ) + "INFO #chat"}));
    for (const char* line : {"Information for channel #chat:", "      Founder    : boss (b@host)  ",
                             "  Description: A place to talk ", "Registered : 3 years ago", "Last opping: today",
                             "Mode Lock  : +nt-k", "URL        : http://chat.example/", "Memo level : FOUNDER",
                             "Options    : Ident, Restricted, Topic Lock(F), Topic Lock(S)"}) {
        EXPECT_FALSE(Cs(line)) << "every notice to the main page ends there: " << line;
    }
    const CChannelInfoMain::Fields& fields = dialog->Main().Values();
    EXPECT_EQ(fields.founder, "boss (b@host)");
    EXPECT_EQ(fields.description, "A place to talk");
    EXPECT_EQ(fields.registered, "3 years ago");
    EXPECT_EQ(fields.lastOpping, "today");
    EXPECT_EQ(fields.modeLock, "+nt-k");
    EXPECT_EQ(fields.url, "http://chat.example/");
    EXPECT_TRUE(fields.memoSop);
    EXPECT_TRUE(fields.ident);
    EXPECT_TRUE(fields.restricted);
    EXPECT_EQ(fields.topicLock, CChannelInfoMain::TopicLock::kSop);
    EXPECT_TRUE(dialog->Main().Waiting());
    EXPECT_FALSE(dialog->Main().FounderButtonEnabled());
    BecomeLevel(5);
    EXPECT_FALSE(dialog->Main().Waiting());
    EXPECT_TRUE(dialog->Main().SettingsEditable());
    EXPECT_TRUE(dialog->Main().FounderButtonEnabled());
    EXPECT_TRUE(Cs("Description: later")) << "the conversation has ended";
    EXPECT_EQ(fields.description, "A place to talk");
}

TEST_F(ChannelInfoDialogTest, TheAccAnswerGivesTheLevelAndWhatItAllows) {
    const struct {
        const char* answer;
        int level;
        const char* text;
        bool editable;
    } cases[] = {
        {"ACC #chat tester 5", 5, "Founder,ID", true}, {"ACC #chat tester 4", 4, "Founder,ID", true},
        {"ACC #chat tester 3", 3, "(no ID)", false},   {"ACC #chat tester 2", 2, "SOP", false},
        {"ACC #chat tester 1", 1, "AOP", false},       {"ACC #chat tester 0", 0, "Normal", false},
        {"ACC #chat tester -1", -1, "AKICKed", false}, {"ACC #chat tester ", 0, "Normal", false},
        {"ACC", 0, "Normal", false},
    };
    for (const auto& c : cases) {
        dialog = std::make_unique<CChannelInfoDialog>(dialog->Services(), dialog->Settings(), "#chat");
        Open();
        Cs("End of info");
        EXPECT_FALSE(Cs(c.answer));
        EXPECT_EQ(dialog->AccessLevel(), c.level) << c.answer;
        EXPECT_EQ(dialog->AccessText(), c.text) << c.answer;
        EXPECT_EQ(dialog->Main().SettingsEditable(), c.editable) << c.answer;
        EXPECT_EQ(dialog->Main().PasswordButtonEnabled(), c.editable) << c.answer;
        dialog->RequestClose();
    }
}

TEST_F(ChannelInfoDialogTest, OnlyChanServsOwnAnswersForThisChannelCount) {
    Open();
    const struct {
        std::string line;
    } strangers[] = {
        {":ChanServ!service@dal.net.evil.org NOTICE tester :ACC #chat tester 5"},
        {":ChanServ!services@dal.net NOTICE tester :ACC #chat tester 5"},
        {":ChanServ2!service@dal.net NOTICE tester :ACC #chat tester 5"},
        {":NickServ!service@dal.net NOTICE tester :ACC #chat tester 5"},
        {":ChanServ!service@dal.net NOTICE #chat :ACC #chat tester 5"},
        {":ChanServ!service@dal.net PRIVMSG tester :ACC #chat tester 5"},
        {std::string(kChanServ) + "ACC #other tester 5"},
        {std::string(kChanServ) + "Channel #other is not registered"},
        {std::string(kChanServ) + "Founder access user for #other"},
    };
    for (const auto& c : strangers) {
        listener.texts.clear();
        Post(c.line);
        EXPECT_EQ(listener.texts.size(), 1u) << c.line;
    }
    EXPECT_EQ(dialog->AccessText(), "(Please wait)");
    EXPECT_EQ(dialog->Main().Values().registered, "(Please wait)");
    EXPECT_FALSE(Notice(":chanserv!SERVICE@DAL.NET NOTICE tester :", "ACC #chat tester 1")) << "case is no disguise";
    EXPECT_EQ(dialog->AccessText(), "AOP");
}

TEST_F(ChannelInfoDialogTest, AnUnregisteredChannelOffersRegistrationAndEndsTheConversation) {
    Open();
    EXPECT_FALSE(Cs("Channel #chat is not registered"));
    EXPECT_EQ(dialog->Main().Values().registered, "(Channel unregistered)");
    EXPECT_EQ(dialog->AccessText(), "");
    EXPECT_STREQ(dialog->Main().FounderButtonText(), "Register...");
    EXPECT_TRUE(dialog->Main().FounderButtonEnabled());
    EXPECT_TRUE(Cs("ACC #chat tester 5"));
    ui.promptAnswers = {"pw", "Our chat"};
    dialog->Main().FounderButton();
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "REGISTER #chat pw Our chat"});
}

TEST_F(ChannelInfoDialogTest, AnswersInAnyOrderAndTheListPagesAnswersPassTheMainPage) {
    Open();
    Cs("End of info");
    EXPECT_TRUE(dialog->Main().Waiting()) << "the ACC answer has not come";
    dialog->Aops().Activate();
    Requests();
    EXPECT_FALSE(Cs("1 alice (Alice Smith)"));
    EXPECT_EQ(dialog->Aops().Entries(), Strings {"alice\tAlice Smith"});
    EXPECT_FALSE(Cs("ACC #chat tester 4"));
    EXPECT_TRUE(dialog->Main().SettingsEditable());
    EXPECT_FALSE(Cs("1 match(es) found"));
    EXPECT_TRUE(dialog->Aops().CanAdd());
    EXPECT_TRUE(Cs("2 late (entry)")) << "the listing has ended";
}

TEST_F(ChannelInfoDialogTest, ChangedSettingsAreSentByTheFounderOnly) {
    Open();
    Cs("Options    : Topic Lock(F)");
    BecomeLevel(1);
    dialog->Main().SetDescription("New words");
    dialog->Main().Apply();
    EXPECT_TRUE(Requests().empty());
    dialog->SetAccessLevel(5);
    dialog->Main().SetTopicLock(CChannelInfoMain::TopicLock::kOff);
    dialog->Main().SetMemoSop(true);
    dialog->Main().SetUrl("http://x.example/");
    dialog->Main().Apply();
    const std::string set = std::string(kToChanServ) + "set #chat";
    EXPECT_EQ(Requests(), (Strings {set + " DESC New words", set + " URL http://x.example/", set + " MEMO SOP",
                                    set + " TOPICLOCK OFF"}));
    EXPECT_EQ(dialog->Main().ChangedSettings(), 0u);
}

TEST_F(ChannelInfoDialogTest, BecomingFounderAndChangingThePassword) {
    Open();
    BecomeLevel(0);
    ui.promptAnswers = {"wrong"};
    dialog->Main().FounderButton();
    EXPECT_EQ(Requests(), (Strings {std::string(kToChanServ) + "identify #chat wrong",
                                    std::string(kToChanServ) + "set #chat founder"}));
    EXPECT_FALSE(dialog->Main().FounderButtonEnabled()) << "one request at a time";
    EXPECT_FALSE(Cs("Access denied to that function"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Founder change failure");
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Stop);
    ui.promptAnswers = {"right"};
    dialog->Main().FounderButton();
    EXPECT_FALSE(Cs("Founder access user for #chat granted"));
    EXPECT_EQ(dialog->AccessLevel(), 5);
    EXPECT_EQ(dialog->Main().Values().founder, "tester");
    EXPECT_EQ(passwords["#chat"], "right");
    ui.promptAnswers = {"newer"};
    dialog->Main().ChangePassword();
    Requests();
    EXPECT_FALSE(Cs("Founder access password for #chat changed"));
    EXPECT_EQ(passwords["#chat"], "newer");
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].title, "Password changed");
    EXPECT_TRUE(Cs("Access denied to that function")) << "nothing is waiting for it";
}

TEST_F(ChannelInfoDialogTest, AFounderRequestNobodyAnswersTimesOut) {
    now = loop.TickNow();
    loop.SetTickSource([this] { return now; });
    Open();
    BecomeLevel(0);
    ui.promptAnswers = {"pw"};
    dialog->Main().FounderButton();
    now += CChannelInfoMain::kTimeoutMs + 1;
    loop.RunOnce(0);
    loop.RunOnce(0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Time-out changing founder");
    EXPECT_TRUE(dialog->Main().FounderButtonEnabled());
    EXPECT_TRUE(Cs("Founder access user for #chat")) << "the request was given up";
}

TEST_F(ChannelInfoDialogTest, ServicesGoingAndComingDisableAndReidentify) {
    Open();
    BecomeLevel(5);
    Dispatch(std::make_unique<C_imServicesDown>());
    loop.RunOnce(0);
    EXPECT_FALSE(dialog->Main().SettingsEditable());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Services down or disconnection");
    Dispatch(std::make_unique<C_imServicesUp>());
    loop.RunOnce(0);
    EXPECT_TRUE(dialog->Main().SettingsEditable());
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "IDENTIFY #chat secret"});
}

// The AOP, SOP and AKICK pages: listing, adding after NickServ's word,
// deleting, and who may change which list.
TEST_F(ChannelInfoDialogTest, ListPagesListAddAndDelete) {
    Open();
    BecomeLevel(2);
    EXPECT_TRUE(dialog->Aops().MayChange());
    EXPECT_FALSE(dialog->Sops().MayChange());
    EXPECT_TRUE(dialog->Akicks().MayChange());
    CChannelAccessList& aops = dialog->Aops();
    aops.Activate();
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "AOP #chat LIST"});
    EXPECT_FALSE(aops.CanAdd()) << "while listing";
    for (const char* line : {"AOP search results for #chat:", "1 alice (Alice Smith) [last seen]", "2 bob",
                             "3 bad!*@*", "  4   carol   ", "4 match(es) found"})
        EXPECT_FALSE(Cs(line)) << line;
    const std::string expired = "\tNick expired! (delete this)";
    EXPECT_EQ(aops.Entries(), (Strings {"alice\tAlice Smith", "bob" + expired, "bad!*@*\t", "carol" + expired}));
    EXPECT_TRUE(aops.CanAdd());

    ui.promptAnswers = {"dave"};
    aops.Add();
    EXPECT_EQ(Requests(), Strings {"PRIVMSG NickServ@services.dal.net :INFO dave"});
    EXPECT_TRUE(Cs("dave Added to the AOP list of #chat")) << "not before NickServ's answer";
    EXPECT_FALSE(Notice(kNickServ, "End of Info"));
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "AOP #chat ADD dave"});
    EXPECT_TRUE(Cs("dave Added to the AOP list of #other"));
    EXPECT_FALSE(Cs("dave Added to the AOP list of #chat"));
    EXPECT_EQ(aops.Entries().back(), "dave\t");
    EXPECT_EQ(aops.Selected(), 4);

    aops.Select(1);
    aops.Delete();
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "AOP #chat DEL bob"});
    EXPECT_FALSE(Cs("Removed bob from the AOP list of #chat"));
    EXPECT_EQ(aops.Entries(), (Strings {"alice\tAlice Smith", "bad!*@*\t", "carol" + expired, "dave\t"}));

    ui.promptAnswers = {"ghost"};
    aops.Add();
    Requests();
    EXPECT_FALSE(Notice(kNickServ, "Nick ghost is not registered"));
    EXPECT_TRUE(Requests().empty()) << "no ADD for an unregistered nick";
    EXPECT_EQ(ui.boxes.back().title, "Nickname unregistered");
    EXPECT_TRUE(aops.CanAdd());
}

TEST_F(ChannelInfoDialogTest, AkickMasksAreCheckedBeforeTheyAreSent) {
    Open();
    BecomeLevel(4);
    CChannelAccessList& akicks = dialog->Akicks();
    akicks.Activate();
    Cs("1 *!*@bad.example");
    Cs("1 match(es) found");
    EXPECT_EQ(akicks.Entries(), Strings {"*!*@bad.example"});
    for (const char* bad : {"nick", "a@b", "*!*", "a!b@c d"}) {
        ui.promptAnswers = {bad};
        akicks.Add();
        EXPECT_EQ(ui.boxes.back().title, "Bad mask") << bad;
    }
    ui.promptAnswers = {"*!*@worse.example"};
    akicks.Add();
    EXPECT_EQ(Requests(), (Strings {std::string(kToChanServ) + "AKICK #chat LIST",
                                    std::string(kToChanServ) + "AKICK #chat ADD *!*@worse.example"}));
    EXPECT_FALSE(Cs("*!*@worse.example Added to the AKICK list of #chat"));
    akicks.Select(0);
    akicks.Delete();
    EXPECT_EQ(Requests(), Strings {std::string(kToChanServ) + "AKICK #chat DEL *!*@bad.example"});
}

TEST_F(ChannelInfoDialogTest, TheBanListGoesThroughModeLines) {
    Open();
    BecomeLevel(1);
    CChannelBans& bans = dialog->Bans();
    bans.Activate();
    EXPECT_EQ(commands, Strings {"/mode #chat b"});
    EXPECT_FALSE(bans.CanAdd()) << "while listing";
    for (int i = 1; i <= 7; ++i) {
        listener.texts.clear();
        Post(":irc.x 367 tester #chat *!*@h" + std::to_string(i) + " op" + " 100");
        EXPECT_TRUE(listener.texts.empty());
    }
    listener.texts.clear();
    Post(":irc.x 367 tester #other *!*@x op 100");
    Post(":irc.x 368 tester #other :End");
    EXPECT_EQ(listener.texts.size(), 2u) << "another channel's list";
    Post(":irc.x 368 tester #chat :End of Channel Ban List");
    ASSERT_EQ(bans.Entries().size(), 7u);
    EXPECT_EQ(bans.Entries()[0], "*!*@h1\top");
    EXPECT_TRUE(bans.CanClear());
    commands.clear();
    bans.ClearAll();
    EXPECT_EQ(commands, (Strings {"/mode #chat -bbb *!*@h1 *!*@h2 *!*@h3", "/mode #chat -bbb *!*@h4 *!*@h5 *!*@h6",
                                  "/mode #chat -bbb *!*@h7"}));
    EXPECT_EQ(ui.boxes.back().title, "All bans cleared");
    commands.clear();
    bans.Select(6);
    bans.Delete();
    EXPECT_EQ(ui.boxes.back().title, "Re-deletion of mask");
    ui.promptAnswers = {"*!*@new"};
    bans.Add();
    EXPECT_EQ(commands, (Strings {"/mode #chat -b *!*@h7", "/mode #chat +b *!*@new"}));
    EXPECT_EQ(bans.Entries().back(), "*!*@new\t(addition not verified)");
}

// Nothing answers: the dialog still closes, and afterwards nothing is held.
TEST_F(ChannelInfoDialogTest, AnswersThatNeverComeLeaveTheDialogClosable) {
    ChannelInfoDialogs dialogs(dialog->Services(), nullptr);
    EXPECT_FALSE(dialogs.Open("#chat")) << "no views";
    Open();
    dialog->Aops().Activate();
    ui.promptAnswers = {"pw"};
    dialog->Bans().Activate();
    EXPECT_FALSE(dialog->Aops().StateLine().empty());
    Requests();
    dialog->RequestClose();
    EXPECT_TRUE(Cs("ACC #chat tester 5"));
    EXPECT_TRUE(Cs("1 alice"));
    listener.texts.clear();
    Post(":irc.x 368 tester #chat :End");
    EXPECT_EQ(listener.texts.size(), 1u);
    dialog->Aops().Activate();
    EXPECT_TRUE(Requests().empty()) << "a closed page asks nothing";
}

}  // namespace
}  // namespace parlevox::test
