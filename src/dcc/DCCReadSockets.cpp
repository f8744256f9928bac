#include "dcc/DCCReadSockets.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fmt/printf.h>

#include "dcc/DCCWnd.h"
#include "dcc/DccNumbers.h"
#include "dcc/DccTransferSettings.h"
#include "dcc/DccTransferTexts.h"
#include "platform/EventLoop.h"
#include "platform/Shell.h"
#include "platform/SocketErrors.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

const char* ErrorText(int code) {
    switch (code) {
        case CDCCReadSocket::kPeerClosed: return dcc_texts::kClosedByPeer;
        case CDCCReadSocket::kReadFailed: return dcc_texts::kReadFailed;
        case CDCCReadSocket::kAckFailed: return dcc_texts::kAckSendFailed;
        default: return dcc_texts::kConnectFailed;
    }
}

// A box opens a modal loop: shown from a task of its own, never inside a
// socket's notification, so the socket may go while it waits.
void PostBox(EventLoop& loop, UserInterface& ui, const char* title, const std::string& text, MessageIcon icon) {
    loop.SingleShot(0, [&ui, box = MessageBoxRequest {title, text, icon, MessageButtons::Ok}] {
        ui.ShowMessageBox(box);
    });
}

}  // namespace

// --- CDCCReadSocket

CDCCReadSocket::CDCCReadSocket(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected)
    : DccTransferSocket(loop, window), received_(position), expected_(expected) {
    buffer_ = std::make_unique<uint8_t[]>(kReadBlock);
}

bool CDCCReadSocket::ConnectTo(uint32_t ip, uint16_t port) {
    const std::string address = NumberToDotted(ip);
    if (!Create(0, kEvents)) {
        ShowError(dcc_texts::kCannotCreateReader);
        Finish();
        return false;
    }
    if (!Connect(address, port) && LastError() != wsa::kWouldBlock) {
        ShowError(dcc_texts::kCannotConnectTo + address);
        Finish();
        return false;
    }
    return true;
}

void CDCCReadSocket::Accepted() {
    AsyncSelect(kEvents);
    Connected();
}

void CDCCReadSocket::OnConnect(int error) {
    if (IsClosing()) return;
    if (error != 0) {
        ReportError(kConnectFailed);
        return;
    }
    Connected();
}

void CDCCReadSocket::Connected() {
    // An empty file, or a resume at its end: no data will come to trigger
    // the acknowledgement the sender waits for.
    if (received_ < expected_) return;
    TakeData(buffer_.get(), 0);
    if (!IsClosing()) Acknowledge();
}

void CDCCReadSocket::OnReceive(int) {
    if (IsClosing()) return;
    const int got = Receive(buffer_.get(), static_cast<int>(kReadBlock));
    if (got == kSocketError) {
        const int error = errno;
        if (LastError() == wsa::kWouldBlock) return;
        if (CDCCWnd* window = Window())
            PostBox(Loop(), window->UI(), dcc_texts::kSystemErrorTitle, std::strerror(error), MessageIcon::Information);
        ReportError(kReadFailed);
        return;
    }
    if (got == 0) return;  // the peer closed: its notification follows
    const uint64_t before = received_;
    received_ += static_cast<uint64_t>(got);
    const size_t wanted = before >= expected_ ? 0 : static_cast<size_t>(std::min<uint64_t>(got, expected_ - before));
    TakeData(buffer_.get(), wanted);
    if (!IsClosing()) Acknowledge();
}

void CDCCReadSocket::Acknowledge() {
    const uint32_t total = htonl(static_cast<uint32_t>(received_));
    if (Send(&total, sizeof total) != static_cast<int>(sizeof total)) {
        ReportError(kAckFailed);
        return;
    }
    if (received_ >= expected_) Finish();
}

void CDCCReadSocket::OnClose(int) {
    if (IsClosing()) return;
    ReportError(kPeerClosed);
}

void CDCCReadSocket::ReportError(int code) {
    if (IsClosing()) return;
    if (!IgnoresError()) ShowError(ErrorText(code));
    Finish();
}

void CDCCReadSocket::ShowError(const std::string& text) {
    if (CDCCWnd* window = Window()) PostBox(Loop(), window->UI(), dcc_texts::kGetError, text, MessageIcon::Exclamation);
}

// --- CDCCReadToFile

CDCCReadToFile::CDCCReadToFile(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected)
    : CDCCReadSocket(loop, window, position, expected), position_(position), path_(window.Path()) {}

CDCCReadToFile::~CDCCReadToFile() {
    CloseFile();
}

const char* CDCCReadToFile::OpenTarget() {
    // O_NOFOLLOW: never write through a symbolic link put in the name's
    // place; O_NONBLOCK: a FIFO there fails instead of blocking the loop.
    constexpr int kFlags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    const bool resume = position_ > 0;
    const char* failure = resume ? dcc_texts::kCannotOpenTarget : dcc_texts::kCannotCreateTarget;
    file_ = resume ? open(path_.c_str(), kFlags) : open(path_.c_str(), kFlags | O_CREAT | O_TRUNC, 0644);
    struct stat info {};
    if (file_ < 0 || fstat(file_, &info) != 0 || !S_ISREG(info.st_mode)) {
        CloseFile();
        return failure;
    }
    if (resume && lseek(file_, static_cast<off_t>(position_), SEEK_SET) < 0) {
        CloseFile();
        return failure;
    }
    return nullptr;
}

void CDCCReadToFile::TakeData(const uint8_t* bytes, size_t length) {
    CDCCWnd& window = *Window();
    window.SetProgress(std::min(Received(), Expected()));
    if (!connected_ && Received() > position_) {
        connected_ = true;
        window.MarkConnected();
    }
    if (!Write(bytes, length)) {
        const std::string text = fmt::sprintf(dcc_texts::kWriteFailed, path_);
        PostBox(Loop(), window.UI(), dcc_texts::kGetWriteError, text, MessageIcon::Exclamation);
        window.ShowMessage(text);
        Finish();
        return;
    }
    if (Received() < Expected()) return;
    CloseFile();
    complete_ = true;
    window.Completed();
    FileComplete();
}

bool CDCCReadToFile::Write(const uint8_t* bytes, size_t length) {
    while (length > 0) {
        const ssize_t written = write(file_, bytes, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

void CDCCReadToFile::ShowError(const std::string& text) {
    if (CDCCWnd* window = Window()) window->ShowMessage(text);
}

void CDCCReadToFile::Release() {
    CloseFile();
}

void CDCCReadToFile::CloseFile() {
    if (file_ >= 0) close(file_);
    file_ = -1;
}

// --- CDCCReadToHelper

CDCCReadToHelper::CDCCReadToHelper(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected,
                                   std::string helper)
    : CDCCReadToFile(loop, window, position, expected), helper_(std::move(helper)) {}

void CDCCReadToHelper::FileComplete() {
    CDCCWnd& window = *Window();
    if (helper_.empty() || !Shell::Start(helper_, {window.Path()})) window.ShowMessage(dcc_texts::kHelperFailed);
}

// --- CDCCReadToPlugin

CDCCReadToPlugin::CDCCReadToPlugin(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected,
                                   std::shared_ptr<DccDataSink> sink)
    : CDCCReadToFile(loop, window, position, expected), sink_(std::move(sink)), position_(position) {}

CDCCReadToPlugin::~CDCCReadToPlugin() {
    EndSink();
}

const char* CDCCReadToPlugin::OpenTarget() {
    CDCCWnd& window = *Window();
    int existing = -1;
    if (position_ > 0 && sink_) {
        existing = open(window.Path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat info {};
        if (existing < 0 || fstat(existing, &info) != 0 || !S_ISREG(info.st_mode) ||
            static_cast<uint64_t>(info.st_size) < position_) {
            if (existing >= 0) close(existing);
            return dcc_texts::kCannotReadFile;
        }
    }
    if (const char* failure = CDCCReadToFile::OpenTarget()) {
        if (existing >= 0) close(existing);
        return position_ > 0 ? dcc_texts::kCannotCreateTarget : failure;
    }
    if (!sink_) return nullptr;
    sink_->Begin(*this, window.Nick(), window.Path(), window.Size());
    begun_ = true;
    if (existing < 0) return nullptr;
    const char* failure = FeedExisting(existing);
    close(existing);
    return failure;
}

const char* CDCCReadToPlugin::FeedExisting(int file) {
    std::vector<uint8_t> block(static_cast<size_t>(std::min<uint64_t>(position_, kReadBlock)));
    for (uint64_t left = position_; left > 0 && begun_;) {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(left, block.size()));
        const ssize_t got = read(file, block.data(), wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return dcc_texts::kCannotReadInitialData;
        sink_->Data(block.data(), static_cast<size_t>(got));
        left -= static_cast<uint64_t>(got);
    }
    return nullptr;
}

void CDCCReadToPlugin::CloseTransfer() {
    if (CDCCWnd* window = Window()) window->RequestClose();
}

// The block is in the file before the plug-in sees it.
void CDCCReadToPlugin::TakeData(const uint8_t* bytes, size_t length) {
    CDCCReadToFile::TakeData(bytes, length);
    if (begun_ && length > 0) sink_->Data(bytes, length);
}

void CDCCReadToPlugin::ShowError(const std::string& text) {
    if (CDCCWnd* window = Window()) PostBox(Loop(), window->UI(), dcc_texts::kDccError, text, MessageIcon::Exclamation);
    CDCCReadToFile::ShowError(text);
}

void CDCCReadToPlugin::Release() {
    CDCCReadToFile::Release();
    EndSink();
}

void CDCCReadToPlugin::EndSink() {
    if (!std::exchange(begun_, false)) return;
    sink_->End(IsComplete());
}

}  // namespace parlevox
