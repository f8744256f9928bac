// The shipped sample module installed in our client on a real ngircd: its
// reactions greet a peer who joins and answer the peer's "!coffee", once
// per cool-down; its menu item runs its alias, whose timer ends the break.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ChatSessionFixture.h"

namespace parlevox::test {
namespace {

using SampleModuleTest = ChatSessionFixture;

TEST_F(SampleModuleTest, ItsReactionsAnswerAPeerInTheChannel) {
    const std::string installed = home.File("Sample.ParlevoxModule");
    std::filesystem::copy_file(PARLEVOX_SAMPLE_MODULE_FILE, installed);
    ASSERT_TRUE(app->Modules().Install(installed)) << ::testing::PrintToString(ui.boxes.size());
    EXPECT_EQ(session->Reactions().Reactions().size(), 2u);
    ASSERT_TRUE(RunUntil([&] { return app->Network().State().connected; })) << ::testing::PrintToString(statusLines);
    Type("/join #pvx");
    ASSERT_TRUE(RunUntil([&] { return session->Windows().FindChannel("#pvx") != nullptr; }));

    PlainIrcClient peer(server.Port());
    peer.Send("NICK peer");
    peer.Send("USER peer 0 * :Peer");
    peer.Send("JOIN #pvx");
    ASSERT_TRUE(peer.WaitFor("366", kTimeoutMs));
    ASSERT_TRUE(RunUntil([&] { return peer.WaitFor("Welcome to #pvx, peer!", 10); }));

    peer.Send("PRIVMSG #pvx :!coffee");
    ASSERT_TRUE(RunUntil([&] { return peer.WaitFor("pours peer a cup of coffee", 10); }));
    // Within the cool-down a second request goes unanswered; a marker line
    // after it shows the reaction had its chance.
    peer.Send("PRIVMSG #pvx :!coffee");
    peer.Send("PRIVMSG #pvx :marker");
    ASSERT_TRUE(Shown("#pvx", "<peer> marker"));
    EXPECT_FALSE(peer.WaitFor("pours peer a cup of coffee", 200));
}

TEST_F(SampleModuleTest, ItsMenuItemRunsTheBreakAliasWhoseTimerEndsTheBreak) {
    const std::string installed = home.File("Sample.ParlevoxModule");
    std::filesystem::copy_file(PARLEVOX_SAMPLE_MODULE_FILE, installed);
    CScriptModule* sample = app->Modules().Install(installed);
    ASSERT_TRUE(sample);
    CVariableDefinitions::Entry* seconds = sample->ModuleWide().Find("iBreakSeconds");
    ASSERT_TRUE(seconds);
    seconds->value = CVariable({VariableComponent::Int(1)});
    ASSERT_TRUE(RunUntil([&] { return app->Network().State().connected; })) << ::testing::PrintToString(statusLines);

    const std::vector<MenuEntry> background = session->Menus().Entries(MenuKind::Background);
    auto coffee = std::find_if(background.begin(), background.end(),
                               [](const MenuEntry& entry) { return entry.label == "Coffee break"; });
    ASSERT_NE(coffee, background.end());
    ASSERT_TRUE(session->Menus().Run(coffee->commandId, {}, status));
    ASSERT_TRUE(RunUntil([&] { return session->ScriptEvents().TimerCount() == 1; }));
    ASSERT_TRUE(RunUntil([&] {
        return std::any_of(statusLines.begin(), statusLines.end(),
                           [](const std::string& line) { return line.find("coffee break is over") != std::string::npos; });
    })) << ::testing::PrintToString(statusLines);
    EXPECT_EQ(session->ScriptEvents().TimerCount(), 0u) << "the timer's function stopped it";
}

}  // namespace
}  // namespace parlevox::test
