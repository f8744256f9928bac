// The DCC windows' widgets over real core windows: what they show follows
// the window, their buttons reach it, and the preferences page writes the
// DCC options at once and refuses what the control could not use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>

#include "dcc/DCCChatWnd.h"
#include "dcc/DCCQueryWnd.h"
#include "dcc/DCCWnd.h"
#include "dcc/DccOptions.h"
#include "display/Scheme.h"
#include "display/SchemeManager.h"
#include "display/SoundSystem.h"
#include "irc/IRCLineParser.h"
#include "irc/IRCNotifyList.h"
#include "irc/Idiots.h"
#include "irc/NetworkWnd.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "platform/Registry.h"
#include "settings/OptionsRecord.h"
#include "settings/WindowPositions.h"
#include "support/ScriptedUserInterface.h"
#include "settings/BrimvaleApp.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/SchemeEditing.h"
#include "ui/StatusWindow.h"
#include "ui/qt/DccChatWindowWidget.h"
#include "ui/qt/DccProgressWidget.h"
#include "ui/qt/DccQueryWidget.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/PreferencesDialog.h"
#include "ui/qt/PreferencesPage.h"
#include "ui/qt/QtChatViews.h"
#include "ui/qt/QtDccViews.h"
#include "ui/qt/StatusWindowWidget.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {
namespace {

template <typename Widget>
Widget& Child(const QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(name);
    if (!widget) throw std::runtime_error(std::string("no child ") + name);
    return *widget;
}

struct NoStatus final : StatusOutput {
    void WriteStatus(std::string_view) override {}
};

// An offer window on a network window of its own, its events fed by hand.
class DccQueryWidgetTest : public testing::Test {
protected:
    std::unique_ptr<CDCCQueryWnd> Offer(uint64_t existingSize) {
        DccOffer offer{AddressRecord::FromSender("peer!p@example.net"), "holiday.jpg", 2'000'000, 0x7F000001, 5000, {}};
        auto window = std::make_unique<CDCCQueryWnd>(loop, network.Handle(), offer, existingSize);
        window->onAccept = [this](const DccOffer&, uint64_t position) { accepted.push_back(position); };
        window->onCloseRequested = [this] { ++closes; };
        auto widget = std::make_unique<DccQueryWidget>(*window);
        shown = widget.get();
        window->SetView(std::move(widget));
        return window;
    }
    void Deliver(const std::string& line) {
        notifyList.Dispatch(ParseIRCLine(line, ParseOptions{}).message);
        loop.RunUntil([] { return false; }, 20);
    }

    PollEventLoop loop;
    CIRCNotifyList notifyList{loop};
    NoStatus status;
    ConnectionState state;
    CNetworkWnd network{loop, state, status, notifyList, nullptr};
    DccQueryWidget* shown = nullptr;
    std::vector<uint64_t> accepted;
    int closes = 0;
};

TEST_F(DccQueryWidgetTest, TheButtonFollowsTheResumeAndAcceptsAtItsPosition) {
    auto window = Offer(100'000);
    QPushButton& accept = shown->AcceptButton();
    EXPECT_EQ(accept.text(), "Trying resume");
    EXPECT_FALSE(accept.isEnabled());
    EXPECT_EQ(shown->windowTitle(), "holiday.jpg - peer");
    EXPECT_EQ(Child<QLabel>(*shown, "from").text(), "peer");
    EXPECT_EQ(Child<QLabel>(*shown, "file").text(), "holiday.jpg");

    Deliver(":peer!p@example.net PRIVMSG ours :\x01" "DCC ACCEPT holiday.jpg 5000 100000\x01");
    EXPECT_EQ(accept.text(), "Resume");
    ASSERT_TRUE(accept.isEnabled());
    accept.click();
    EXPECT_EQ(accepted, std::vector<uint64_t>{100'000});
    EXPECT_EQ(closes, 1);
}

TEST_F(DccQueryWidgetTest, DeclineOnlyAsksToClose) {
    auto window = Offer(0);
    EXPECT_EQ(shown->AcceptButton().text(), "Accept (new file)");
    EXPECT_TRUE(shown->AcceptButton().isEnabled());
    shown->DeclineButton().click();
    EXPECT_TRUE(accepted.empty());
    EXPECT_EQ(closes, 1);
    shown->close();  // the frame's close box: asks again, destroys nothing
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(shown->AcceptButton().text(), "Accept (new file)");
}

// A send in mid-transfer, then failing, as the main frame shows it.
TEST(DccProgressWidgetTest, LinesBarAndButtonFollowTheTransfer) {
    PollEventLoop loop;
    test::ScriptedUserInterface ui;
    MainFrameWidget frame;
    frame.resize(900, 700);
    frame.show();
    QtDccViews views;
    DccProgressWidget* widget = nullptr;
    QObject::connect(&views, &QtDccViews::windowOpened, [&](ChatWindowWidget* opened) {
        widget = dynamic_cast<DccProgressWidget*>(opened);
        frame.AddWindow(opened);
    });
    CDCCWnd window(loop, ui, "peer", "big.iso", 10u << 20, CDCCWnd::Direction::Send);
    int closes = 0;
    window.onCloseRequested = [&] { ++closes; };
    window.SetView(views.MakeProgressView(window));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->windowTitle(), "big.iso - peer");
    const QFontMetrics metrics(widget->font());
    EXPECT_EQ(widget->width(), metrics.horizontalAdvance(DccProgressWidget::kWidestLine) + 20);
    EXPECT_EQ(widget->font().pixelSize(), 12);

    auto shows = [&] {
        const std::vector<DccProgressLine> lines = window.Lines();
        QStringList texts;
        for (const DccProgressLine& line : lines) texts << QString::fromStdString(line.text);
        EXPECT_EQ(widget->LineTexts(), texts);
        int red = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(widget->IsLineRed(static_cast<int>(i)), lines[i].red) << lines[i].text;
            red += lines[i].red;
        }
        return red;
    };
    window.MarkConnected();
    window.SetProgress(6u << 20, 5u << 20);
    EXPECT_EQ(shows(), 0);
    EXPECT_EQ(widget->Bar().maximum(), window.ProgressMaximum());
    EXPECT_EQ(widget->Bar().value(), window.ProgressValue());
    EXPECT_EQ(widget->Bar().value() * 2, widget->Bar().maximum()) << "a send counts what was acknowledged";
    auto* button = frame.Switches().findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), "50% big.iso - peer");

    window.ShowMessage("Connection lost");
    EXPECT_GE(shows(), 1);
    EXPECT_TRUE(widget->LineTexts().contains("Connection lost"));

    widget->close();  // only asks: the control destroys the window later
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(widget->isHidden());
}

// A telnet window stays off the switch bar; a transient window opens at its
// own size and its place is not stored.
TEST(DccFrameTest, TelnetWindowsHaveNoButtonAndTransientOnesNoStoredPlace) {
    Registry registry;
    WindowPositions positions{registry};
    MainFrameWidget frame;
    frame.SetPositions(&positions);
    frame.resize(900, 700);
    frame.show();
    ChatWindowWidget telnet("irc.example.net");
    telnet.SetOnSwitchBar(false);
    ChatWindowWidget transfer("big.iso - peer");
    transfer.SetTransient(true);
    transfer.setFixedSize(190, 90);
    frame.AddWindow(&telnet);
    frame.AddWindow(&transfer);
    EXPECT_EQ(frame.Switches().Count(), 1u);
    EXPECT_EQ(frame.Switches().WindowAt(0), &transfer);
    EXPECT_EQ(transfer.size(), QSize(190, 90));
    frame.RememberWindowPositions();
    EXPECT_FALSE(positions.Find("big.iso - peer"));
    EXPECT_TRUE(positions.Find("irc.example.net"));
}

// Direct chats opened through the session's window directory.
class DccChatWidgetTest : public testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{home.File("settings.reg"), home.Path(), false});
        views.SetDccViews(&dccViews);
        session = std::make_unique<CChatSession>(*app, status, views);
        session->TurnTipsOff();
        QObject::connect(&views, &QtChatViews::windowOpened,
                         [this](ChatWindowWidget* widget) { opened = dynamic_cast<DccChatWindowWidget*>(widget); });
    }
    void TearDown() override {
        session.reset();
        app.reset();
    }

    PollEventLoop loop;
    test::TempDir home;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio{false};
    CScheme scheme;
    StatusWindowWidget statusWidget;
    CStatusWindow status{ui, scheme, statusWidget};
    MainFrameWidget frame;
    QtChatViews views;
    QtDccViews dccViews;
    std::unique_ptr<CBrimvaleApp> app;
    std::unique_ptr<CChatSession> session;
    QPointer<DccChatWindowWidget> opened;
};

// The session's control makes its transfer windows' views here; closing
// the widget asks, and the control then takes window, widget and frame.
TEST_F(DccChatWidgetTest, ASessionsTransferShowsInTheFrameUntilTheControlDropsIt) {
    QPointer<ChatWindowWidget> transfer;
    QObject::connect(&dccViews, &QtDccViews::windowOpened, [&](ChatWindowWidget* widget) {
        transfer = widget;
        frame.AddWindow(widget, false);
    });
    const std::string path = home.File("notes.txt");
    test::WriteWholeFile(path, "notes");
    std::string problem;
    ASSERT_TRUE(session->Dcc().SendFile("bob", path, problem)) << problem;
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->windowTitle(), "notes.txt - bob");
    EXPECT_EQ(frame.Switches().Count(), 1u);

    transfer->close();
    EXPECT_TRUE(transfer) << "closing only asks";
    EXPECT_TRUE(loop.RunUntil([&] { return transfer.isNull(); }, 5000));
    EXPECT_TRUE(session->Dcc().Transfers().empty());
    EXPECT_EQ(frame.Switches().Count(), 0u);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.Area().subWindowList().isEmpty());
}

TEST_F(DccChatWidgetTest, OfferButtonsShowOnlyWhileAnOfferWaits) {
    CDCCChatWnd& accepted = session->Windows().OpenDccChat("peer", 0);
    ASSERT_TRUE(opened);
    DccChatWindowWidget* widget = opened;
    EXPECT_TRUE(widget->OnSwitchBar());
    EXPECT_TRUE(widget->OfferButtons().isHidden());
    accepted.HoldOffer(0x7F000001, 1);
    EXPECT_FALSE(widget->OfferButtons().isHidden());
    widget->AcceptButton().click();
    EXPECT_FALSE(accepted.OfferPending());
    EXPECT_TRUE(widget->OfferButtons().isHidden());

    CDCCChatWnd& declined = session->Windows().OpenDccChat("eve", 0);
    QPointer<DccChatWindowWidget> second = opened;
    declined.HoldOffer(0x7F000001, 1);
    second->DeclineButton().click();
    EXPECT_TRUE(second->OfferButtons().isHidden());
    EXPECT_TRUE(loop.RunUntil([&] { return second.isNull(); }, 5000)) << "declining closes the window";

    session->Windows().OpenDccChat("irc.example.net", 23);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->OnSwitchBar()) << "telnet windows stay off the switch bar";
}

class DccPageTest : public testing::Test {
protected:
    DccPageTest() {
        context.dcc = &dcc;
        context.dccChanged = [this] { ++changes; };
        dialog = std::make_unique<PreferencesDialog>(context);
    }
    PreferencesPage& Page() { return dialog->PageWidget(PreferencesDialog::Page::Dcc); }
    template <typename Widget>
    Widget& Field(const char* name) {
        return Child<Widget>(Page(), name);
    }
    // Answers the "Add filetype" box with text.
    void AddType(const QString& text) {
        QTimer::singleShot(0, [text] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Add filetype");
            box->setTextValue(text);
            box->accept();
        });
        Field<QPushButton>("addFileType").click();
    }

    DccOptions dcc;
    int changes = 0;
    CIgnoreList idiots{[](const std::string&) {}, [](const std::vector<IgnoreEntry>&) {}};
    OptionsRecord options;
    NullAudioOutput audio;
    CSoundSystem sounds{audio, {}};
    CScheme scheme;
    test::ScriptedUserInterface ui;
    CSchemeManager schemes{ui, "/nonexistent/"};
    Registry registry;
    SchemeEditing schemeEditing{schemes, ui, registry, nullptr};
    PreferencesContext context{options, [] {}, idiots, sounds, scheme, schemes, schemeEditing};
    std::unique_ptr<PreferencesDialog> dialog;
};

TEST_F(DccPageTest, ModesAndTheFileTypeTableAreWrittenAtOnce) {
    dialog->show();  // loads the pages
    Field<QRadioButton>("allow2").click();
    Field<QRadioButton>("automatic1").click();
    EXPECT_EQ(dcc.allowMode, 2);
    EXPECT_EQ(dcc.automaticMode, 1);
    EXPECT_EQ(changes, 2);

    auto& types = Field<QListWidget>("fileTypes");
    ASSERT_EQ(types.count(), 1);
    EXPECT_EQ(types.item(0)->text(), "(All other types)");
    EXPECT_FALSE(Field<QPushButton>("removeFileType").isEnabled()) << "the catch-all stays";

    AddType("JPG");
    ASSERT_EQ(dcc.fileTypes.size(), 2u);
    EXPECT_EQ(dcc.fileTypes[1].pattern, "JPG");
    EXPECT_EQ(types.currentRow(), 1);
    Field<QRadioButton>("action1").click();
    Field<QLineEdit>("helper").setText("/usr/bin/eog");
    EXPECT_EQ(dcc.fileTypes[1].action, dcc_action::kSaveAndOpen);
    EXPECT_EQ(dcc.fileTypes[1].helper, "/usr/bin/eog");
    EXPECT_FALSE(Field<QRadioButton>("action2").isEnabled()) << "no plug-in to hand files to";
    EXPECT_EQ(dcc.fileTypes[0], DccOptions().fileTypes[0]) << "only the selected entry changed";

    types.setCurrentRow(0);
    Field<QLineEdit>("folder").setText("incoming/");
    EXPECT_EQ(dcc.fileTypes[0].folder, "incoming/");
    types.setCurrentRow(1);
    EXPECT_EQ(Field<QLineEdit>("helper").text(), "/usr/bin/eog");
    Field<QPushButton>("removeFileType").click();
    EXPECT_EQ(dcc.fileTypes.size(), 1u);
    EXPECT_EQ(changes, 7);
    dialog->hide();
}

TEST_F(DccPageTest, ABadPortRangeIsRefusedAndTheOptionsKept) {
    dialog->show();
    auto& ports = Field<QLineEdit>("portRange");
    ports.setText("5000-5010");
    EXPECT_EQ(dcc.portRange, "5000-5010");
    for (const char* bad : {"70000", "5000-", "a-b", "5000 5010"}) {
        ports.setText(bad);
        EXPECT_EQ(dcc.portRange, "5000-5010") << bad;
        EXPECT_FALSE(Page().Problem().isEmpty()) << bad;
    }
    ports.setText("");
    EXPECT_EQ(dcc.portRange, "");
    EXPECT_TRUE(Page().Problem().isEmpty());
    EXPECT_EQ(changes, 2);
    dialog->hide();

    context.dcc = nullptr;
    PreferencesDialog without(context);
    EXPECT_EQ(without.findChild<QListWidget*>("pages")->count(), 9) << "no DCC page without DCC options";
}

}  // namespace
}  // namespace parlevox
