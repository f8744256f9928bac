#pragma once
// The desktop client: the application object and the chat session under
// the main window, with the Qt views of every window, the connect dialog,
// the preferences and the join window. It ends in order (a QUIT when
// connected, positions and settings saved) when the main window closes and
// on SIGTERM or SIGINT.
#include <QObject>
#include <QPointer>
#include <memory>

#include "DesktopOptions.h"
#include "display/Scheme.h"
#include "platform/SdlAudioOutput.h"
#include "ui/ConnectDlg.h"
#include "ui/StatusWindow.h"
#include "ui/qt/ConnectDialogWidget.h"
#include "ui/qt/MainFrameWidget.h"
#include "ui/qt/PlugInPictureWidget.h"
#include "ui/qt/QtChatViews.h"
#include "ui/qt/QtDccViews.h"
#include "ui/qt/QtUserInterface.h"
#include "ui/qt/StatusWindowWidget.h"
#include "ui/qt/TitleScreenHooks.h"

namespace parlevox {

class CBrimvaleApp;
class CChatSession;
class CommandLineWindowWidget;
class HelpLauncher;
class JoinWindow;
class NotifyDisplay;
class PreferencesDialog;
class SchemeEditing;
class SchemeEditorWindows;
class ScriptingWindow;
class QtEventLoop;
class WindowPositions;

class DesktopClient final : public QObject {
    Q_OBJECT

public:
    DesktopClient(QtEventLoop& loop, const DesktopOptions& options);
    ~DesktopClient() override;

    // False when start-up failed (the reason has been shown).
    bool Started() const { return started_; }
    // Runs until the end; returns the exit code.
    int Run();

    // What the session's DCC control makes its transfer and offer windows'
    // views with; the widgets go into the main frame.
    QtDccViews& DccViews() { return dccViews_; }

private:
    // The title screen and the main window's place, as start-up asks.
    class Hooks final : public TitleScreenHooks {
    public:
        explicit Hooks(DesktopClient& client) : client_(client) {}
        void PlaceMainWindow(const OptionsRecord::Positions& positions) override { client_.Place(positions); }

    private:
        DesktopClient& client_;
    };

    void BuildSession();
    void Place(const OptionsRecord::Positions& positions);
    void CompleteMainWindow();
    void RunFirstRunIfDue();
    void OnControl(MainFrameWidget::Control control);
    void StartConnecting();
    void Disconnect();
    void OpenPreferences();
    void OpenJoinWindow();
    std::vector<std::string> FavouriteNames() const;
    void OpenCommandLine();
    void OpenScripting();
    void OpenNickChange();
    void BuildSchemeEditing();
    void Join(const std::string& channel);
    void OnConnectionChange(bool connected);
    void OptionsChanged();
    void ApplyNickOverride();
    void WatchSignals();
    void EndFromSignal();
    void SavePositions();
    void Shutdown();

    QtEventLoop& loop_;
    DesktopOptions options_;
    Hooks hooks_{*this};
    QtUserInterface ui_;
    SdlAudioOutput audio_;
    CScheme scheme_;  // every window's, until schemes are chosen
    MainFrameWidget frame_;
    StatusWindowWidget statusView_;
    CStatusWindow status_;
    QtChatViews views_;
    QtDccViews dccViews_;
    QtPlugInViews plugInViews_;  // the script-command plug-ins' picture windows
    ConnectDialogWidget connectView_;
    std::unique_ptr<CBrimvaleApp> app_;
    std::unique_ptr<WindowPositions> positions_;
    std::unique_ptr<CChatSession> session_;
    std::unique_ptr<CConnectDlg> connectDialog_;
    std::unique_ptr<SchemeEditorWindows> schemeWindows_;
    std::unique_ptr<SchemeEditing> schemeEditing_;
    std::unique_ptr<PreferencesDialog> preferences_;
    std::unique_ptr<ScriptingWindow> scripting_;
    std::unique_ptr<HelpLauncher> help_;
    std::unique_ptr<NotifyDisplay> notify_;  // the switch bar's lag and the notify window
    QPointer<CommandLineWindowWidget> commandLine_;
    QPointer<JoinWindow> joinWindow_;
    int signalFd_ = -1;
    int signalWatch_ = 0;
    bool started_ = false;
    bool shuttingDown_ = false;
    bool completed_ = false;
};

}  // namespace parlevox
