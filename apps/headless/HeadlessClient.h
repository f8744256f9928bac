#pragma once
// The core without a GUI: connects with the connect dialog's logic, prints
// every window line, sends what is typed on stdin, and ends cleanly on end
// of input or SIGINT/SIGTERM (with a QUIT when connected).
#include <memory>
#include <string>

#include "ConsoleOutput.h"
#include "HeadlessOptions.h"
#include "HeadlessPresenter.h"
#include "irc/NetworkControl.h"
#include "ui/ConnectDlg.h"

namespace parlevox {

class PollEventLoop;

class HeadlessClient final : public StatusOutput, public ConnectDlgView {
public:
    HeadlessClient(PollEventLoop& loop, const HeadlessOptions& options);
    ~HeadlessClient() override;

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

    PollEventLoop& loop_;
    HeadlessOptions options_;
    ConsoleOutput output_;
    std::unique_ptr<CNetworkControl> network_;
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
