// parlevox-guidocpics: remakes the desktop client's pictures in docs/ from
// its own windows, drawn offscreen: the main window over a real chat
// session (a loopback server in the same loop plays the IRC server).
// Run by the "docs" build target with the docs folder as its argument.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>
#include <memory>
#include <string>

#include "display/Scheme.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/ChatSession.h"
#include "ui/ConnectDlg.h"
#include "ui/StatusWindow.h"
#include "ui/qt/ChatWindowWidget.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/QtChatViews.h"
#include "ui/qt/StatusWindowWidget.h"
#include "ui/qt/SwitchBar.h"

namespace parlevox {
namespace {

constexpr uint64_t kTimeoutMs = 5000;

class SilentConnectView final : public ConnectDlgView {
    void AddStatusLine(const std::string&) override {}
    void AllServersFailed() override {}
    void DialogClosed(bool) override {}
};

// What the picture's channel shows: people coming and going, colours,
// an action, a link, a topic, a mode.
constexpr const char* kChannelTraffic =
    ":ada!ada@example.net JOIN #parlevox\r\n"
    ":srv 332 pat #parlevox :Parlevox: a desktop IRC client for Linux\r\n"
    ":ada!ada@example.net PRIVMSG #parlevox :morning all! the \x02" "new build\x02 is up\r\n"
    ":bob!bob@example.org PRIVMSG #parlevox :\x03" "03green\x03" "04 red \x03" "12blue\x0f and plain\r\n"
    ":cyd!cyd@example.com PRIVMSG #parlevox :\x01" "ACTION waves at everyone\x01\r\n"
    ":ada!ada@example.net PRIVMSG #parlevox :notes at http://parlevox.example/notes.html\r\n"
    ":bob!bob@example.org MODE #parlevox +v cyd\r\n"
    ":dee!dee@example.com NICK :deedee\r\n"
    ":eve!eve@example.net PART #parlevox :lunch\r\n";

bool MainWindow(const std::string& folder) {
    PollEventLoop loop;
    test::LoopbackServer server{loop};
    test::TempDir home;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio{false};
    CScheme scheme;
    MainFrameWidget frame;
    StatusWindowWidget statusWidget;
    CStatusWindow status{ui, scheme, statusWidget};
    QtChatViews views;
    auto app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                              AppStartOptions{home.File("settings.reg"), home.Path(), false});
    app->Options().nicknames[0].name = "pat";
    app->OptionsChanged();
    auto session = std::make_unique<CChatSession>(*app, status, views, scheme);
    session->TurnTipsOff();
    statusWidget.Attach(status, app->Colours());
    views.SetNamesOf([&](const std::string& channel) { return session->Windows().NamesOf(channel); });
    QObject::connect(&views, &QtChatViews::windowOpened, [&](ChatWindowWidget* window) { frame.AddWindow(window); });
    frame.resize(820, 520);
    frame.SetFavourites({"#parlevox", "#linux", "#help"});
    frame.show();
    frame.AddWindow(&statusWidget);

    SilentConnectView connectView;
    CConnectDlg dialog(loop, app->Network().Window(), app->Network().State(), connectView, ui);
    dialog.SetSlots({ConnectSlot{"127.0.0.1", server.Port()}});
    dialog.Start();
    loop.RunUntil([&] { return server.HasLine("USER pat 0 * :"); }, kTimeoutMs);
    loop.RunUntil([&] { return server.HasClient(); }, kTimeoutMs);
    server.Send(":srv 001 pat :Welcome to the Parlevox demo network\r\n:srv 004 pat srv v1 o o\r\n");
    server.Send(":pat!pat@localhost JOIN #parlevox\r\n"
                ":srv 353 pat = #parlevox :pat @bob +cyd dee eve fay gus @hal ivy\r\n"
                ":srv 366 pat #parlevox :End of /NAMES list.\r\n");
    loop.RunUntil([&] { return session->Windows().FindChannel("#parlevox") != nullptr; }, kTimeoutMs);
    server.Send(kChannelTraffic);
    for (int i = 0; i < 20; ++i) loop.RunOnce(10);
    frame.Activate(frame.FindWindow("#parlevox"));
    // A line for the status window while the channel is in front: its button turns red.
    status.AddLine(app->Colours().Code(colour::kInformation) + "- Connected to the demo network");
    if (QMdiSubWindow* active = frame.Area().activeSubWindow()) active->setGeometry(10, 10, 640, 300);
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        loop.RunOnce(5);
    }
    bool saved = frame.grab().save(QString::fromStdString(folder + "/main-window.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write main-window.png\n");
    dialog.Cancel();
    session.reset();
    app.reset();
    return saved;
}

}  // namespace
}  // namespace parlevox

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: parlevox-guidocpics DOCS-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return parlevox::MainWindow(argv[1]) ? 0 : 1;
}
