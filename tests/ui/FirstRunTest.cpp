// The first run: the two questions, the tutorial, the expert hints, and
// what the wizard's answers do to the options.
#include "ui/FirstRun.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "settings/OneShotHints.h"
#include "support/ScriptedUserInterface.h"

namespace parlevox {
namespace {

class ScriptedWizard final : public FirstRunWizard {
public:
    std::optional<InitialConfiguration> Run(const InitialConfiguration& start) override {
        started = start;
        ++runs;
        return answer;
    }
    std::optional<InitialConfiguration> answer;
    InitialConfiguration started;
    int runs = 0;
};

class FirstRunTest : public testing::Test {
protected:
    void SetUp() override {
        Shell::SetOpener([this](const std::string& target) {
            opened.push_back(target);
            return openerWorks;
        });
    }
    void TearDown() override { Shell::SetOpener(nullptr); }

    // The answers in the order the boxes come.
    bool RunWith(std::deque<MessageResult> answers) {
        ui.boxAnswers = std::move(answers);
        return FirstRun::Run(ui, *registry, wizard, "/opt/pv/", options);
    }

    test::ScriptedUserInterface ui;
    std::unique_ptr<Registry> registry = std::make_unique<Registry>();
    ScriptedWizard wizard;
    OptionsRecord options;
    std::vector<std::string> opened;
    bool openerWorks = true;
};

TEST_F(FirstRunTest, AsksTheTwoQuestionsAndOpensTheTutorialOnYes) {
    struct Case {
        std::deque<MessageResult> answers;
        bool openerWorks;
        size_t boxes;
        bool opened, expertHints;
    };
    const std::vector<Case> cases = {
        {{MessageResult::Yes, MessageResult::No}, true, 2, true, false},
        {{MessageResult::No, MessageResult::Yes}, true, 2, false, true},
        {{MessageResult::Yes, MessageResult::Ok, MessageResult::Yes}, false, 3, true, true},  // "URL Error" between
    };
    for (const Case& c : cases) {
        ui.boxes.clear();
        opened.clear();
        registry = std::make_unique<Registry>();
        openerWorks = c.openerWorks;
        RunWith(c.answers);
        ASSERT_EQ(ui.boxes.size(), c.boxes);
        EXPECT_EQ(ui.boxes[0].title, "Welcome to Parlevox. But first...");
        EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Question);
        const MessageBoxRequest& expert = ui.boxes.back();
        EXPECT_EQ(expert.title, "Are you an expert?");
        EXPECT_EQ(expert.buttons, MessageButtons::YesNoDefaultNo);
        if (c.boxes == 3) {
            EXPECT_EQ(ui.boxes[1].title, "URL Error");
        }
        const std::vector<std::string> tutorial = {"/opt/pv/Tutorial/index.html"};
        EXPECT_EQ(opened, c.opened ? tutorial : std::vector<std::string>{});
        for (int hint : OneShotHints::kExpertHints) EXPECT_EQ(OneShotHints::WasShown(*registry, hint), c.expertHints);
    }
}

TEST_F(FirstRunTest, TheWizardsAnswersFillTheOptions) {
    options.channels.push_back({.name = "#Known", .password = "old"});
    InitialConfiguration entered;
    entered.nicknames = {{{"ann", "p1"}, {"ann_", "p2"}, {"annie", ""}}};
    entered.continent = Continent::Europe;
    entered.detailsEntered = true;
    entered.channels = {{"#secret", "key"}, {"lobby", ""}, {"#known", "new"}, {"  ", "ignored"}};
    wizard.answer = entered;
    EXPECT_TRUE(RunWith({MessageResult::No, MessageResult::No}));
    EXPECT_EQ(wizard.runs, 1);
    for (const ServerSlot& server : options.servers) EXPECT_EQ(server, (ServerSlot{"eu.dal.net", 7000}));
    EXPECT_EQ(options.nicknames[0], (NicknameSlot{"ann", "p1"}));
    EXPECT_EQ(options.nicknames[2], (NicknameSlot{"annie", ""}));
    ASSERT_EQ(options.channels.size(), 3u);
    EXPECT_EQ(options.channels[0].password, "new") << "a remembered channel takes the new password";
    EXPECT_EQ(options.channels[1].name, "#secret");
    EXPECT_EQ(options.channels[1].password, "key");
    EXPECT_EQ(options.channels[2].name, "#lobby");
}

TEST_F(FirstRunTest, DoneAtTheFourthPageLeavesTheRegisteredNicknamesUnsetAndCancelChangesNothing) {
    InitialConfiguration entered;
    entered.nicknames = {{{"bob", "typed-then-left"}, {"bob2", "x"}, {}}};
    entered.channels = {{"#c", ""}};
    wizard.answer = entered;
    EXPECT_TRUE(RunWith({MessageResult::No, MessageResult::No}));
    EXPECT_EQ(options.nicknames[0], (NicknameSlot{"bob", ""}));
    EXPECT_EQ(options.nicknames[1], NicknameSlot{});
    EXPECT_TRUE(options.channels.empty());
    EXPECT_EQ(options.servers[1], (ServerSlot{"us.dal.net", 7000}));

    OptionsRecord before;
    options = before;
    wizard.answer.reset();
    EXPECT_FALSE(RunWith({MessageResult::No, MessageResult::No}));
    EXPECT_EQ(options, before);
    EXPECT_TRUE(FirstRun::IsDue(options));
}

TEST(FirstRunNicknameTest, ANicknameIsOneWordOfAtMostThirtyCharacters) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"ann", "ann"},
        {std::string(500, 'n'), std::string(30, 'n')},
        {" ann smith\t", "annsmith"},
        {"a\r\nPRIVMSG", "aPRIVMSG"},
        {"   ", ""},
    };
    for (const auto& [typed, kept] : cases) EXPECT_EQ(FirstRun::CleanNickname(typed), kept) << typed.size();

    OptionsRecord options;
    InitialConfiguration entered;
    entered.nicknames[0].name = std::string(500, 'x');
    FirstRun::Apply(entered, options);
    EXPECT_EQ(options.nicknames[0].name.size(), FirstRun::kMaxNicknameLength);
}

}  // namespace
}  // namespace parlevox
