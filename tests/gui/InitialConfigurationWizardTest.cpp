// The wizard driven as a person would: fields filled, Next, Finish; what it
// gathers then fills the options.
#include "ui/qt/InitialConfigurationWizard.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace parlevox {
namespace {

class InitialConfigurationWizardTest : public testing::Test {
protected:
    InitialConfigurationWizardTest() { wizard.Fill({}); }
    QLineEdit* Edit(const char* name) { return wizard.findChild<QLineEdit*>(name); }
    QRadioButton* Radio(const char* name) { return wizard.findChild<QRadioButton*>(name); }

    InitialConfigurationWizard wizard;
    OptionsRecord options;
};

TEST_F(InitialConfigurationWizardTest, EnteringTheDetailsFillsNicknamesServersAndChannels) {
    EXPECT_EQ(wizard.windowTitle(), "Initial configuration");
    wizard.next();
    ASSERT_EQ(wizard.currentId(), InitialConfigurationWizard::kNicknamePage);
    EXPECT_FALSE(wizard.currentPage()->isComplete()) << "no Next without a nickname";
    Edit("nickname")->setText("ann");
    EXPECT_TRUE(wizard.currentPage()->isComplete());
    wizard.next();
    Radio("europe")->setChecked(true);
    wizard.next();
    ASSERT_EQ(wizard.currentId(), InitialConfigurationWizard::kCompletePage);
    EXPECT_EQ(wizard.currentPage()->nextId(), -1) << "\"No, I'm done\" is chosen at first";
    Radio("details")->setChecked(true);
    wizard.next();
    ASSERT_EQ(wizard.currentId(), InitialConfigurationWizard::kDetailsPage);
    EXPECT_EQ(Edit("nick1")->text(), "ann") << "the chosen nickname comes along";
    Edit("password1")->setText("secret");
    Edit("nick2")->setText("ann_");
    Edit("channel")->setText("#club");
    Edit("channelPassword")->setText("key");
    wizard.findChild<QPushButton*>("add")->click();
    EXPECT_TRUE(Edit("channel")->text().isEmpty());
    EXPECT_TRUE(Edit("channelPassword")->text().isEmpty());
    EXPECT_EQ(wizard.findChild<QListWidget*>("channels")->count(), 1);
    wizard.accept();

    FirstRun::Apply(wizard.Entered(), options);
    EXPECT_EQ(options.nicknames[0], (NicknameSlot{"ann", "secret"}));
    EXPECT_EQ(options.nicknames[1].name, "ann_");
    EXPECT_EQ(options.servers[2], (ServerSlot{"eu.dal.net", 7000}));
    ASSERT_EQ(options.channels.size(), 1u);
    EXPECT_EQ(options.channels[0].name, "#club");
    EXPECT_EQ(options.channels[0].password, "key");
}

TEST_F(InitialConfigurationWizardTest, ANetworkFromTheDirectoryFillsAllThreeSlots) {
    InitialConfigurationWizard own(nullptr, {{"---Nets---", "", 0}, {"Libera: random", "irc.libera.chat", 6667},
                                             {"OFTC: random", "irc.oftc.net", 6697}});
    own.Fill({});
    auto* networks = own.findChild<QComboBox*>("networks");
    auto* other = own.findChild<QRadioButton*>("otherNetwork");
    ASSERT_TRUE(networks && other);
    EXPECT_EQ(networks->count(), 2) << "headings are not networks";
    EXPECT_FALSE(networks->isEnabled());
    other->setChecked(true);
    networks->setCurrentIndex(1);
    FirstRun::Apply(own.Entered(), options);
    for (const ServerSlot& slot : options.servers) EXPECT_EQ(slot, (ServerSlot {"irc.oftc.net", 6697}));

    Radio("america")->setChecked(true);
    FirstRun::Apply(wizard.Entered(), options);
    EXPECT_EQ(options.servers[0], (ServerSlot {"us.dal.net", 7000})) << "no directory: the continents alone";
    EXPECT_EQ(wizard.findChild<QComboBox*>("networks"), nullptr);
}

TEST_F(InitialConfigurationWizardTest, DoneOnTheFourthPageAndAFiveHundredCharacterNickname) {
    wizard.next();
    Edit("nickname")->setText(QString(500, 'z'));
    Edit("nickname")->insert(" two words");
    wizard.next();
    wizard.next();
    ASSERT_EQ(wizard.currentId(), InitialConfigurationWizard::kCompletePage);
    wizard.accept();
    InitialConfiguration entered = wizard.Entered();
    EXPECT_FALSE(entered.detailsEntered);
    FirstRun::Apply(entered, options);
    EXPECT_EQ(options.nicknames[0].name, std::string(30, 'z'));
    EXPECT_EQ(options.nicknames[1], NicknameSlot{});
    EXPECT_EQ(options.servers[0], (ServerSlot{"us.dal.net", 7000}));
}

}  // namespace
}  // namespace parlevox
