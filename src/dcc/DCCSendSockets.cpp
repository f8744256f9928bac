#include "dcc/DCCSendSockets.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "dcc/DCCWnd.h"
#include "dcc/DccNumbers.h"
#include "dcc/DccOptions.h"
#include "dcc/DccTransferTexts.h"
#include "platform/SocketErrors.h"

namespace parlevox {

CDCCDataSocket::CDCCDataSocket(EventLoop& loop, CDCCWnd& window, uint32_t sendAhead)
    : DccTransferSocket(loop, window),
      sendAhead_(std::clamp(sendAhead, DccOptions::kMinSendAhead, DccOptions::kMaxSendAhead)),
      bufferSize_(static_cast<size_t>(std::min<uint64_t>(sendAhead_, kLargestRead))) {
    buffer_ = std::make_unique<uint8_t[]>(bufferSize_);
}

CDCCDataSocket::~CDCCDataSocket() {
    CloseFile();
}

void CDCCDataSocket::CloseFile() {
    if (file_ >= 0) close(file_);
    file_ = -1;
}

void CDCCDataSocket::Release() {
    CloseFile();
}

bool CDCCDataSocket::ConnectTo(uint32_t ip, uint16_t port) {
    const std::string address = NumberToDotted(ip);
    if (!Create(0, kEvents)) {
        Abort(dcc_texts::kSendingFailed);
        return false;
    }
    if (!Connect(address, port) && LastError() != wsa::kWouldBlock) {
        Abort((std::string(dcc_texts::kCannotConnectTo) + address).c_str());
        return false;
    }
    return true;
}

void CDCCDataSocket::Accepted() {
    AsyncSelect(kEvents);
    Begin();
}

void CDCCDataSocket::OnConnect(int error) {
    if (IsClosing()) return;
    if (error != 0) {
        Abort(dcc_texts::kConnectFailed);
        return;
    }
    Begin();
}

void CDCCDataSocket::Begin() {
    if (!OpenFile()) return;
    Window()->MarkConnected();
    blockLeft_ = sendAhead_;
    Pump();
    if (!IsClosing()) Report();
}

bool CDCCDataSocket::OpenFile() {
    CDCCWnd& window = *Window();
    length_ = window.Size();
    start_ = sent_ = acknowledged_ = window.StartPosition();
    // Non-blocking, so that a FIFO put in the file's place cannot stall the loop.
    file_ = open(window.Path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (file_ < 0 || fstat(file_, &info) != 0 || !S_ISREG(info.st_mode)) {
        Abort(dcc_texts::kSendOpenFailed);
        return false;
    }
    if (start_ > length_ || static_cast<uint64_t>(info.st_size) < start_) {
        Abort(dcc_texts::kSendSeekFailed);
        return false;
    }
    return true;
}

void CDCCDataSocket::OnReceive(int) {
    if (IsClosing()) return;
    uint8_t bytes[256];
    const int got = Receive(bytes, sizeof bytes);
    if (got == kSocketError && LastError() == wsa::kWouldBlock) return;
    if (got == 0) return;  // the peer closed: its notification follows
    if (got < 0) {
        Abort(dcc_texts::kAckReadFailed);
        return;
    }
    acks_.Feed(bytes, static_cast<size_t>(got), [this](uint32_t wire) { return HandleAck(wire); });
}

bool CDCCDataSocket::HandleAck(uint32_t wire) {
    const std::optional<uint64_t> total = ResolveDccAck(wire, {start_, sent_, acknowledged_});
    if (!total) return true;
    acknowledged_ = *total;
    if (acknowledged_ == length_) {
        Report();
        Window()->Completed();
        Finish();
        return false;
    }
    if (Busy()) {
        ackWhileBusy_ = true;
    } else {
        blockLeft_ = NextBlock();
        Pump();
    }
    if (IsClosing()) return false;
    Report();
    return true;
}

uint64_t CDCCDataSocket::NextBlock() const {
    if (acknowledged_ + sendAhead_ < sent_) return 0;
    if (sendAhead_ <= DccOptions::kMinSendAhead) return kFollowingBlock;
    return std::max(kFollowingBlock, acknowledged_ + sendAhead_ - sent_);
}

void CDCCDataSocket::OnSend(int) {
    if (IsClosing() || !Busy()) return;
    Pump();
    if (IsClosing()) return;
    if (!Busy() && ackWhileBusy_) {
        ackWhileBusy_ = false;
        blockLeft_ = NextBlock();
        Pump();
        if (IsClosing()) return;
    }
    Report();
}

void CDCCDataSocket::Pump() {
    while (!IsClosing()) {
        if (pendingLength_ > 0 && !Flush()) return;
        if (blockLeft_ == 0 || sent_ >= length_) {
            blockLeft_ = 0;
            return;
        }
        const size_t piece = static_cast<size_t>(std::min({blockLeft_, uint64_t {bufferSize_}, length_ - sent_}));
        const ssize_t got = pread(file_, buffer_.get(), piece, static_cast<off_t>(sent_));
        if (got <= 0) {
            Abort(dcc_texts::kFileReadFailed);  // a failure, or the file got shorter
            return;
        }
        blockLeft_ -= static_cast<uint64_t>(got);
        pendingOffset_ = 0;
        pendingLength_ = static_cast<size_t>(got);
    }
}

bool CDCCDataSocket::Flush() {
    while (pendingLength_ > 0) {
        const int taken = Send(buffer_.get() + pendingOffset_, static_cast<int>(pendingLength_));
        if (taken == kSocketError && LastError() == wsa::kWouldBlock) return false;  // OnSend carries on
        if (taken <= 0) {
            Abort(dcc_texts::kSendingFailed);
            return false;
        }
        sent_ += static_cast<uint64_t>(taken);
        pendingOffset_ += static_cast<size_t>(taken);
        pendingLength_ -= static_cast<size_t>(taken);
    }
    return true;
}

void CDCCDataSocket::OnClose(int) {
    if (IsClosing()) return;
    if (acknowledged_ < length_) {
        Abort(dcc_texts::kClosedEarly);
        return;
    }
    Window()->Completed();
    Finish();
}

void CDCCDataSocket::Report() {
    if (CDCCWnd* window = Window()) window->SetProgress(sent_, acknowledged_);
}

void CDCCDataSocket::Abort(const char* text) {
    if (CDCCWnd* window = Window()) window->ShowMessage(text);
    Finish();
}

}  // namespace parlevox
