#pragma once
// The core without a GUI: connects with the connect dialog's logic, prints
// every line the status, channel and query windows show, runs what is typed
// on stdin as a status-window line (a line without "/" goes to the channel
// joined last), and ends cleanly on end of input or SIGINT/SIGTERM (with a
// QUIT when connected).
#include <memory>
#include <string>

#include "ConsoleOutput.h"
#include "HeadlessOptions.h"
#include "HeadlessViews.h"
#include "display/Scheme.h"
#include "platform/NullAudioOutput.h"
#include "settings/BrimvaleApp.h"
#include "ui/ChatSession.h"
#include "ui/ConnectDlg.h"
#include "ui/StatusWindow.h"

namespace parlevox {

class PollEventLoop;

class HeadlessClient final : public ConnectDlgView {
public:
    HeadlessClient(PollEventLoop& loop, const HeadlessOptions& options, UserInterface& ui);
    ~HeadlessClient() override;

    // False when start-up failed (the reason has been shown).
    bool Started() const { return app_->Started(); }
    // Runs until the end; returns the process exit code.
    int Run();

    static constexpr const char* kConnectWindow = "~Connect";

private:
    void AddStatusLine(const std::string& text) override;
    void AllServersFailed() override;
    void DialogClosed(bool connected) override;
    void OnConnectionChange(bool connected);

    void WatchInput();
    void WatchSignals();
    void OnInput();
    void Typed(const std::string& line);
    void Finish(int exitCode);
    void ApplyNick();
    CNetworkControl& Network() { return app_->Network(); }

    PollEventLoop& loop_;
    HeadlessOptions options_;
    ConsoleOutput output_;
    NullAudioOutput audio_{false};  // no sound without a desktop
    CScheme scheme_;                 // every window's, until schemes are chosen
    HeadlessView statusView_{output_, CStatusWindow::kName};
    CStatusWindow status_;
    HeadlessViews views_{output_};
    std::unique_ptr<CBrimvaleApp> app_;
    std::unique_ptr<CChatSession> session_;
    std::unique_ptr<CConnectDlg> connectDialog_;
    std::string inputBuffer_;
    int inputWatch_ = 0;
    int signalFd_ = -1;
    int signalWatch_ = 0;
    int exitCode_ = 0;
    bool quitting_ = false;
    bool userQuit_ = false;  // "/quit" was typed: the server closing is the end asked for
};

}  // namespace parlevox
