#include "dcc/DCCWnd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include <fmt/format.h>
#include <fmt/printf.h>

#include "dcc/DCCReadSockets.h"
#include "dcc/DCCSendSockets.h"
#include "dcc/DCCSockets.h"
#include "dcc/DccTransferTexts.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

// A socket that completed or failed goes this long after.
constexpr uint32_t kDestroyDelayMs = 10;

// What the lines and the bar show of a count: they change only when this does.
uint64_t ShownPart(uint64_t bytes) {
    return bytes / 1024 * 16 + bytes % 1024 * 10 / 1024;
}

// The size of a regular file that can be read, or nothing.
std::optional<uint64_t> ReadableFileSize(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) return std::nullopt;
    struct stat info {};
    const bool regular = fstat(file, &info) == 0 && S_ISREG(info.st_mode);
    close(file);
    if (!regular) return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

std::unique_ptr<CDCCReadToFile> MakeReader(EventLoop& loop, CDCCWnd& window, const DccReceiveRequest& request) {
    switch (request.action) {
        case dcc_action::kSaveAndOpen:
            return std::make_unique<CDCCReadToHelper>(loop, window, request.position, request.size, request.helper);
        case dcc_action::kPlugIn:
            return std::make_unique<CDCCReadToPlugin>(loop, window, request.position, request.size, request.sink);
        default: return std::make_unique<CDCCReadToFile>(loop, window, request.position, request.size);
    }
}

}  // namespace

std::string DccSizeText(uint64_t bytes) {
    const uint64_t k = bytes / 1024;
    if (k >= 512) return fmt::format("{}.{:02} Mb", bytes / 1048576, k % 1024 * 100 / 1024);
    return fmt::format("{}.{:01} Kb", k, bytes % 1024 * 10 / 1024);
}

CDCCWnd::CDCCWnd(EventLoop& loop, UserInterface& ui, std::string nick, std::string path, uint64_t size,
                 Direction direction)
    : MessageTarget(loop),
      ui_(ui),
      nick_(std::move(nick)),
      path_(std::move(path)),
      size_(size),
      direction_(direction),
      state_(direction == Direction::Send ? State::Waiting : State::Connecting) {}

CDCCWnd::~CDCCWnd() {
    // The socket may be the one whose notification led here: it loses its
    // window at once and goes later.
    Own(nullptr);
}

std::unique_ptr<CDCCWnd> CDCCWnd::StartSend(EventLoop& loop, UserInterface& ui, const DccSendRequest& request,
                                            const DccTransferSettings& settings, std::string& error) {
    const std::optional<uint64_t> size = ReadableFileSize(request.path);
    if (!size) {
        error = dcc_texts::kCannotOpenGivenFile;
        return nullptr;
    }
    auto window = std::make_unique<CDCCWnd>(loop, ui, request.nick, request.path, *size, Direction::Send);
    window->settings_ = settings;
    window->passive_ = request.passive;
    if (request.passive) return window;
    auto listener = std::make_unique<CDCCListenSocket>(
        loop, *window, std::make_unique<CDCCDataSocket>(loop, *window, settings.sendAhead));
    if (const char* failure = listener->Start(settings)) {
        error = failure;
        return nullptr;
    }
    window->Own(std::move(listener));
    return window;
}

std::unique_ptr<CDCCWnd> CDCCWnd::StartReceive(EventLoop& loop, UserInterface& ui, const DccReceiveRequest& request,
                                               const DccTransferSettings& settings, std::string& error) {
    auto window = std::make_unique<CDCCWnd>(loop, ui, request.nick, request.path, request.size, Direction::Receive);
    window->settings_ = settings;
    window->position_ = window->transferred_ = request.position;
    window->passive_ = request.port == 0;
    if (window->passive_) window->state_ = State::Waiting;
    std::unique_ptr<CDCCReadToFile> reader = MakeReader(loop, *window, request);
    if (const char* failure = reader->OpenTarget()) {
        error = failure;
        return nullptr;
    }
    if (window->passive_) {
        auto listener = std::make_unique<CDCCListenSocket>(loop, *window, std::move(reader));
        if (const char* failure = listener->Start(settings)) {
            error = failure;
            return nullptr;
        }
        window->Own(std::move(listener));
    } else {
        CDCCReadSocket& connection = *reader;
        window->Own(std::move(reader));
        connection.ConnectTo(request.ip, request.port);
    }
    return window;
}

std::string CDCCWnd::Title() const {
    const size_t cut = path_.find_last_of("/\\");
    return (cut == std::string::npos ? path_ : path_.substr(cut + 1)) + " - " + nick_;
}

std::vector<DccProgressLine> CDCCWnd::Lines() const {
    std::vector<DccProgressLine> lines;
    if (direction_ == Direction::Receive) {
        lines.push_back({fmt::sprintf(dcc_texts::kDataRead, DccSizeText(transferred_))});
    } else {
        lines.push_back({fmt::sprintf(dcc_texts::kDataSent, DccSizeText(transferred_))});
        lines.push_back({fmt::sprintf(dcc_texts::kDataAcknowledged, DccSizeText(acknowledged_))});
    }
    lines.push_back({fmt::sprintf(dcc_texts::kTotalSize, DccSizeText(size_))});
    switch (state_) {
        case State::Waiting: lines.push_back({dcc_texts::kWaitingForConnection}); break;
        case State::Connecting: lines.push_back({dcc_texts::kAttemptingToConnect}); break;
        case State::Connected: lines.push_back({dcc_texts::kConnectedOk}); break;
        case State::Completed: lines.push_back({dcc_texts::kCompletedOk, true}); break;
        case State::Failed: lines.push_back({message_, true}); break;
    }
    return lines;
}

int CDCCWnd::ProgressMaximum() const {
    uint64_t maximum = size_ / 1024;
    while (maximum > INT_MAX) maximum >>= 1;
    return static_cast<int>(maximum);
}

int CDCCWnd::ProgressValue() const {
    uint64_t maximum = size_ / 1024;
    uint64_t value = (direction_ == Direction::Send ? acknowledged_ : transferred_) / 1024;
    // A file past 2 TiB: both halved together until the bar's range holds them.
    while (maximum > INT_MAX) {
        maximum >>= 1;
        value >>= 1;
    }
    return static_cast<int>(std::min(value, maximum));
}

void CDCCWnd::SetView(std::unique_ptr<DccProgressView> view) {
    view_ = std::move(view);
    Update();
}

uint16_t CDCCWnd::ListenPort() const {
    return direction_ == Direction::Send && socket_ ? socket_->WaitingPort() : 0;
}

uint16_t CDCCWnd::PassiveListenPort() const {
    return direction_ == Direction::Receive && socket_ ? socket_->WaitingPort() : 0;
}

bool CDCCWnd::ConnectPassive(uint32_t ip, uint16_t port) {
    if (direction_ != Direction::Send || !passive_ || state_ != State::Waiting || socket_) return false;
    auto data = std::make_unique<CDCCDataSocket>(Loop(), *this, settings_.sendAhead);
    CDCCDataSocket& connection = *data;
    Own(std::move(data));
    return connection.ConnectTo(ip, port);
}

bool CDCCWnd::AcceptResume(uint64_t position) {
    const bool waiting = direction_ == Direction::Send && state_ == State::Waiting && (passive_ ? !socket_ : !!socket_);
    if (!waiting || position > size_) return false;
    position_ = transferred_ = acknowledged_ = position;
    Update();
    return true;
}

void CDCCWnd::RequestClose() {
    Own(nullptr);
    if (onCloseRequested) onCloseRequested();
}

void CDCCWnd::SetProgress(uint64_t sent, uint64_t acknowledged) {
    if (Stopped()) return;
    const bool shown = ShownPart(sent) != ShownPart(transferred_) || ShownPart(acknowledged) != ShownPart(acknowledged_);
    transferred_ = sent;
    acknowledged_ = acknowledged;
    if (shown) Update();
}

void CDCCWnd::SetProgress(uint64_t read) {
    if (Stopped()) return;
    const bool shown = ShownPart(read) != ShownPart(transferred_);
    transferred_ = read;
    if (shown) Update();
}

void CDCCWnd::MarkConnected() {
    if (state_ != State::Waiting && state_ != State::Connecting) return;
    state_ = State::Connected;
    Update();
}

void CDCCWnd::ShowMessage(std::string text) {
    message_ = std::move(text);
    state_ = State::Failed;
    Update();
}

void CDCCWnd::Completed() {
    if (Stopped()) return;
    state_ = State::Completed;
    Update();
}

void CDCCWnd::Own(std::unique_ptr<DccTransferSocket> socket) {
    if (socket_) {
        socket_->Detach();
        Loop().DeleteLater(std::move(socket_));
    }
    socket_ = std::move(socket);
}

void CDCCWnd::Drop(DccTransferSocket& socket) {
    if (socket_.get() != &socket) return;
    Loop().DeleteLater(std::move(socket_), kDestroyDelayMs);
}

void CDCCWnd::Update() {
    if (view_) view_->Updated(*this);
}

}  // namespace parlevox
