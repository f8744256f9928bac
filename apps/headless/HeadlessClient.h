#pragma once
// The core without a GUI: connects with the connect dialog's logic, prints
// every window line, sends what is typed on stdin, and ends cleanly on end
// of input or SIGINT/SIGTERM (with a QUIT when connected).
#include <memory>
#include <string>

#include "ConsoleOutput.h"
#include "HeadlessOptions.h"
#include "HeadlessPresenter.h"
#include "platform/NullAudioOutput.h"
#include "settings/BrimvaleApp.h"
#include "ui/ConnectDlg.h"

namespace parlevox {

class PollEventLoop;

class HeadlessClient final : public StatusOutput, public ConnectDlgView {
public:
    HeadlessClient(PollEventLoop& loop, const HeadlessOptions& options, UserInterface& ui);
    ~HeadlessClient() override;

    // False when start-up failed (the reason has been shown).
    bool Started() const { return app_->Started(); }
    // Runs until the end; returns the process exit code.
    int Run();

    static constexpr const char* kConnectWindow = "~Connect";

private:
    void WriteStatus(std::string_view line) override;
    void AddStatusLine(const std::string& text) override;
    void AllServersFailed() override;
    void DialogClosed(bool connected) override;
    void OnConnectionChange(bool connected);

    void WatchInput();
    void WatchSignals();
    void OnInput();
    void Finish(int exitCode);
    void ApplyNick();
    CNetworkControl& Network() { return app_->Network(); }

    PollEventLoop& loop_;
    HeadlessOptions options_;
    ConsoleOutput output_;
    NullAudioOutput audio_{false};  // no sound without a desktop
    std::unique_ptr<CBrimvaleApp> app_;
    std::unique_ptr<HeadlessPresenter> presenter_;
    std::unique_ptr<CConnectDlg> connectDialog_;
    std::string inputBuffer_;
    int inputWatch_ = 0;
    int signalFd_ = -1;
    int signalWatch_ = 0;
    int exitCode_ = 0;
    bool quitting_ = false;
};

}  // namespace parlevox
