// The nickname dialogs' Qt windows: the nick change dialog stays open on a
// refused nickname, and the nick information dialog's NickServ tab fills
// from a scripted NickServ and opens the owner's settings, whose Apply
// sends what was changed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "settings/OptionsRecord.h"
#include "support/NetworkFixture.h"
#include "ui/NickChangeDialog.h"
#include "ui/qt/NickChangeDialog.h"
#include "ui/qt/NickInfoDialog.h"
#include "ui/qt/NickInfoNickServTab.h"
#include "ui/qt/QtChatViews.h"

namespace parlevox::test {
namespace {

TEST(NickChangeDialogWidgetTest, ARefusedNicknameKeepsTheDialogOpen) {
    ScriptedUserInterface ui;
    std::vector<std::string> chosen;
    CNickChangeDialog core(ui, [&](const std::string& nick) { chosen.push_back(nick); });
    NickChangeDialog dialog(core, "tester");
    EXPECT_EQ(dialog.Nickname().text(), "tester");
    dialog.show();
    dialog.Nickname().setText("a|b");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.boxes.size(), 1u);
    dialog.Nickname().setText("[Bob]_");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(chosen, std::vector<std::string> {"[Bob]_"});
}

class NickServTabTest : public NetworkFixture {};

TEST_F(NickServTabTest, TheTabFillsFromNickServAndApplySendsTheChangedSettings) {
    ConnectAndRegister();
    state.connected = true;
    state.currentNick = "tester";
    OptionsRecord options;
    options.nicknames[0] = {"tester", "secret77"};
    ClientLinkInbox inbox;
    QtChatViews views;
    NickInfoDialogs dialogs(NickInfoServices {loop, network->Handle(), inbox}, views.NickInfo());
    dialogs.SetNickServ(NickServServices {loop, network->Handle(), state, ui, options, {}});
    ASSERT_TRUE(dialogs.Open("tester"));
    NickInfoDialog* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<NickInfoDialog*>(widget); found && found->isVisible()) dialog = found;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "tester Nickname Information");
    ASSERT_EQ(dialog->Tabs().count(), 2);
    EXPECT_EQ(dialog->Tabs().tabText(1), "NickServ");
    NickInfoNickServTab& tab = *dialog->NickServTab();
    EXPECT_FALSE(tab.Settings().isEnabled());

    for (const char* line : {"tester is Tess", "Last seen address: t@h.example", "End of Info"})
        Post(std::string(":NickServ!service@dal.net NOTICE tester :") + line);
    EXPECT_EQ(tab.Description().text(), "Tess");
    EXPECT_EQ(tab.Address().text(), "t@h.example");
    ASSERT_TRUE(tab.Settings().isEnabled());
    EXPECT_FALSE(tab.Kill().isChecked());

    tab.Kill().setChecked(true);
    tab.Url().setText("https://example.org/");
    tab.Apply().click();
    EXPECT_TRUE(
        RunUntil([&] { return server->HasLine("PRIVMSG NickServ@services.dal.net :set url https://example.org/"); }));
    EXPECT_TRUE(server->HasLine("PRIVMSG NickServ@services.dal.net :set kill on"));
    EXPECT_FALSE(server->HasLine("PRIVMSG NickServ@services.dal.net :set forward "));
    dialog->reject();
    for (int i = 0; i < 3; ++i) loop.RunOnce(0);
    EXPECT_EQ(dialogs.Count(), 0u);
}

}  // namespace
}  // namespace parlevox::test
