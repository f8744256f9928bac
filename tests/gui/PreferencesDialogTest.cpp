// The preferences over a real application and settings file: an edit goes
// into the store at once, a bad one is refused with the record untouched,
// and the idiot list and sounds change only through their owners.
#include "ui/qt/PreferencesDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "display/Scheme.h"
#include "display/SchemeManager.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "settings/BrimvaleApp.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/SchemeEditing.h"
#include "ui/qt/IdiotsPage.h"
#include "ui/qt/PreferencesPage.h"

namespace parlevox {
namespace {

using Page = PreferencesDialog::Page;

class DiscardStatus final : public StatusOutput {
public:
    void WriteStatus(std::string_view) override {}
};

class PreferencesDialogTest : public testing::Test {
protected:
    PreferencesDialogTest() {
        AppStartOptions options {.settingsPath = dir.File("registry.reg"), .programFolder = dir.Path() + "/"};
        app = std::make_unique<CBrimvaleApp>(FrontEnd {loop, ui, audio, status}, options);
        schemeEditing = std::make_unique<SchemeEditing>(app->Schemes(), ui, app->Store(), nullptr);
        dialog = std::make_unique<PreferencesDialog>(PreferencesContext {
            app->Options(), [this] {
                ++changes;
                app->OptionsChanged();
            }, app->Idiots(), app->Sounds(), scheme, app->Schemes(), *schemeEditing});
    }

    template <typename Widget>
    Widget& Field(Page page, const char* name) {
        auto* widget = dialog->PageWidget(page).findChild<Widget*>(name);
        if (!widget) throw std::runtime_error(std::string("no field ") + name);
        return *widget;
    }
    QLineEdit& Edit(Page page, const char* name) { return Field<QLineEdit>(page, name); }
    std::string Stored(const char* section, const char* name) {
        return app->Store().GetProfileString(section, name, "(missing)");
    }

    test::TempDir dir;
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio;
    DiscardStatus status;
    CScheme scheme;
    std::unique_ptr<CBrimvaleApp> app;
    std::unique_ptr<SchemeEditing> schemeEditing;
    std::unique_ptr<PreferencesDialog> dialog;
    int changes = 0;
};

TEST_F(PreferencesDialogTest, TextEditsReachTheStoreAtOnce) {
    struct Row {
        Page page;
        const char* field;
        const char* section;
        const char* name;
        const char* value;
    };
    const Row rows[] = {
        {Page::Nicknames, "nickname2", "Nicknames", "Name2", "ann"},
        {Page::Nicknames, "password1", "Nicknames", "Password1", "s3cret"},
        {Page::Servers, "server3", "Servers", "Server3", "irc.example.net"},
        {Page::YourInfo, "quitMessage", "Your info", "Quit message", "gone fishing"},
        {Page::Misc, "doubleClickCommand", "Misc", "Double-click command", "/whois %"},
        {Page::Misc, "servicesHost", "Misc", "Services host", "services.example.net"},
        {Page::Misc, "nickServMask", "Misc", "NickServ mask", "NickServ!NickServ@services.example.net"},
        {Page::Colours, "highlight", "Colours", "Highlight", "ann parlevox"},
    };
    for (const Row& row : rows) {
        const int before = changes;
        Edit(row.page, row.field).setText(row.value);
        EXPECT_EQ(changes, before + 1) << row.field;
        EXPECT_EQ(Stored(row.section, row.name), row.value) << row.field;
    }
    Edit(Page::Servers, "port3").setText("6697");
    EXPECT_EQ(app->Store().GetProfileInt("Servers", "Port3", 0), 6697);

    Field<QSpinBox>(Page::Misc, "identPort").setValue(11300);
    EXPECT_EQ(app->Store().GetProfileInt("Misc", "Ident port", 0), 11300);
    EXPECT_EQ(app->Network().Window().Settings().identPort, 11300) << "handed down";
    Field<QCheckBox>(Page::Misc, "muckSupport").click();
    EXPECT_EQ(app->Store().GetProfileInt("Misc", "MUCK support", 0), 1);
    Field<QComboBox>(Page::Colours, "colour15").setCurrentIndex(6);  // the shipped value is 4
    EXPECT_EQ(app->Store().GetProfileInt("Colours", "Colour15", 0), 6);
    EXPECT_EQ(app->Colours().Code(14), "\x03" "6") << "handed down";

    dialog.reset();
    app.reset();  // the last save reaches the file
    const std::string file = test::ReadWholeFile(dir.File("registry.reg"));
    EXPECT_NE(file.find("\"Server3\"=\"irc.example.net\""), std::string::npos) << file;
}

TEST_F(PreferencesDialogTest, TheServerDirectoryFillsSlotsFromServersOnly) {
    const std::string path = dir.File("Servers.List");
    PreferencesContext context {app->Options(), [this] { app->OptionsChanged(); }, app->Idiots(), app->Sounds(),
                                scheme, app->Schemes(), *schemeEditing};
    context.serverListPath = path;
    {
        PreferencesDialog missing(context);
        ASSERT_EQ(ui.boxes.size(), 1u) << "a missing directory is said once";
        EXPECT_EQ(ui.boxes[0].title, "Server list file error");
    }
    test::WriteWholeFile(path, "---Net---/:0\r\nNet: random/irc.net.example:6669\r\n");
    PreferencesDialog own(context);
    auto* list = own.PageWidget(Page::Servers).findChild<QListWidget*>("serverDirectory");
    auto* useAs2 = own.PageWidget(Page::Servers).findChild<QPushButton*>("useAs2");
    ASSERT_TRUE(list && useAs2);
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(0);
    EXPECT_FALSE(useAs2->isEnabled()) << "a heading cannot fill a slot";
    list->setCurrentRow(1);
    ASSERT_TRUE(useAs2->isEnabled());
    useAs2->click();
    EXPECT_EQ(Stored("Servers", "Server2"), "irc.net.example");
    EXPECT_EQ(app->Store().GetProfileInt("Servers", "Port2", 0), 6669);
    EXPECT_EQ(own.PageWidget(Page::Servers).findChild<QLineEdit*>("port2")->text(), "6669");
}

TEST_F(PreferencesDialogTest, ColourChoicesShowTheSchemesColourMap) {
    CScheme::ColourMap map = scheme.Colours();
    map[9] = RgbColour(1, 2, 3);
    scheme.SetColours(map);
    PreferencesDialog own(
        PreferencesContext {app->Options(), [] {}, app->Idiots(), app->Sounds(), scheme, app->Schemes(),
                            *schemeEditing});
    auto* combo = own.PageWidget(Page::Colours).findChild<QComboBox*>("colour1");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 16);
    const QImage swatch = combo->itemIcon(9).pixmap(28, 14).toImage();
    EXPECT_EQ(swatch.pixelColor(5, 5), QColor(1, 2, 3));
}

TEST_F(PreferencesDialogTest, BadInputIsRefusedAndTheRecordKept) {
    struct Row {
        Page page;
        const char* field;
        const char* text;
        const char* problem;
    };
    Edit(Page::Servers, "server1").setText("irc.example.net");
    Edit(Page::Servers, "port1").setText("6667");
    const Row rows[] = {
        {Page::Servers, "port1", "0", "from 1 to 65535"},
        {Page::Servers, "port1", "70000", "from 1 to 65535"},
        {Page::Servers, "port1", "66a", "from 1 to 65535"},
        {Page::Servers, "port1", "", "from 1 to 65535"},  // the slot has a host
        {Page::Servers, "server2", "irc .net", "cannot contain spaces"},
        {Page::Nicknames, "nickname1", "ann b", "cannot contain spaces"},
        {Page::YourInfo, "userName", "", "one word"},
        {Page::YourInfo, "userName", "a b", "one word"},
    };
    const OptionsRecord kept = app->Options();
    const int before = changes;
    for (const Row& row : rows) {
        Edit(row.page, row.field).setText(row.text);
        EXPECT_EQ(app->Options(), kept) << row.field << " " << row.text;
        EXPECT_TRUE(dialog->PageWidget(row.page).Problem().contains(row.problem))
            << dialog->PageWidget(row.page).Problem().toStdString();
    }
    EXPECT_EQ(changes, before);
    EXPECT_EQ(app->Store().GetProfileInt("Servers", "Port1", 0), 6667);
    Edit(Page::Servers, "port1").setText("7000");
    EXPECT_TRUE(dialog->PageWidget(Page::Servers).Problem().isEmpty());
    EXPECT_EQ(app->Options().servers[0].port, 7000);
}

TEST_F(PreferencesDialogTest, FriendsAreAddedWithACompleteMaskOnly) {
    Edit(Page::Friends, "newMask").setText("bob");
    Field<QPushButton>(Page::Friends, "add").click();
    EXPECT_TRUE(app->Options().friends.empty());
    EXPECT_TRUE(dialog->PageWidget(Page::Friends).Problem().contains("not a complete mask"));

    Edit(Page::Friends, "newMask").setText("bob!*@*.example.com");
    Field<QPushButton>(Page::Friends, "add").click();
    ASSERT_EQ(app->Options().friends.size(), 1u);
    EXPECT_EQ(app->Options().friends[0], (FriendEntry {"bob", "bob!*@*.example.com", 1}));
    EXPECT_EQ(app->Store().GetProfileString("Friends", "00000000Mask", ""), "bob!*@*.example.com");

    auto& table = Field<QTableWidget>(Page::Friends, "friends");
    table.selectRow(0);
    Field<QPushButton>(Page::Friends, "remove").click();
    EXPECT_TRUE(app->Options().friends.empty());
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(app->Store().GetProfileInt("Friends", "Count", -1), 0);
}

TEST_F(PreferencesDialogTest, SoundChoicesAreSavedAndTestPlaysTheSelectedEvent) {
    auto& events = Field<QListWidget>(Page::Sounds, "soundEvents");
    auto& sound = Field<QComboBox>(Page::Sounds, "eventSound");
    events.setCurrentRow(9);  // "Connect"
    sound.setCurrentIndex(3);  // the built-in sound number 2
    EXPECT_EQ(app->Sounds().Event(9).builtIn, 2);
    EXPECT_EQ(app->Store().GetProfileInt("Sounds", "00000009ResourceNum", -1), 2);

    const std::string wave = dir.File("ding.wav");
    test::WriteWholeFile(wave, "RIFF");
    sound.setCurrentIndex(sound.count() - 1);  // the user's own file
    Edit(Page::Sounds, "eventFile").setText(QString::fromStdString(wave));
    EXPECT_EQ(app->Sounds().Event(9), (CSoundSystem::EventSound {-1, wave}));
    EXPECT_EQ(Stored("Sounds", "00000009Filename"), wave);

    auto& test = Field<QPushButton>(Page::Sounds, "testSound");
    app->Sounds().SetBuiltInEnabled(false);
    test.click();
    EXPECT_TRUE(audio.played.empty());
    EXPECT_FALSE(dialog->PageWidget(Page::Sounds).Problem().isEmpty()) << "says why it was silent";
    app->Sounds().SetBuiltInEnabled(true);
    test.click();
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_EQ(audio.played[0].path, wave);

    events.setCurrentRow(0);
    EXPECT_EQ(sound.currentIndex(), 0) << "the page follows the chosen event";
}

// Commands change the settings while the dialog is closed; it shows what
// they did when it opens again, and its edits then go on from there.
TEST_F(PreferencesDialogTest, ReopeningShowsWhatChangedMeanwhile) {
    dialog->show();
    dialog->hide();
    app->Options().nicknames[0].name = "renamed";
    app->Idiots().Add(AddressRecord::FromSender("eve!*@*"), "User-specified /ignore", true, 1000);
    dialog->ShowPage(Page::Idiots);
    dialog->show();
    EXPECT_EQ(Edit(Page::Nicknames, "nickname1").text(), "renamed");
    auto& table = Field<QTableWidget>(Page::Idiots, "idiots");
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, IdiotsPage::kMaskColumn)->text(), "eve!*@*");
    table.item(0, IdiotsPage::kHeldColumn)->setCheckState(Qt::Checked);
    EXPECT_EQ(app->Store().GetProfileInt("Idiots", "000Hold", 0), 1) << "saved by the list";
    dialog->hide();
}

// The list as the page sees it, with its own sender and saver.
class IdiotsPageTest : public testing::Test {
protected:
    template <typename Widget>
    Widget& Field(const char* name) {
        auto* widget = page.findChild<Widget*>(name);
        if (!widget) throw std::runtime_error(std::string("no field ") + name);
        return *widget;
    }
    void Add(const char* mask, const char* reason) {
        Field<QLineEdit>("newMask").setText(mask);
        Field<QLineEdit>("newReason").setText(reason);
        Field<QPushButton>("add").click();
    }

    std::vector<std::string> sent;
    int saves = 0;
    CIgnoreList idiots {[this](const std::string& line) { sent.push_back(line); },
                        [this](const std::vector<IgnoreEntry>&) { ++saves; }};
    OptionsRecord options;
    NullAudioOutput audio;
    CSoundSystem sounds {audio, {}};
    CScheme scheme;
    test::ScriptedUserInterface ui;
    CSchemeManager schemes {ui, "/nonexistent/"};
    Registry registry;
    SchemeEditing schemeEditing {schemes, ui, registry, nullptr};
    PreferencesContext context {options, [] {}, idiots, sounds, scheme, schemes, schemeEditing};
    IdiotsPage page {context};
    QTableWidget& table = Field<QTableWidget>("idiots");
};

TEST_F(IdiotsPageTest, AddHoldAndRemoveGoThroughTheList) {
    for (const char* bad : {"bob", "bob!*", "bob!@host", "!u@h", "a!b!c@d"}) {
        Add(bad, "r");
        EXPECT_TRUE(idiots.Entries().empty()) << bad;
        EXPECT_TRUE(page.Problem().contains("not a complete mask")) << bad;
    }
    Add("bob!*@*.example.com", "spam");
    Add("eve!*@*", "");
    EXPECT_TRUE(page.Problem().isEmpty());
    ASSERT_EQ(idiots.Entries().size(), 2u);
    EXPECT_EQ(saves, 2);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.item(0, IdiotsPage::kMaskColumn)->text(), "bob!*@*.example.com");
    EXPECT_EQ(table.item(0, IdiotsPage::kReasonColumn)->text(), "spam");
    table.selectRow(0);
    EXPECT_TRUE(Field<QPlainTextEdit>("history").toPlainText().contains("\nReason: spam"));

    table.item(1, IdiotsPage::kHeldColumn)->setCheckState(Qt::Checked);
    EXPECT_EQ(idiots.Entries()[1].hold, 1);
    table.item(1, IdiotsPage::kReasonColumn)->setText("rude");
    EXPECT_EQ(idiots.Entries()[1].reason, "rude");
    EXPECT_EQ(saves, 4);

    // What the first entry silenced is taken back when it goes.
    idiots.Check(AddressRecord::FromSender("bob!b@dial.example.com"), 1000);
    ASSERT_EQ(sent, std::vector<std::string> {"SILENCE +*!b@dial.example.com"});
    table.selectRow(0);
    Field<QPushButton>("remove").click();
    EXPECT_EQ(sent.back(), "SILENCE -*!b@dial.example.com");
    ASSERT_EQ(idiots.Entries().size(), 1u);
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, IdiotsPage::kMaskColumn)->text(), "eve!*@*");
    EXPECT_EQ(table.item(0, IdiotsPage::kHeldColumn)->checkState(), Qt::Checked);
}

}  // namespace
}  // namespace parlevox
