#include "dcc/DCCChatSockets.h"

#include <algorithm>
#include <climits>

#include "dcc/DCCChatWnd.h"
#include "dcc/DccChatTexts.h"
#include "platform/SocketErrors.h"

namespace parlevox {

void DccChatSocketBase::Retire() {
    window_ = nullptr;
    Close();
}

uint16_t CDCCChatListenSocket::Start(const DccTransferSettings& settings, std::string& error) {
    const uint32_t first = settings.ports.Any() ? 0 : settings.ports.first;
    const uint32_t last = settings.ports.Any() ? 0 : std::max(settings.ports.first, settings.ports.last);
    bool created = false;
    for (uint32_t port = first; port <= last; ++port) {
        // The accepted connection inherits these, less kAccept.
        if (!Create(static_cast<uint16_t>(port), kAccept | kRead | kWrite | kClose, settings.bindAddress)) continue;
        created = true;
        std::string address;
        uint16_t bound = 0;
        if (Listen(5) && GetSockName(address, bound)) return bound;
        Close();
    }
    error = created ? texts::kCannotListen : texts::kNoListenSocket;
    return 0;
}

void CDCCChatListenSocket::OnAccept(int) {
    if (!Window()) return;
    auto connection = std::make_unique<CDCCChatSocket>(Loop(), *Window());
    if (!Accept(*connection)) {
        // Someone gave up before we took them: keep waiting.
        if (LastError() == wsa::kWouldBlock || LastError() == wsa::kConnectionAborted) return;
        Window()->SocketFailed(texts::kAcceptFailed);
        return;
    }
    connection->AsyncSelect(kRead | kWrite | kClose);
    // The window retires this listener: one connection is served.
    Window()->SocketConnected(std::move(connection));
}

void CDCCChatSocket::Fail(const char* text) {
    if (CDCCChatWnd* window = Window()) window->SocketFailed(text);
    else Close();
}

bool CDCCChatSocket::SendLine(std::string_view line) {
    if (!Window() || !IsOpen()) return false;
    if (Queued() + line.size() + 1 > kMaxQueued) {
        Fail(texts::kChatSendBacklog);
        return false;
    }
    if (sent_ == queue_.size()) {
        queue_.clear();
        sent_ = 0;
    }
    queue_.append(line);
    queue_ += '\n';
    return Flush();
}

bool CDCCChatSocket::Flush() {
    while (sent_ < queue_.size()) {
        const int length = static_cast<int>(std::min<size_t>(queue_.size() - sent_, INT_MAX));
        const int sent = Send(queue_.data() + sent_, length);
        if (sent == kSocketError) {
            if (LastError() == wsa::kWouldBlock) break;  // OnSend brings the rest
            Fail(texts::kChatSendFailed);
            return false;
        }
        sent_ += static_cast<size_t>(sent);
    }
    // What went out is dropped once it is a good part of the queue.
    if (sent_ == queue_.size() || sent_ >= queue_.size() / 2) {
        queue_.erase(0, sent_);
        sent_ = 0;
    }
    return true;
}

void CDCCChatSocket::OnConnect(int error) {
    if (!Window()) return;
    if (error != 0) return Fail(texts::kConnectFailed);
    Window()->SocketConnected();
}

void CDCCChatSocket::OnReceive(int) {
    if (!Window()) return;
    const std::span<char> room = received_.FreeSpace();
    const int got = Receive(room.data(), static_cast<int>(room.size()));
    if (got <= 0) return;  // the end of the stream and errors come as OnClose
    received_.Added(static_cast<size_t>(got));
    std::string_view line;
    while (received_.NextLine(line)) {
        Window()->ShowReceivedLine(line);
        if (!Window()) return;
    }
    if (received_.Full()) Fail(texts::kNoLineEnd);
}

void CDCCChatSocket::OnSend(int) {
    if (Window()) Flush();
}

void CDCCChatSocket::OnClose(int) {
    CDCCChatWnd* window = Window();
    if (!window) return Close();
    // The last words of a peer that closed without a line end.
    if (!received_.Pending().empty()) window->ShowReceivedLine(received_.Pending());
    if (Window()) Window()->SocketClosed();
}

}  // namespace parlevox
