#include "DesktopClient.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>

#include <QTimer>
#include <cstdio>

#include "display/ChanWnd.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "ui/FirstRun.h"
#include "ui/HelpLauncher.h"
#include "ui/qt/InitialConfigurationWizard.h"
#include "ui/qt/TitleScreenWidget.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "settings/BrimvaleApp.h"
#include "settings/ServerList.h"
#include "settings/WindowPositions.h"
#include "ui/ChatSession.h"
#include "ui/MainFrameTexts.h"
#include "ui/qt/CommandLineWindowWidget.h"
#include "ui/qt/JoinWindow.h"
#include "ui/NickChangeDialog.h"
#include "ui/qt/NickChangeDialog.h"
#include "ui/qt/NotifyDisplay.h"
#include "ui/SchemeEditing.h"
#include "ui/qt/PreferencesDialog.h"
#include "ui/qt/SchemeEditorWindows.h"
#include "ui/qt/QtEventLoop.h"
#include "ui/qt/ScriptingWindow.h"

namespace parlevox {

DesktopClient::DesktopClient(QtEventLoop& loop, const DesktopOptions& options)
    : loop_(loop), options_(options), status_(ui_, scheme_, statusView_) {
    UserInterface::SetCurrent(&ui_);
    AppStartOptions start{Registry::DefaultFilePath(), ProgramFolder::Path(), true, DataFolder::Path(),
                          DataFolder::ModulesPath(), DataFolder::SchemesPath(), DataFolder::MajorChannelsPath()};
    app_ = std::make_unique<CBrimvaleApp>(FrontEnd{loop_, ui_, audio_, status_, &hooks_}, start);
    if (!app_->Started()) return;
    statusView_.Attach(status_, app_->Colours());
    BuildSession();
    WatchSignals();
    started_ = true;
    // The main window completes itself once start-up is back in the loop.
    QTimer::singleShot(100, &frame_, [this] { CompleteMainWindow(); });
}

DesktopClient::~DesktopClient() {
    Shutdown();
    UserInterface::SetCurrent(nullptr);
}

void DesktopClient::BuildSession() {
    positions_ = std::make_unique<WindowPositions>(app_->Store());
    help_ = std::make_unique<HelpLauncher>(app_->ProgramFolder(), ui_);
    frame_.SetPositions(positions_.get());
    frame_.SetSoundPlayer([this](const char* event) { app_->Sounds().Play(event); });
    ApplyNickOverride();
    BuildSchemeEditing();
    views_.SetDccViews(&dccViews_);  // the session's DCC control makes its windows' views here
    session_ = std::make_unique<CChatSession>(*app_, status_, views_);
    session_->SetPlugInViews(&plugInViews_);
    notify_ = std::make_unique<NotifyDisplay>(frame_, app_->Notify(), session_->NotifyWindow());
    session_->activeWindowName = [this] {
        const ChatWindowWidget* active = frame_.ActiveWindow();
        return active ? active->WindowName() : std::string();
    };
    status_.SetCommands(&session_->Commands());
    session_->Windows().onEditScheme = [this](const std::string& window) {
        schemeEditing_->EditSchemeForWindow(window, app_->Network().State().serverName);
        return true;
    };
    views_.SetNamesOf([this](const std::string& channel) { return session_->Windows().NamesOf(channel); });
    views_.SetUserMenus(&session_->Menus());
    statusView_.SetUserMenus(&session_->Menus());
    // Plain text typed into the status window goes to the channel joined last.
    statusView_.SetPlainLineHandler([this](const std::string& line) {
        if (CChanWnd* channel = session_->Windows().LastChannel()) return channel->Type(line);
        status_.AddLine(app_->Colours().Code(colour::kProblem) + mainframe_text::kNoChannelOpen);
    });
    connect(&views_, &QtChatViews::windowOpened, &frame_, [this](ChatWindowWidget* window) { frame_.AddWindow(window); });
    // Transfers and offers come up in front without taking the keyboard from
    // the window being typed in (a space there must not answer an offer).
    connect(&dccViews_, &QtDccViews::windowOpened, &frame_,
            [this](ChatWindowWidget* window) { frame_.AddWindow(window, false); });
    connect(&plugInViews_, &QtPlugInViews::windowOpened, &frame_,
            [this](ChatWindowWidget* window) { frame_.AddWindow(window); });
    session_->Windows().onConnectionChange = [this](bool connected) { OnConnectionChange(connected); };
    frame_.AddWindow(&statusView_);
    frame_.SetFavourites(FavouriteNames());
    connect(&frame_, &MainFrameWidget::controlClicked, this, &DesktopClient::OnControl);
    connect(&frame_, &MainFrameWidget::channelButtonClicked, this,
            [this](const QString& channel) { Join(channel.toLatin1().toStdString()); });
    connect(&frame_, &MainFrameWidget::closeRequested, this, [this] { loop_.Quit(); });

    connectDialog_ = std::make_unique<CConnectDlg>(loop_, app_->Network().Window(), app_->Network().State(),
                                                   connectView_, ui_);
    connectView_.setParent(&frame_, connectView_.windowFlags());
    connectView_.onCancel = [this] { connectDialog_->Cancel(); };
    connectView_.onRetry = [this] { StartConnecting(); };
}

void DesktopClient::Place(const OptionsRecord::Positions& stored) {
    QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                    : QRect(0, 0, 1024, 768);
    WindowRect fitted = FitOnScreen({stored.left, stored.top, stored.width, stored.height},
                                    {screen.x(), screen.y(), screen.width(), screen.height()}, 400, 300);
    frame_.setGeometry(fitted.left, fitted.top, fitted.width, fitted.height);
    frame_.showNormal();
    frame_.repaint();
}

// After the title screen has gone: maximised as it was, in front, the first
// run's questions when there is no nickname yet, then the session of the
// command line.
void DesktopClient::CompleteMainWindow() {
    if (shuttingDown_ || completed_) return;
    // A screen that finished already waits only for its deletion: its
    // finished() has been sent and will not come again.
    if (TitleScreenWidget* title = hooks_.TitleScreen(); title && !title->IsFinished()) {
        connect(title, &TitleScreenWidget::finished, this, [this] { CompleteMainWindow(); }, Qt::QueuedConnection);
        return;
    }
    completed_ = true;
    if (app_->Options().positions.maximised) frame_.showMaximized();
    frame_.raise();
    frame_.activateWindow();
    session_->StartPlugIns();
    if (app_->Options().misc.showNotifyPeople) notify_->OpenWindow();
    if (options_.reportStartup)
        std::fprintf(stderr, "parlevox: main window usable %llu ms after start\n",
                     static_cast<unsigned long long>(Clock::TickCount() - options_.startedMs));
    if (options_.exitAfterStart) return loop_.Quit();
    RunFirstRunIfDue();
    if (!options_.serverHost.empty()) StartConnecting();
}

void DesktopClient::RunFirstRunIfDue() {
    if (!options_.nick.empty() || !FirstRun::IsDue(app_->Options())) return;
    std::optional<std::vector<ServerListEntry>> directory =
        ServerList::Read(ProgramFolder::Resolve(serverlist_text::kFileName));
    InitialConfigurationWizard wizard(&frame_, directory.value_or(std::vector<ServerListEntry>()));
    if (FirstRun::Run(ui_, app_->Store(), wizard, app_->ProgramFolder(), app_->Options())) OptionsChanged();
}

int DesktopClient::Run() {
    loop_.Run();
    Shutdown();
    return 0;
}

void DesktopClient::OnControl(MainFrameWidget::Control control) {
    using Control = MainFrameWidget::Control;
    switch (control) {
        case Control::Connect: return StartConnecting();
        case Control::Disconnect: return Disconnect();
        case Control::JoinChannel: return OpenJoinWindow();
        case Control::Preferences: return OpenPreferences();
        case Control::CommandLine: return OpenCommandLine();
        case Control::Scripting: return OpenScripting();
        case Control::NotifyList: return notify_->OpenWindow();
        case Control::Help: help_->OpenContents(); return;
        case Control::ChangeNick: return OpenNickChange();
    }
}

void DesktopClient::StartConnecting() {
    if (app_->Network().State().connected || connectDialog_->IsOpen()) return;
    auto servers = CConnectDlg::SlotsFrom(app_->Options().servers);
    if (!options_.serverHost.empty()) servers[0] = {options_.serverHost, options_.serverPort, false};
    connectDialog_->SetSlots(servers);
    connectView_.Begin();
    connectDialog_->Start();
}

void DesktopClient::Disconnect() {
    if (app_->Network().State().connected)
        app_->Network().SendLine("QUIT :" + app_->Options().yourInfo.quitMessage);
}

void DesktopClient::OnConnectionChange(bool connected) {
    if (connected && !options_.join.empty()) Join(options_.join);
}

void DesktopClient::Join(const std::string& channel) {
    if (session_->Windows().FindChannel(channel)) {
        if (ChatWindowWidget* window = frame_.FindWindow(channel)) frame_.Activate(window);
        return;
    }
    session_->Commands().Run("/join " + channel, {}, {}, status_);
}

// The command-line window is the front end's own: closing it deletes it.
void DesktopClient::OpenCommandLine() {
    if (!commandLine_) {
        commandLine_ = new CommandLineWindowWidget(session_->Commands(), status_, ui_);
        commandLine_->setAttribute(Qt::WA_DeleteOnClose);
        frame_.AddWindow(commandLine_);
    }
    frame_.Activate(commandLine_);
}

// One at a time; closing it deletes it. Its favourites reach the channel
// buttons as they change.
void DesktopClient::OpenJoinWindow() {
    if (!joinWindow_) {
        auto saved = [this] {
            OptionsChanged();
            frame_.SetFavourites(FavouriteNames());
        };
        auto joinLine = [this](const std::string& line) { session_->Commands().Run(line, {}, {}, status_); };
        JoinWindowContext context{app_->Options(), saved, ui_, joinLine};
        context.categories = &app_->MajorChannels();
        context.loop = &loop_;
        context.networkWindow = app_->Network().WindowHandleOf();
        context.connection = &app_->Network().State();
        joinWindow_ = new JoinWindow(std::move(context), &frame_);
        joinWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    joinWindow_->show();
    joinWindow_->raise();
    joinWindow_->activateWindow();
}

std::vector<std::string> DesktopClient::FavouriteNames() const {
    std::vector<std::string> channels;
    for (const FavouriteChannel& favourite : app_->Options().favourites) channels.push_back(favourite.channel);
    return channels;
}

// The scheme editor windows preview with the colour slots and link colour
// the windows use at the time each one opens.
void DesktopClient::BuildSchemeEditing() {
    auto look = [this] {
        const OptionsRecord::Colours& colours = app_->Options().colours;
        return SchemePreviewLook{app_->Colours(), {colours.values[colour::kWebAddress],
                                                   colours.values[colour::kHighlight], {}}};
    };
    schemeWindows_ = std::make_unique<SchemeEditorWindows>(
        SchemesWindowContext{app_->Schemes(), ui_, look(), &audio_, &app_->Sounds()}, &frame_, look);
    schemeEditing_ = std::make_unique<SchemeEditing>(app_->Schemes(), ui_, app_->Store(), schemeWindows_.get());
}

void DesktopClient::OpenPreferences() {
    if (!preferences_) {
        PreferencesContext context{app_->Options(), [this] { OptionsChanged(); }, app_->Idiots(), app_->Sounds(),
                                   scheme_, app_->Schemes(), *schemeEditing_};
        // The DCC control reads the options by reference: saving is all an edit needs.
        context.dcc = &app_->Dcc();
        context.dccChanged = [this] { app_->SaveDccOptions(); };
        context.scPlugIns = &app_->ScPlugIns();
        context.dccPlugIns = &app_->DccPlugIns();
        context.serverListPath = ProgramFolder::Resolve(serverlist_text::kFileName);
        context.nickRegistration = &session_->NickRegistration();
        preferences_ = std::make_unique<PreferencesDialog>(context, &frame_);
    }
    preferences_->show();
    preferences_->raise();
}

// The chosen nickname goes out as a typed "/nick" would; before connecting
// the dialog starts from the first nickname of the settings.
void DesktopClient::OpenNickChange() {
    CNickChangeDialog core(ui_, [this](const std::string& nick) {
        session_->Commands().Run("/nick " + nick, {}, {}, status_);
    });
    const std::string& current = app_->Network().State().currentNick;
    NickChangeDialog dialog(core, current.empty() ? app_->Options().nicknames[0].name : current, &frame_);
    dialog.exec();
}

// Kept once made, so that it opens again on the tab and function it showed.
void DesktopClient::OpenScripting() {
    if (!scripting_) {
        ScriptingContext context{app_->Modules(), session_->Scripts().Calls(), session_->Reactions(), app_->Menus(),
                                 ui_};
        scripting_ = std::make_unique<ScriptingWindow>(context, &frame_);
    }
    scripting_->show();
    scripting_->raise();
    scripting_->activateWindow();
}

void DesktopClient::OptionsChanged() {
    app_->OptionsChanged();
    ApplyNickOverride();
    session_->OptionsChanged();
}

// The nick of --nick is this session's only: the network takes it, the
// stored options keep theirs.
void DesktopClient::ApplyNickOverride() {
    if (options_.nick.empty()) return;
    NetworkSettings settings = app_->Options().Network();
    settings.logon.nick = options_.nick;
    app_->Network().Window().SetSettings(settings);
}

void DesktopClient::WatchSignals() {
    sigset_t set;  // blocked in main() before any thread started
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    signalFd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd_ < 0) return;
    signalWatch_ = loop_.WatchFd(signalFd_, true, false, [this](FdReadiness) {
        signalfd_siginfo info;
        while (read(signalFd_, &info, sizeof info) == sizeof info) {
        }
        EndFromSignal();
    });
}

// A box or dialog waiting for an answer runs its own loop; it is answered
// with its close button so that the loop below it can end.
void DesktopClient::EndFromSignal() {
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) break;
        modal->close();
    }
    loop_.Quit();
}

void DesktopClient::SavePositions() {
    frame_.RememberWindowPositions();
    OptionsRecord::Positions& positions = app_->Options().positions;
    QRect normal = frame_.isMaximized() ? frame_.normalGeometry() : frame_.geometry();
    positions = {normal.x(), normal.y(), normal.width(), normal.height(), frame_.isMaximized()};
    app_->Options().SavePositions(app_->Store());
}

void DesktopClient::Shutdown() {
    if (shuttingDown_ || !started_) return;
    shuttingDown_ = true;
    if (app_->Network().State().connected) {
        Disconnect();
        // Give the QUIT a moment to leave.
        loop_.RunUntil([this] { return app_->Network().Window().Socket().PendingOutput() == 0; }, 1000);
    }
    SavePositions();
    frame_.SetPositions(nullptr);  // windows closing from here on are not moves of the user's
    frame_.SetSoundPlayer({});       // and make no sound: the sound system goes first
    if (signalWatch_) loop_.UnwatchFd(signalWatch_);
    if (signalFd_ >= 0) close(signalFd_);
    delete joinWindow_;  // its listing reads the connection state
    preferences_.reset();
    schemeEditing_.reset();
    schemeWindows_.reset();  // an editor still open ends its edit while the manager is there
    scripting_.reset();  // it works on the session's scripts and reactions
    connectDialog_.reset();
    statusView_.SetUserMenus(nullptr);  // the status widget outlives the session
    views_.SetUserMenus(nullptr);
    notify_.reset();  // its window shows the session's notify window
    session_.reset();
    app_.reset();
    frame_.hide();
}

}  // namespace parlevox
