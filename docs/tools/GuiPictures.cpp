// parlevox-guidocpics: remakes the desktop client's pictures in docs/ from
// its own windows, drawn offscreen: the main window over a real chat
// session (a loopback server in the same loop plays the IRC server), and
// the title screen while it loads, the Scripting window with a module's
// functions, the scheme editor window with its preview, a channel
// window's right-click menu for a user with a module's items, a DCC
// chat beside a file transfer in mid-way, the JPEG viewer plug-in's
// window with a picture half received, the notify window with the
// switch bar's lag, and the join window's channel categories.
// Run by the "docs" build target with the docs folder as its argument.
#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "dcc/DCCChatWnd.h"
#include "dcc/DCCWnd.h"
#include "display/LoaderWindow.h"
#include "display/OutputWnd.h"
#include "display/Scheme.h"
#include "display/SchemeManager.h"
#include "irc/IRCNotifyList.h"
#include "irc/NetworkMessages.h"
#include "irc/NetworkWnd.h"
#include "platform/DataFolder.h"
#include "platform/NullAudioOutput.h"
#include "platform/PollEventLoop.h"
#include "settings/BrimvaleApp.h"
#include "settings/MajorChannels.h"
#include "settings/OptionsRecord.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#ifdef PARLEVOX_JPEG_VIEWER
#include "JpegFile.h"
#endif
#include "ui/ChatSession.h"
#include "ui/ConnectDlg.h"
#include "ui/StatusWindow.h"
#include "ui/NamesList.h"
#include "ui/qt/ChannelInfoWindow.h"
#include "ui/qt/ChannelWindowWidget.h"
#include "ui/qt/ChatWindowWidget.h"
#include "ui/qt/DccChatWindowWidget.h"
#include "ui/qt/DccPlugInWidget.h"
#include "ui/qt/DccProgressWidget.h"
#include "ui/qt/JoinWindow.h"
#include "ui/qt/NamesListWidget.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/NotifyDisplay.h"
#include "ui/qt/QtChatViews.h"
#include "ui/qt/OutputPaneWidget.h"
#include "ui/qt/QtDccViews.h"
#include "ui/qt/SchemeGraphicsPage.h"
#include "ui/qt/SchemesWindow.h"
#include "ui/qt/ScriptFunctionsTab.h"
#include "ui/qt/ScriptingWindow.h"
#include "ui/qt/StatusWindowWidget.h"
#include "ui/qt/SwitchBar.h"
#include "ui/qt/UserMenuPopup.h"

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

// Connects through the dialog to the loopback server, joins #parlevox with
// the given names listing and lets the channel's traffic arrive.
void JoinDemoChannel(PollEventLoop& loop, test::LoopbackServer& server, CConnectDlg& dialog, CChatSession& session,
                     const std::string& names) {
    dialog.SetSlots({ConnectSlot{"127.0.0.1", server.Port()}});
    dialog.Start();
    loop.RunUntil([&] { return server.HasLine("USER pat 0 * :"); }, kTimeoutMs);
    loop.RunUntil([&] { return server.HasClient(); }, kTimeoutMs);
    server.Send(":srv 001 pat :Welcome to the Parlevox demo network\r\n:srv 004 pat srv v1 o o\r\n");
    server.Send(":pat!pat@localhost JOIN #parlevox\r\n:srv 353 pat = #parlevox :" + names +
                "\r\n:srv 366 pat #parlevox :End of /NAMES list.\r\n");
    loop.RunUntil([&] { return session.Windows().FindChannel("#parlevox") != nullptr; }, kTimeoutMs);
    server.Send(kChannelTraffic);
    for (int i = 0; i < 20; ++i) loop.RunOnce(10);
}

// The desktop client's parts as "pat", with a loopback demo server: the
// main window with its status window, and the windows the session opens.
struct DemoDesktop {
    explicit DemoDesktop(int height) {
        app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                             AppStartOptions{home.File("settings.reg"), home.Path(), false});
        app->Options().nicknames[0].name = "pat";
        app->OptionsChanged();
        views.SetDccViews(&dccViews);
        session = std::make_unique<CChatSession>(*app, status, views);
        session->TurnTipsOff();
        statusWidget.Attach(status, app->Colours());
        views.SetNamesOf([this](const std::string& channel) { return session->Windows().NamesOf(channel); });
        views.SetUserMenus(&session->Menus());
        auto add = [this](ChatWindowWidget* window) { frame.AddWindow(window); };
        QObject::connect(&views, &QtChatViews::windowOpened, add);
        QObject::connect(&dccViews, &QtDccViews::windowOpened, add);
        frame.resize(820, height);
        frame.SetFavourites({"#parlevox", "#linux", "#help"});
        frame.show();
        frame.AddWindow(&statusWidget);
    }
    ~DemoDesktop() {
        if (dialog) dialog->Cancel();
        dialog.reset();
        session.reset();
        app.reset();
    }
    // Connects, joins "#parlevox" with these names and shows its traffic.
    void Join(const std::string& names) {
        dialog = std::make_unique<CConnectDlg>(loop, app->Network().Window(), app->Network().State(), connectView, ui);
        JoinDemoChannel(loop, server, *dialog, *session, names);
    }
    void Settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            loop.RunOnce(5);
        }
    }

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
    QtDccViews dccViews;
    SilentConnectView connectView;
    std::unique_ptr<CBrimvaleApp> app;
    std::unique_ptr<CChatSession> session;
    std::unique_ptr<CConnectDlg> dialog;
};

bool MainWindow(const std::string& folder) {
    DemoDesktop desktop(520);
    MainFrameWidget& frame = desktop.frame;
    desktop.Join("pat @bob +cyd dee eve fay gus @hal ivy");
    frame.Activate(frame.FindWindow("#parlevox"));
    // A line for the status window while the channel is in front: its button turns red.
    desktop.status.AddLine(desktop.app->Colours().Code(colour::kInformation) + "- Connected to the demo network");
    if (QMdiSubWindow* active = frame.Area().activeSubWindow()) active->setGeometry(10, 10, 640, 300);
    desktop.Settle();
    bool saved = frame.grab().save(QString::fromStdString(folder + "/main-window.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write main-window.png\n");
    return saved;
}

// A 48 x 48 icon: a disc in the given colour with a lighter centre.
CRawBitmap DiscIcon(BgrColour colour) {
    CRawBitmap icon = CRawBitmap::TrueColour(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            int dx = x - 24, dy = y - 24, d2 = dx * dx + dy * dy;
            if (d2 > 21 * 21) continue;
            uint8_t* p = icon.Row(y) + x * 3;
            int light = d2 < 8 * 8 ? 60 : 0;
            p[0] = static_cast<uint8_t>(std::min(255, colour.blue + light));
            p[1] = static_cast<uint8_t>(std::min(255, colour.green + light));
            p[2] = static_cast<uint8_t>(std::min(255, colour.red + light));
        }
    return icon;
}

// The title screen while modules and plug-ins load: the ring full, its
// three oldest icons fading out.
bool TitleScreen(const std::string& folder) {
    CLoaderWindow title(0, {1, 6, 1}, {});
    title.SetStatus("Loading settings...");
    const BgrColour colours[] = {{200, 80, 40}, {40, 160, 60}, {40, 60, 200}, {160, 40, 160},
                                 {30, 150, 200}, {180, 160, 30}, {90, 90, 90}, {20, 100, 220}};
    uint64_t now = 0;
    for (const BgrColour& colour : colours) title.AddIcon({"module", "", "", DiscIcon(colour)}, now);
    for (int step = 0; step < 8; ++step) title.Step(now += 300);
    const CRawBitmap& image = title.Paint();
    QImage picture(image.Pixels().data(), image.Width(), image.Height(), static_cast<qsizetype>(image.Stride()),
                   QImage::Format_BGR888);
    bool saved = picture.save(QString::fromStdString(folder + "/title-screen-running.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write title-screen-running.png\n");
    return saved;
}

// A module's functions as someone writing a channel greeter would have them.
struct PictureFunction {
    const char* name;
    const char* source;
};
constexpr PictureFunction kGreeterFunctions[] = {
    {"GreeterInit", "GreeterInit<>\r\n  {\r\n  iGreeted = 0;\r\n  }\r\n"},
    {"Welcome",
     "// Says hello to whoever joins, once a session.\r\n"
     "Welcome<>\r\n  {\r\n  if (sSysSenderNick != sGreetedLast)\r\n    {\r\n"
     "    iGreeted += 1;\r\n    sGreetedLast = sSysSenderNick;\r\n"
     "    /msg %sSysChannel% Welcome, %sSysSenderNick%!\r\n    }\r\n"
     "  return <1,0>;\r\n  }\r\n"},
    {"GreetCount", "GreetCount<>\r\n  {\r\n  /echo Greeted %iGreeted% people.\r\n  }\r\n"},
    {"Farewell", "Farewell<>\r\n  {\r\n  /msg %sSysSenderNick% See you soon!\r\n  return <1,0>;\r\n  }\r\n"},
};

bool ScriptingWindowPicture(const std::string& folder) {
    PollEventLoop loop;
    test::TempDir home;
    test::ScriptedUserInterface ui;
    NullAudioOutput audio{false};
    CScheme scheme;
    StatusWindowWidget statusWidget;
    CStatusWindow status{ui, scheme, statusWidget};
    QtChatViews views;
    auto app = std::make_unique<CBrimvaleApp>(FrontEnd{loop, ui, audio, status},
                                              AppStartOptions{home.File("settings.reg"), home.Path(), false});
    auto session = std::make_unique<CChatSession>(*app, status, views);
    CScriptModule* greeter = app->Modules().Create("Greeter", "pat", "Free to use", DiscIcon({40, 160, 60}),
                                                   home.File("Greeter.ParlevoxModule"));
    if (!greeter) return false;
    greeter->Globals().Add("iGreeted", greeter->NextVariableId());
    greeter->ModuleWide().Add("sGreetedLast", greeter->NextVariableId());
    bool saved = false;
    {
        ScriptingWindow window(
            ScriptingContext{app->Modules(), session->Scripts().Calls(), session->Reactions(), app->Menus(), ui});
        for (const PictureFunction& function : kGreeterFunctions) {
            window.Editor().SelectModule(greeter->Id());
            window.Editor().NewFunction(function.name);
            window.Editor().SetSource(function.source);
            window.Editor().Compile();
        }
        window.Editor().SelectFunction("Welcome");
        window.resize(820, 520);
        window.show();
        window.ShowTab(ScriptingWindow::Tab::Functions);
        window.FunctionsTab().Refresh();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        saved = window.grab().save(QString::fromStdString(folder + "/scripting-window.png"));
    }
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write scripting-window.png\n");
    for (const auto& box : ui.boxes) std::fprintf(stderr, "parlevox-guidocpics: %s\n", box.text.c_str());
    session.reset();
    app.reset();
    return saved && ui.boxes.empty();
}

// A picture filled by a function of the position (0-255 each way) giving
// blue, green, red; opacity solid.
template <typename Colour>
AlphaImage Painted(int width, int height, Colour colour) {
    AlphaImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const BgrColour c = colour(x * 255 / std::max(width - 1, 1), y * 255 / std::max(height - 1, 1));
            uint8_t* pixel = image.Pixel(x, y);
            pixel[0] = 255;
            pixel[1] = c.blue;
            pixel[2] = c.green;
            pixel[3] = c.red;
        }
    return image;
}

// A button picture: a rounded plate in the colour, lighter at the top.
AlphaImage Plate(int width, int height, BgrColour colour) {
    AlphaImage image = Painted(width, height, [&](int, int y) {
        auto shade = [y](uint8_t channel) { return static_cast<uint8_t>(std::min(255, channel + (255 - y) / 4)); };
        return BgrColour{shade(colour.blue), shade(colour.green), shade(colour.red)};
    });
    const int corners[][2] = {{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}};
    for (const auto& corner : corners) image.Pixel(corner[0], corner[1])[0] = 0;
    return image;
}

// "Sunset": an evening sky behind a pale panel for the text, and a hot spot
// that joins the channel, the window showing the hot spot's page.
bool SchemeEditorPicture(const std::string& folder) {
    test::TempDir home;
    test::ScriptedUserInterface ui;
    CSchemeManager schemes(ui, home.Path() + "/");
    if (!schemes.NewScheme(home.File("Sunset.ParlevoxScheme"))) return false;
    OptionsRecord options;
    SchemePreviewLook look{options.ColourSlots(), {options.colours.values[colour::kWebAddress],
                                                   options.colours.values[colour::kHighlight], {}}};
    bool saved = false;
    {
        SchemesWindow window(SchemesWindowContext{schemes, ui, look}, 1);
        CSchemeEditor& editor = window.Editor();
        const int sky = editor.AddImage();
        editor.ImageAt(sky)->Image() = Painted(64, 64, [](int, int y) {
            return BgrColour{static_cast<uint8_t>(90 + y / 3), static_cast<uint8_t>(70 + y / 2),
                             static_cast<uint8_t>(120 + y / 2)};
        });
        editor.SetRect(sky, {{0, 0, 0, 0, 0, 0}, {0, 256, 0, 0, 0, 256}});
        const int panel = editor.AddFadebox();
        editor.SetRect(panel, {{10, 0, 0, 10, 0, 0}, {-10, 256, 0, -44, 0, 256}});
        editor.SetFadebox(panel, 215, RgbColour(255, 250, 240));
        const int button = editor.AddHotspot();
        editor.SetRect(button, {{-106, 256, 0, -36, 0, 256}, {-10, 256, 0, -10, 0, 256}});
        const BgrColour plates[] = {{40, 90, 200}, {30, 140, 240}, {20, 60, 150}};
        const HotspotLook looks[] = {HotspotLook::Normal, HotspotLook::MouseOver, HotspotLook::Pressed};
        for (int i = 0; i < 3; ++i) {
            CSchemeImage* image = editor.HotspotImage(button, looks[i]);
            image->Image() = Plate(96, 26, plates[i]);
            image->Rect() = *editor.RectAt(button);
        }
        editor.SetHotspotAction(button, HotspotActionKind::Command, "/join #sunset");
        TextMargins margins = editor.Scheme().Margins();
        margins.rect = {{18, 0, 0, 16, 0, 0}, {-18, 256, 0, -50, 0, 256}};
        editor.SetMargins(margins);
        editor.SetFontFace("DejaVu Sans");
        editor.SetFontSize(13);
        editor.SetUsageTexts({{false, "#sunset #dawn"}, {true, {}}, {true, {}}, {true, {}}});
        // Names a person would give them, the same in every run.
        editor.ImageAt(sky)->SetName("evening sky");
        editor.FadeboxAt(panel)->SetName("text panel");
        editor.HotspotAt(button)->SetName("join button");
        window.Reload();
        window.GraphicsPage().List().setCurrentRow(button);
        window.resize(1060, 640);
        window.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        // The mouse over the hot spot: the preview shows its mouse-over picture.
        const QSize pane = window.Preview().viewport()->size();
        const PixelRect spot = editor.Scheme().HotspotRect(0, pane.width(), pane.height());
        window.Preview().Pane()->MouseMove((spot.left + spot.right) / 2, (spot.top + spot.bottom) / 2);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        saved = window.grab().save(QString::fromStdString(folder + "/scheme-editor.png"));
        window.Editor().Cancel();
    }
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write scheme-editor.png\n");
    for (const auto& box : ui.boxes) std::fprintf(stderr, "parlevox-guidocpics: %s\n", box.text.c_str());
    return saved && ui.boxes.empty();
}

std::string_view NickOfRow(const CNamesList& names, int row) {
    return CNamesList::NickOf(names.Entries().At(static_cast<size_t>(row)));
}

// A module a person might have written for a channel they look after: a
// function and a command line on the menu for a user in a channel.
CScriptModule* HelperModule(CBrimvaleApp& app, CChatSession& session, const std::string& path) {
    CScriptModule* helper =
        app.Modules().Create("Channel helper", "pat", "Free to use", DiscIcon({200, 120, 40}), path);
    if (!helper) return nullptr;
    CScriptFunction& welcome = helper->AddFunction(std::make_unique<CScriptFunction>("WelcomeBack"));
    welcome.SetSource("WelcomeBack<>\r\n  {\r\n  /msg %sC% Welcome back, %sN%!\r\n  }\r\n");
    if (session.Scripts().Calls().Compile(*helper, welcome)) return nullptr;
    const MenuItem items[] = {{"Welcome back", "WelcomeBack", false, helper->Id()},
                              {"Slap with a trout", "/me slaps %sN% around a bit with a large trout", false,
                               helper->Id()},
                              {"Voice", "/mode %sC% +v %sN%", true, helper->Id()}};
    for (const MenuItem& item : items) app.Menus().Add(MenuKind::Both, item);
    return helper;
}

// The channel window with the right-click menu open over a name in its
// list: the built-in menus' items, then the module's.
bool MenusPicture(const std::string& folder) {
    DemoDesktop desktop(560);
    MainFrameWidget& frame = desktop.frame;
    CChatSession& session = *desktop.session;
    if (!HelperModule(*desktop.app, session, desktop.home.File("Helper.ParlevoxModule"))) return false;
    desktop.Join("@pat @bob +cyd dee eve fay gus hal ivy");
    auto* channel = dynamic_cast<ChannelWindowWidget*>(frame.FindWindow("#parlevox"));
    CNamesList* names = session.Windows().NamesOf("#parlevox");
    if (!channel || !names) return false;
    frame.Activate(channel);
    if (QMdiSubWindow* active = frame.Area().activeSubWindow()) active->setGeometry(10, 10, 660, 360);
    desktop.Settle();

    // The menu as a right-click on "fay" opens it, shown without its own event loop.
    int row = 0;
    while (row < static_cast<int>(names->Count()) && NickOfRow(*names, row) != "fay") ++row;
    names->Select(row);
    int y = 0;
    while (y < 400 && channel->Names().EntryAt(y) != row) ++y;
    QImage picture = frame.grab().toImage();
    {
        QMenu menu;
        UserMenuPopup::AddItems(menu, session.Menus(), MenuKind::Both);
        menu.popup(channel->Names().viewport()->mapToGlobal(QPoint(24, y + 8)));
        for (QAction* action : menu.actions())
            if (action->text() == "Welcome back") menu.setActiveAction(action);  // the pointer is over it
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        picture = frame.grab().toImage();
        QPainter painter(&picture);
        painter.drawPixmap(frame.mapFromGlobal(menu.pos()), menu.grab());
    }
    bool saved = picture.save(QString::fromStdString(folder + "/menus.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write menus.png\n");
    return saved;
}

// The main window with a DCC chat with ada (a loopback peer in the same
// loop) and a file going to bob, two fifths of it acknowledged.
bool DccPicture(const std::string& folder) {
    DemoDesktop desktop(520);
    PollEventLoop& loop = desktop.loop;
    MainFrameWidget& frame = desktop.frame;
    test::LoopbackServer peer{loop};
    desktop.Join("pat @bob +cyd dee eve fay gus @hal ivy");

    CDCCChatWnd& chat = desktop.session->Windows().OpenDccChat("ada", 0);
    chat.Connect(0x7F000001, peer.Port());
    loop.RunUntil([&] { return chat.IsConnected() && peer.HasClient(); }, kTimeoutMs);
    peer.Send("hi pat, got a minute?\r\n");
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);
    chat.Type("sure, what's up?");
    peer.Send("the build notes: are they in the repository yet?\r\n");
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);
    chat.Type("/me checks");
    chat.Type("not yet, sending them over to bob now");
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);

    CDCCWnd transfer(loop, desktop.ui, "bob", desktop.home.File("build-notes.tar.gz"), 3'400'000,
                     CDCCWnd::Direction::Send);
    transfer.SetView(desktop.dccViews.MakeProgressView(transfer));
    transfer.MarkConnected();
    transfer.SetProgress(1'500'000, 1'360'000);

    // The channel behind, the chat in front, the transfer at the top right.
    const QSize area = frame.Area().viewport()->size();
    for (QMdiSubWindow* window : frame.Area().subWindowList()) {
        if (dynamic_cast<ChannelWindowWidget*>(window->widget()) || window->widget() == &desktop.statusWidget)
            window->setGeometry(10, 10, 520, 250);
        if (dynamic_cast<DccChatWindowWidget*>(window->widget())) window->setGeometry(70, 120, 520, 230);
        if (dynamic_cast<DccProgressWidget*>(window->widget())) window->move(area.width() - window->width() - 16, 24);
    }
    frame.Activate(frame.FindWindow("ada"));
    bool connected = chat.IsConnected();
    desktop.Settle();
    bool saved = connected && frame.grab().save(QString::fromStdString(folder + "/dcc.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write dcc.png%s\n", connected ? "" : " (no chat)");
    return saved;
}

// The notify window beside the channel: three of the list's nicks on IRC,
// the status window's joined line, and a reply that took 12 seconds in red
// at the right of the switch bar.
bool NotifyLagPicture(const std::string& folder) {
    DemoDesktop desktop(520);
    PollEventLoop& loop = desktop.loop;
    MainFrameWidget& frame = desktop.frame;
    desktop.Join("pat @bob +cyd dee eve fay gus @hal ivy");
    CNotifyWatch& watch = desktop.app->Notify();
    for (const char* nick : {"ada", "bob", "kim", "hal", "zoe", "Marek"}) watch.Add(nick);
    uint64_t tick = 0;
    watch.SetTickSource([&] { return tick; });
    NotifyDisplay display(frame, watch, desktop.session->NotifyWindow());
    display.OpenWindow();
    watch.Poll();
    loop.RunUntil([&] { return desktop.server.HasLine("ISON :NickServ ada bob kim hal zoe Marek"); }, kTimeoutMs);
    tick = 12'400;  // the server took its time
    desktop.server.Send(":srv 303 pat :ada bob Marek\r\n");
    loop.RunUntil([&] { return !watch.Outstanding(); }, kTimeoutMs);
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);

    const QSize area = frame.Area().viewport()->size();
    for (QMdiSubWindow* window : frame.Area().subWindowList()) {
        if (dynamic_cast<ChannelWindowWidget*>(window->widget())) window->setGeometry(10, 10, 580, 206);
        if (window->widget() == &desktop.statusWidget) window->setGeometry(10, 224, 580, area.height() - 234);
        if (window->widget() == display.Window()) window->setGeometry(area.width() - 212, 10, 196, 170);
    }
    frame.Activate(frame.FindWindow("~Status"));
    frame.Activate(display.Window());
    desktop.Settle();
    const bool answered = display.Window() && display.Window()->List().count() == 3;
    bool saved = answered && frame.grab().save(QString::fromStdString(folder + "/notify-lag.png"));
    if (!saved)
        std::fprintf(stderr, "parlevox-guidocpics: cannot write notify-lag.png%s\n", answered ? "" : " (no reply)");
    watch.SetTickSource({});
    return saved;
}

// The join window on its "Categories" page: the shipped category file's
// tree with its icons, one category folded and a channel chosen.
bool JoinWindowPicture(const std::string& folder) {
    const MajorChannels categories = MajorChannels::Read(DataFolder::MajorChannelsPath());
    if (categories.Problem()) {
        std::fprintf(stderr, "parlevox-guidocpics: the category file: %s\n", categories.Problem()->c_str());
        return false;
    }
    OptionsRecord options;
    test::ScriptedUserInterface ui;
    JoinWindowContext context{options, {}, ui, {}};
    context.categories = &categories;
    JoinWindow window(context);
    window.resize(640, 520);
    window.ShowPage(JoinWindow::kCategoriesPage);
    window.show();
    auto* tree = window.findChild<QTreeWidget*>("categories");
    for (QTreeWidgetItem* folded : tree->findItems("Programming", Qt::MatchExactly)) folded->setExpanded(false);
    for (QTreeWidgetItem* chosen : tree->findItems("#linux", Qt::MatchExactly | Qt::MatchRecursive))
        tree->setCurrentItem(chosen);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    bool saved = window.grab().save(QString::fromStdString(folder + "/join-window.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write join-window.png\n");
    return saved;
}

// The channel information window of a founder, filled by a ChanServ that
// answers through a network window as the real one would.
bool ChannelInfoPicture(const std::string& folder) {
    struct : StatusOutput {
        void WriteStatus(std::string_view) override {}
    } status;
    PollEventLoop loop;
    ConnectionState state;
    state.currentNick = "mira";
    CIRCNotifyList notifyList {loop};
    auto network = std::make_unique<CNetworkWnd>(loop, state, status, notifyList, nullptr);
    test::ScriptedUserInterface ui;
    QtChatViews views;
    bool saved = false;
    {
        ChannelInfoDialogs dialogs(ChannelInfoServices {loop, network->Handle(), state, ui, {}, {}, {}},
                                   views.ChannelInfo());
        dialogs.Open("#parlevox");
        for (const char* text : {"ACC #parlevox mira 5", "Information for channel #parlevox:",
                                 "Founder    : mira (mira@home.example)", "Registered : Mar 14 2024 19:02 GMT",
                                 "Last opping: Dec 08 2026 21:40 GMT",
                                 "Description: Parlevox users helping each other",
                                 "URL        : https://parlevox.example/", "Mode Lock  : +nt", "Memo level : SOP",
                                 "Options    : Ident, Topic Lock(S)", "End of info"}) {
            const std::string line = std::string(":ChanServ!service@dal.net NOTICE mira :") + text;
            loop.PostMessage(network->Handle(), WindowMessage(netmsg::kLineReceived, line));
            loop.RunOnce(0);
        }
        ChannelInfoWindow* window = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ChannelInfoWindow*>(widget)) window = found;
        if (window) {
            window->resize(540, 520);
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
            saved = window->grab().save(QString::fromStdString(folder + "/channel-info.png"));
            window->reject();
        }
        if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write channel-info.png\n");
    }
    for (int i = 0; i < 3; ++i) loop.RunOnce(0);
    network.reset();
    return saved;
}

#ifdef PARLEVOX_JPEG_VIEWER
// An evening over the sea, 480 x 320, as red, green, blue bytes.
std::vector<uint8_t> SunsetPicture() {
    QImage image(480, 320, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x1b, 0x2f, 0x66));
    sky.setColorAt(0.6, QColor(0xb8, 0x5a, 0x7a));
    sky.setColorAt(1, QColor(0xf8, 0xa8, 0x50));
    painter.fillRect(0, 0, 480, 200, sky);
    QRadialGradient sun(320, 188, 46);
    sun.setColorAt(0, QColor(0xff, 0xf8, 0xd0));
    sun.setColorAt(0.55, QColor(0xff, 0xd0, 0x60));
    sun.setColorAt(1, QColor(0xf8, 0xa8, 0x50, 0));
    painter.fillRect(260, 130, 120, 70, sun);
    QLinearGradient sea(0, 200, 0, 320);
    sea.setColorAt(0, QColor(0x3a, 0x3f, 0x70));
    sea.setColorAt(1, QColor(0x10, 0x1a, 0x38));
    painter.fillRect(0, 200, 480, 120, sea);
    for (int i = 0; i < 14; ++i) {  // the sun's path on the water
        const int width = 70 - i * 4 + (i % 3) * 9;
        painter.fillRect(320 - width / 2 + (i % 2) * 6, 204 + i * 8, width, 3, QColor(0xff, 0xc8, 0x70, 200 - i * 12));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x12, 0x24));
    painter.drawPolygon(QPolygon({{0, 200}, {0, 120}, {40, 104}, {90, 128}, {140, 150}, {200, 176}, {240, 200}}));
    painter.drawPolygon(QPolygon({{96, 262}, {150, 262}, {142, 272}, {104, 272}}));  // a boat
    painter.drawPolygon(QPolygon({{122, 258}, {122, 214}, {146, 256}}));
    painter.end();
    std::vector<uint8_t> rgb;
    for (int y = 0; y < image.height(); ++y)
        rgb.insert(rgb.end(), image.constScanLine(y), image.constScanLine(y) + 480 * 3);
    return rgb;
}

// The JPEG viewer's window over the channel: bob's picture half received,
// its top rows drawn and the bar half way, the transfer's progress window
// at the top right.
bool JpegPluginPicture(const std::string& folder) {
    DemoDesktop desktop(560);
    PollEventLoop& loop = desktop.loop;
    MainFrameWidget& frame = desktop.frame;
    test::LoopbackServer peer{loop};
    desktop.Join("pat @bob +cyd dee eve fay gus @hal ivy");
    if (!desktop.app->DccPlugIns().Install(PARLEVOX_JPEG_VIEWER)) {
        std::fprintf(stderr, "parlevox-guidocpics: the JPEG viewer did not install\n");
        return false;
    }
    const std::string jpeg = test::EncodeJpeg(SunsetPicture(), 480, 320, 90, false);
    desktop.session->Dcc().StartReceive(
        {AddressRecord::FromSender("bob!bob@example.org"), "sunset.jpg", jpeg.size(), 0x7F000001, peer.Port(), ""}, 0);
    loop.RunUntil([&] { return peer.HasClient(); }, kTimeoutMs);
    const size_t half = jpeg.size() / 2;
    peer.Send(jpeg.substr(0, half));
    // The receiver acknowledges every read with its total so far.
    loop.RunUntil([&] {
        const std::string& acks = peer.Received();
        if (acks.size() < 4) return false;
        const auto* last = reinterpret_cast<const uint8_t*>(acks.data() + acks.size() - 4);
        return (uint32_t {last[0]} << 24 | uint32_t {last[1]} << 16 | uint32_t {last[2]} << 8 | last[3]) == half;
    }, kTimeoutMs);
    for (int i = 0; i < 10; ++i) loop.RunOnce(5);

    DccPlugInWidget* viewer = nullptr;
    for (QMdiSubWindow* window : frame.Area().subWindowList()) {
        if (dynamic_cast<ChannelWindowWidget*>(window->widget()) || window->widget() == &desktop.statusWidget)
            window->setGeometry(10, 10, 600, 260);
        if (dynamic_cast<DccProgressWidget*>(window->widget()))
            window->move(frame.Area().viewport()->width() - window->width() - 16, 24);
        if (auto* widget = dynamic_cast<DccPlugInWidget*>(window->widget())) {
            viewer = widget;
            window->move(60, 40);
        }
    }
    if (!viewer) {
        std::fprintf(stderr, "parlevox-guidocpics: no JPEG viewer window\n");
        return false;
    }
    frame.Activate(viewer);
    desktop.Settle();
    bool saved = frame.grab().save(QString::fromStdString(folder + "/jpeg-plugin.png"));
    if (!saved) std::fprintf(stderr, "parlevox-guidocpics: cannot write jpeg-plugin.png\n");
    return saved;
}
#endif

}  // namespace
}  // namespace parlevox

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: parlevox-guidocpics DOCS-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool title = parlevox::TitleScreen(argv[1]);
    bool scripting = parlevox::ScriptingWindowPicture(argv[1]);
    bool schemeEditor = parlevox::SchemeEditorPicture(argv[1]);
    bool menus = parlevox::MenusPicture(argv[1]);
    bool dcc = parlevox::DccPicture(argv[1]);
    bool notify = parlevox::NotifyLagPicture(argv[1]);
    bool join = parlevox::JoinWindowPicture(argv[1]);
    bool channelInfo = parlevox::ChannelInfoPicture(argv[1]);
#ifdef PARLEVOX_JPEG_VIEWER
    dcc = parlevox::JpegPluginPicture(argv[1]) && dcc;
#endif
    const bool all = title && scripting && schemeEditor && menus && dcc && notify && join && channelInfo;
    return parlevox::MainWindow(argv[1]) && all ? 0 : 1;
}
