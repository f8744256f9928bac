#include "HeadlessClient.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/TextHelpers.h"
#include "display/ChanWnd.h"
#include "platform/PollEventLoop.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "ui/MainFrameTexts.h"

namespace parlevox {
namespace {

// "/me hi", "/me's", "/me": the command word, any case, then a space, "'", ","
// or the end.
bool StartsWithWord(std::string_view line, std::string_view word) {
    if (line.size() < word.size() || !EqualsIgnoringCase(line.substr(0, word.size()), word)) return false;
    return line.size() == word.size() || std::string_view(" ',").find(line[word.size()]) != std::string_view::npos;
}

}  // namespace

HeadlessClient::HeadlessClient(PollEventLoop& loop, const HeadlessOptions& options, UserInterface& ui)
    : loop_(loop), options_(options), output_(loop, options.raw), status_(ui, scheme_, statusView_) {
    AppStartOptions start;
    start.settingsPath = Registry::DefaultFilePath();
    start.programFolder = ProgramFolder::Path();
    start.saveSettings = false;  // the headless client never writes the settings file
    app_ = std::make_unique<CBrimvaleApp>(FrontEnd{loop_, ui, audio_, status_}, start);
    if (!app_->Started()) return;
    ApplyNick();
    session_ = std::make_unique<CChatSession>(*app_, status_, views_);
    session_->TurnTipsOff();  // they speak of the desktop's switch bar
    session_->StartPlugIns();
    session_->Windows().onConnectionChange = [this](bool connected) { OnConnectionChange(connected); };
    connectDialog_ = std::make_unique<CConnectDlg>(loop_, Network().Window(), Network().State(), *this, ui);
    auto slots = CConnectDlg::SlotsFrom(app_->Options().servers);
    if (!options_.serverHost.empty()) slots[0] = {options_.serverHost, options_.serverPort, false};
    connectDialog_->SetSlots(slots);
    connectDialog_->SetNeedsPassword(!options_.password.empty());
}

// The command line's nick, else the stored one, else a generated guest nick.
void HeadlessClient::ApplyNick() {
    std::string& nick = app_->Options().nicknames[0].name;
    if (!options_.nick.empty())
        nick = options_.nick;
    else if (nick.empty())
        nick = "Guest" + std::to_string(1000 + std::rand() % 9000);
    app_->OptionsChanged();
}

HeadlessClient::~HeadlessClient() {
    if (inputWatch_) loop_.UnwatchFd(inputWatch_);
    if (signalWatch_) loop_.UnwatchFd(signalWatch_);
    if (signalFd_ >= 0) close(signalFd_);
    connectDialog_.reset();
    session_.reset();
    app_.reset();
}

int HeadlessClient::Run() {
    WatchSignals();
    if (options_.readInput) WatchInput();
    connectDialog_->Start();
    if (!quitting_) loop_.Run();
    // Give a QUIT that is still queued behind a full socket buffer a moment to leave.
    loop_.RunUntil([this] { return Network().Window().Socket().PendingOutput() == 0; }, 1000);
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
        if (!line.empty()) Typed(line);
    }
}

void HeadlessClient::Finish(int exitCode) {
    if (quitting_) return;
    quitting_ = true;
    exitCode_ = exitCode;
    if (Network().State().connected && !userQuit_) Network().SendLine("QUIT :" + app_->Options().yourInfo.quitMessage);
    if (inputWatch_) {
        loop_.UnwatchFd(inputWatch_);
        inputWatch_ = 0;
    }
    loop_.Quit();
}

void HeadlessClient::Typed(const std::string& line) {
    if (options_.rawInput) return Network().SendLine(line);
    if (StartsWithWord(line, "/quit")) userQuit_ = true;
    CChanWnd* channel = session_->Windows().LastChannel();
    // Actions and sound requests belong to a channel window, not to the status window.
    if (channel && (StartsWithWord(line, "/me") || StartsWithWord(line, "/sound"))) return channel->Type(line);
    if (status_.Type(line)) return;
    if (channel) return channel->Type(line);
    status_.AddLine(app_->Colours().Code(colour::kProblem) + mainframe_text::kNoChannelOpen);
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
        session_->Commands().Run("/join " + options_.join, {}, {}, status_);
    else if (!connected)
        Finish(userQuit_ ? 0 : 1);
}

}  // namespace parlevox
