#include "HeadlessClient.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "irc/EventTypes.h"
#include "platform/PollEventLoop.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "settings/OptionsRecord.h"

namespace parlevox {
namespace {

std::string QuitMessage() {
    std::string message = Registry::Current().GetProfileString("Your info", "Quit message");
    return message.empty() ? OptionsRecord::kDefaultQuitMessage : message;
}

// The command line's nick, else the stored one, else a generated guest nick.
// Written to the in-memory settings only: the headless client never saves.
void ApplyNick(const std::string& nick) {
    Registry& registry = Registry::Current();
    if (!nick.empty())
        registry.WriteProfileString("Nicknames", "Name1", nick);
    else if (registry.GetProfileString("Nicknames", "Name1").empty())
        registry.WriteProfileString("Nicknames", "Name1", "Guest" + std::to_string(1000 + std::rand() % 9000));
}

}  // namespace

HeadlessClient::HeadlessClient(PollEventLoop& loop, const HeadlessOptions& options)
    : loop_(loop), options_(options), output_(loop, options.raw) {
    ApplyNick(options_.nick);
    network_ = std::make_unique<CNetworkControl>(loop_, *this, ProgramFolder::Path());
    presenter_ = std::make_unique<HeadlessPresenter>(loop_, network_->WindowHandleOf(), output_,
                                                     [this](bool connected) { OnConnectionChange(connected); });
    connectDialog_ = std::make_unique<CConnectDlg>(loop_, network_->Window(), network_->State(), *this);
    if (!options_.serverHost.empty()) {
        auto slots = CConnectDlg::ReadSlots();
        slots[0] = {options_.serverHost, options_.serverPort, false};
        connectDialog_->SetSlots(slots);
    }
    connectDialog_->SetNeedsPassword(!options_.password.empty());
}

HeadlessClient::~HeadlessClient() {
    if (inputWatch_) loop_.UnwatchFd(inputWatch_);
    if (signalWatch_) loop_.UnwatchFd(signalWatch_);
    if (signalFd_ >= 0) close(signalFd_);
    connectDialog_.reset();
    presenter_.reset();
}

int HeadlessClient::Run() {
    WatchSignals();
    if (options_.readInput) WatchInput();
    connectDialog_->Start();
    if (!quitting_) loop_.Run();
    // Give a QUIT that is still queued behind a full socket buffer a moment to leave.
    loop_.RunUntil([this] { return network_->Window().Socket().PendingOutput() == 0; }, 1000);
    output_.Flush();
    return exitCode_;
}

void HeadlessClient::WatchSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigprocmask(SIG_BLOCK, &set, nullptr);
    signalFd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signalFd_ < 0) return;
    signalWatch_ = loop_.WatchFd(signalFd_, true, false, [this](FdReadiness) {
        signalfd_siginfo info;
        while (read(signalFd_, &info, sizeof info) == sizeof info) {
        }
        Finish(0);
    });
}

void HeadlessClient::WatchInput() {
    inputWatch_ = loop_.WatchFd(STDIN_FILENO, true, false, [this](FdReadiness) { OnInput(); });
}

void HeadlessClient::OnInput() {
    char chunk[4096];
    ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (got <= 0) {
        Finish(0);
        return;
    }
    inputBuffer_.append(chunk, static_cast<size_t>(got));
    size_t newline;
    while ((newline = inputBuffer_.find('\n')) != std::string::npos) {
        std::string line = inputBuffer_.substr(0, newline);
        inputBuffer_.erase(0, newline + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) network_->SendLine(line);
    }
}

void HeadlessClient::Finish(int exitCode) {
    if (quitting_) return;
    quitting_ = true;
    exitCode_ = exitCode;
    if (network_->State().connected) network_->SendLine("QUIT :" + QuitMessage());
    if (inputWatch_) {
        loop_.UnwatchFd(inputWatch_);
        inputWatch_ = 0;
    }
    loop_.Quit();
}

void HeadlessClient::WriteStatus(std::string_view line) {
    output_.WriteLine(HeadlessPresenter::kStatusWindow, line);
}

void HeadlessClient::AddStatusLine(const std::string& text) {
    output_.WriteLine(kConnectWindow, text);
}

void HeadlessClient::AllServersFailed() {
    Finish(1);
}

void HeadlessClient::DialogClosed(bool connected) {
    if (!connected) Finish(1);
}

void HeadlessClient::OnConnectionChange(bool connected) {
    if (connected && !options_.join.empty())
        network_->SendLine("JOIN " + options_.join);
    else if (!connected)
        Finish(1);
}

}  // namespace parlevox
