// Menu items run over a real session: the confirmation question chosen by
// the menu's context, and "/" lines and functions reaching their targets
// with the channel and nickname the menu was opened for.
#include "modules/UserMenuRunner.h"

#include <gtest/gtest.h>

#include "modules/MenuTexts.h"
#include "platform/SafeFile.h"
#include "support/OfflineSession.h"
#include "ui/MenuEditor.h"

namespace parlevox {
namespace {

using namespace menu_text;

struct RecordingOutput final : CommandOutput {
    void AddLine(std::string_view text) override { lines.push_back(StripControlCodes(text)); }
    void Clear() override {}
    std::vector<std::string> lines;
};

class UserMenuRunnerTest : public ::testing::Test, protected test::OfflineSession {
protected:
    CScriptModule& User() { return *app->Modules().FindByName("User"); }
    UserMenuRunner& Runner() { return session->Menus(); }
    RecordingOutput output;
};

TEST_F(UserMenuRunnerTest, ConfirmationAsksForTheContextItHasAndOnlyYesRuns) {
    const MenuItem item{"Wave", "/echo waved", true, User().Id()};
    struct Case {
        MenuKind kind;  // the menu the context comes from
        MenuContext context;
        std::string question;
    };
    const Case cases[] = {
        {MenuKind::Both, {"#den", "bob"},
         "Are you sure you want to carry out the Wave menu command (/echo waved) on bob, in channel #den?"},
        {MenuKind::User, {"", "bob"}, "Are you sure you want to carry out the Wave menu command (/echo waved) on bob?"},
        {MenuKind::Channel, {"#den", ""},
         "Are you sure you want to carry out the Wave menu command (/echo waved) in channel #den?"},
        {MenuKind::Background, {"", ""}, "Are you sure you want to carry out the Wave menu command?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        app->Menus().Items(c.kind).clear();
        app->Menus().Add(c.kind, item);
        const uint32_t id = CUserMenus::CommandId(c.kind, 0);
        for (MessageResult answer : {MessageResult::No, MessageResult::Yes}) {
            ui.boxes.clear();
            output.lines.clear();
            ui.boxAnswers.push_back(answer);
            EXPECT_EQ(Runner().Run(id, c.context, output), answer == MessageResult::Yes);
            ASSERT_EQ(ui.boxes.size(), 1u);
            EXPECT_EQ(ui.boxes[0].title, kConfirmationTitle);
            EXPECT_EQ(ui.boxes[0].text, c.question);
            EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(output.lines, answer == MessageResult::Yes ? std::vector<std::string>{"waved"}
                                                                  : std::vector<std::string>{});
        }
        ui.boxes.clear();
        MenuItem unasked = item;
        unasked.confirm = false;
        EXPECT_TRUE(Runner().Run(unasked, c.context, output));
        EXPECT_TRUE(ui.boxes.empty());
    }
}

TEST_F(UserMenuRunnerTest, CommandLinesAndFunctionsGetTheMenusChannelAndNickname) {
    CScriptModule& user = User();
    CScriptFunction& function = user.AddFunction(std::make_unique<CScriptFunction>("KickBan"));
    function.Locals().Add("sWho", user.NextVariableId());
    function.SetSource("KickBan<>\r\n  {\r\n  sWho = sN;\r\n  /echo ban %sWho% from %sC%\r\n  }\r\n");
    ASSERT_EQ(session->Scripts().Calls().Compile(user, function), std::nullopt);

    const MenuContext context{"#den", "bob"};
    EXPECT_TRUE(Runner().Run(MenuItem{"Greet", "/echo hi %sN% in %sC%", false, user.Id()}, context, output));
    EXPECT_TRUE(Runner().Run(MenuItem{"Ban", "kickban", false, user.Id()}, context, output));
    EXPECT_EQ(output.lines, (std::vector<std::string>{"hi bob in #den", "ban bob from #den"}));

    output.lines.clear();
    EXPECT_FALSE(Runner().Run(MenuItem{"Gone", "NoSuchThing", false, user.Id()}, context, output));
    EXPECT_EQ(output.lines, (std::vector<std::string>{"[NoSuchThing] Attempt to call the function NoSuchThing, which "
                                                      "doesn't exist."}));
    EXPECT_FALSE(Runner().Run(CUserMenus::CommandId(MenuKind::Both, 99), context, output)) << "no item there";
}

TEST_F(UserMenuRunnerTest, AnInstalledModulesItemsJoinTheMenusAreGatheredAndLeaveWithIt) {
    CScriptModule tools(0x70015, "Tools", "", "");
    tools.MenuItems() = {{"Slap", "/slap %sN%", 1, 3}, {"Uptime", "Uptime", 0, 0}};
    const std::string path = home.File("Tools.ParlevoxModule");
    ASSERT_TRUE(SafeFile::WriteAtomically(path, tools.Serialize()));
    const size_t both = app->Menus().Items(MenuKind::Both).size();
    CScriptModule* installed = app->Modules().Install(path);
    ASSERT_NE(installed, nullptr);
    ASSERT_EQ(app->Menus().Items(MenuKind::Both).size(), both + 1);
    EXPECT_EQ(app->Menus().Items(MenuKind::Both).back(), (MenuItem{"Slap", "/slap %sN%", true, 0x70015}));

    CMenuEditor editor(app->Menus(), app->Modules(), ui);
    EXPECT_TRUE(editor.Update(MenuKind::Both, both, {"Trout", "/slap %sN%", false, 0x70015}));
    EXPECT_TRUE(installed->HasChanges());
    app->Modules().SaveChanged();
    EXPECT_EQ(installed->MenuItems(),
              (std::vector<ModuleMenuItem>{{"Uptime", "Uptime", 0, 0}, {"Trout", "/slap %sN%", 0, 3}}));

    ASSERT_TRUE(app->Modules().Uninstall(0x70015));
    EXPECT_EQ(app->Menus().Items(MenuKind::Both).size(), both);
    for (const MenuItem& item : app->Menus().Items(MenuKind::Background)) EXPECT_NE(item.owner, 0x70015);
}

}  // namespace
}  // namespace parlevox
